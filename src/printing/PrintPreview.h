#pragma once
// The small picture of the sheet that the print window shows for each mode.
class DrawingSurface;
class QImage;

constexpr int PreviewWidth = 130;
constexpr int PreviewHeight = 180;

// Clears `preview` to its background and, for a print mode with a sample,
// draws that sample. The calendar sample carries `currentYear`.
void drawModePreview(DrawingSurface& preview, int mode, const QImage& card, int currentYear);
