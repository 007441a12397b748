#pragma once
// The print windows are laid out by their outer size in twips, caption and
// borders included; Qt sizes the client area, so those are taken off here.
#include "platform/Twips.h"

#include <QWidget>

constexpr int WindowBorderPixels = 8;   // left and right border together
constexpr int WindowCaptionPixels = 34; // caption bar and both borders, top to bottom

inline void setOuterSizeInTwips(QWidget* window, double width, double height)
{
    window->setFixedSize(twipsToPixels(width) - WindowBorderPixels, twipsToPixels(height) - WindowCaptionPixels);
}

inline void setOuterHeightInTwips(QWidget* window, double height)
{
    window->setFixedHeight(twipsToPixels(height) - WindowCaptionPixels);
}
