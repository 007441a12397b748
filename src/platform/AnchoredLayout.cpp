#include "platform/AnchoredLayout.h"

#include <QWidget>
#include <QWidgetItem>
#include <algorithm>

AnchoredLayout::AnchoredLayout(QWidget* region, QSize designed) : QLayout(region), designed_(designed)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

AnchoredLayout::~AnchoredLayout()
{
    for (const Kept& kept : kept_)
        delete kept.item;
}

void AnchoredLayout::keep(QWidget* widget, int anchors)
{
    addChildWidget(widget);
    kept_.push_back({new QWidgetItem(widget), widget->geometry(), anchors});
    invalidate();
}

// Items added without a designed place stay where they are.
void AnchoredLayout::addItem(QLayoutItem* item)
{
    kept_.push_back({item, item->geometry(), Fixed});
}

QLayoutItem* AnchoredLayout::itemAt(int index) const
{
    return index >= 0 && index < int(kept_.size()) ? kept_[std::size_t(index)].item : nullptr;
}

QLayoutItem* AnchoredLayout::takeAt(int index)
{
    if (index < 0 || index >= int(kept_.size()))
        return nullptr;
    QLayoutItem* item = kept_[std::size_t(index)].item;
    kept_.erase(kept_.begin() + index);
    return item;
}

int AnchoredLayout::count() const
{
    return int(kept_.size());
}

QSize AnchoredLayout::sizeHint() const
{
    return designed_;
}

QSize AnchoredLayout::minimumSize() const
{
    return designed_;
}

QRect AnchoredLayout::placed(const QRect& designed, int anchors, QSize designedRegion, QSize size)
{
    const int extraWide = std::max(0, size.width() - designedRegion.width());
    const int extraHigh = std::max(0, size.height() - designedRegion.height());
    QRect r = designed;
    if (anchors & FollowsRight)
        r.translate(extraWide, 0);
    if (anchors & FollowsBottom)
        r.translate(0, extraHigh);
    if (anchors & GrowsWide)
        r.setWidth(r.width() + extraWide);
    if (anchors & GrowsHigh)
        r.setHeight(r.height() + extraHigh);
    return r;
}

void AnchoredLayout::setGeometry(const QRect& area)
{
    QLayout::setGeometry(area);
    for (const Kept& kept : kept_) {
        const QRect place = placed(kept.designed, kept.anchors, designed_, area.size()).translated(area.topLeft());
        // Widgets take exactly their place, whatever their own size hints say.
        if (QWidget* widget = kept.item->widget())
            widget->setGeometry(place);
        else
            kept.item->setGeometry(place);
    }
}
