#include "platform/TextRoom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextDocument>

#include <algorithm>

namespace TextRoom {

namespace {

const char* const DesignedWidth = "prentvel.designedWidth";

int widestLine(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// A caption as drawn: an ampersand marks the next letter as a shortcut.
QString withoutShortcut(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

bool holds(const QLayout* layout, const QWidget* widget)
{
    for (int index = 0; index < layout->count(); ++index) {
        QLayoutItem* item = layout->itemAt(index);
        if (item->widget() == widget || (item->layout() && holds(item->layout(), widget)))
            return true;
    }
    return false;
}

// A widget placed by hand, not by a layout (a layout fits its own widgets).
bool placedByHand(const QWidget* widget)
{
    const QWidget* parent = widget->parentWidget();
    if (!parent || widget->isWindow())
        return false;
    return !parent->layout() || !holds(parent->layout(), widget);
}

}

int neededWidth(const QWidget* widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    if (auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->wordWrap() || label->text().isEmpty() || Qt::mightBeRichText(label->text()))
            return 0;
        const int frame = widget->width() - label->contentsRect().width();
        const int indent = label->indent() >= 0 ? label->indent()
                                                : (label->frameWidth() > 0 ? metrics.horizontalAdvance(QLatin1Char('x')) / 2 : 0);
        return widestLine(metrics, label->text()) + frame + 2 * label->margin() + indent;
    }
    if (qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget))
        return static_cast<const QAbstractButton*>(widget)->text().isEmpty() ? 0 : widget->sizeHint().width();
    if (auto* button = qobject_cast<const QPushButton*>(widget)) {
        if (button->text().isEmpty())
            return 0;
        const QStyle* style = widget->style();
        const int iconRoom = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        return widestLine(metrics, withoutShortcut(button->text())) + iconRoom
            + 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget)
            + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget);
    }
    if (auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title().isEmpty() ? 0 : metrics.horizontalAdvance(withoutShortcut(group->title())) + 16;
    return 0;
}

int widestWidth(const QWidget* widget)
{
    const QWidget* parent = widget->parentWidget();
    if (!parent)
        return widget->width();
    return std::max(widget->width(), parent->contentsRect().right() + 1 - widget->x());
}

void fit(QWidget* widget, int designedWidth)
{
    const int width = std::max(designedWidth, std::min(neededWidth(widget), widestWidth(widget)));
    if (width != widget->width())
        widget->resize(width, widget->height());
}

void fitWindow(QWidget* window)
{
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!placedByHand(widget) || qobject_cast<const QGroupBox*>(widget))
            continue;
        QVariant designed = widget->property(DesignedWidth);
        if (!designed.isValid()) {
            if (neededWidth(widget) <= widget->width())
                continue; // fits: nothing to remember
            designed = widget->width();
            widget->setProperty(DesignedWidth, designed);
        }
        fit(widget, designed.toInt());
    }
}

namespace {

class WindowFitter final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow())
                fitWindow(widget);
        }
        return false;
    }
};

}

void fitWindowsWhenShown()
{
    static QPointer<WindowFitter> fitter;
    if (!fitter) {
        fitter = new WindowFitter(qApp);
        qApp->installEventFilter(fitter);
    }
}

}
