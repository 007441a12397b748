#include "platform/DrawingState.h"

#include <algorithm>
#include <cmath>

QFont DrawingState::font() const
{
    QFont f(fontName);
    f.setPointSizeF(fontSize > 0 && std::isfinite(fontSize) ? std::min(fontSize, 2000.0) : 8.25);
    f.setBold(fontBold);
    f.setItalic(fontItalic);
    f.setUnderline(fontUnderline);
    return f;
}
