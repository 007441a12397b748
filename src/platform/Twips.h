#pragma once
// Window geometry is designed in twips: 15 to a logical pixel.
#include "platform/Rounding.h"

#include <QWidget>

constexpr int TwipsPerPixel = 15;

inline int twipsToPixels(double twips)
{
    return int(roundHalfEven(twips / TwipsPerPixel));
}

// Places `widget` at (left, top) twips in its parent; a size of -1 keeps the
// size the control takes from its contents.
inline void placeInTwips(QWidget* widget, double left, double top, double width = -1, double height = -1)
{
    if (width < 0 || height < 0) {
        widget->adjustSize();
        const QSize natural = widget->size();
        widget->resize(width < 0 ? natural.width() : twipsToPixels(width),
                       height < 0 ? natural.height() : twipsToPixels(height));
    } else {
        widget->resize(twipsToPixels(width), twipsToPixels(height));
    }
    widget->move(twipsToPixels(left), twipsToPixels(top));
}

// A plain background colour for a label or panel.
inline void setBackground(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    palette.setColor(QPalette::Button, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

inline void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}
