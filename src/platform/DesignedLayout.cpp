#include "platform/DesignedLayout.h"

#include "platform/TextRoom.h"

#include <QWidget>
#include <algorithm>

DesignedLayout::DesignedLayout(const QRect& designed, QWidget* parent) : QLayout(parent), designed_(designed)
{
    setContentsMargins(0, 0, 0, 0);
    if (parent)
        parent->setAttribute(Qt::WA_LayoutOnEntireRect);
}

DesignedLayout::~DesignedLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void DesignedLayout::addWidget(QWidget* widget, int follow)
{
    addChildWidget(widget);
    add(new QWidgetItem(widget), widget->geometry(), follow);
}

void DesignedLayout::addRegion(DesignedLayout* region, int follow)
{
    addChildLayout(region);
    add(region, region->designed_, follow);
}

void DesignedLayout::addItem(QLayoutItem* item)
{
    add(item, item->geometry(), Stay);
}

void DesignedLayout::add(QLayoutItem* item, const QRect& designed, int follow)
{
    children_.append({item, designed, follow});
    invalidate();
}

int DesignedLayout::count() const
{
    return int(children_.size());
}

QLayoutItem* DesignedLayout::itemAt(int index) const
{
    return index >= 0 && index < children_.size() ? children_.at(index).item : nullptr;
}

QLayoutItem* DesignedLayout::takeAt(int index)
{
    if (index < 0 || index >= children_.size())
        return nullptr;
    QLayoutItem* item = children_.takeAt(index).item;
    invalidate();
    return item;
}

QSize DesignedLayout::sizeHint() const
{
    return designed_.size();
}

QSize DesignedLayout::minimumSize() const
{
    return designed_.size();
}

QRect DesignedLayout::placed(const QRect& rect, int follow, const QRect& room) const
{
    // Less room than designed (only while a window is being set up) moves nothing.
    const int extraWidth = std::max(0, room.width() - designed_.width());
    const int extraHeight = std::max(0, room.height() - designed_.height());
    QRect result = rect.translated(room.topLeft() - designed_.topLeft());
    if (follow & GrowWidth)
        result.setWidth(result.width() + extraWidth);
    if (follow & GrowHeight)
        result.setHeight(result.height() + extraHeight);
    result.translate(follow & MoveRight ? extraWidth : 0, follow & MoveDown ? extraHeight : 0);
    return result;
}

void DesignedLayout::setGeometry(const QRect& room)
{
    QLayout::setGeometry(room);
    for (const Child& child : std::as_const(children_)) {
        const QRect rect = placed(child.designed, child.follow, room);
        // Widgets are placed directly: hidden ones too, so that they stand
        // right when shown, and without the size limits a layout item applies.
        // A caption longer than its designed room (a translation) widens
        // its control as far as the window allows.
        if (QWidget* widget = child.item->widget()) {
            widget->setGeometry(rect);
            TextRoom::fit(widget, rect.width());
        } else
            child.item->setGeometry(rect);
    }
}
