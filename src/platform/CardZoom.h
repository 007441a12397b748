#pragma once
// The zoom of the card view, in whole percents: the steps of "Inzoomen" and
// "Uitzoomen", the zoom that fits the card into its panel, and the scroll
// position that keeps one card point under the pointer while zooming.
#include <QSize>
#include <array>

namespace CardZoom {

// The choice "Passend in venster": the zoom follows the panel.
constexpr int Fit = 0;
constexpr int Smallest = 100;
constexpr int Largest = 400;
constexpr std::array<int, 5> Steps{100, 150, 200, 300, 400};

// The next step above `percent` (Largest at the top), or below it (Smallest at the bottom).
int stepIn(int percent);
int stepOut(int percent);
// Any zoom brought into Smallest..Largest.
int bounded(int percent);
// The largest whole percent at which `card` fits into `panel`, within Smallest..Largest.
int fitting(QSize card, QSize panel);
// A remembered choice: Fit, or a zoom within Smallest..Largest; anything else is Fit.
int validChoice(int choice);

// The scroll value that shows the card coordinate `card` (card pixels, along
// one axis) at `viewport` (pixels from the viewport's edge) at `percent`.
int anchoredScroll(double card, double viewport, int percent);

}
