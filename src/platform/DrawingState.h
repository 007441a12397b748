#pragma once
// The drawing state of a surface: pen, fill, draw mode, font and the text
// position, as the drawing operations read them. Plain values: setting one
// draws nothing.
#include "platform/Colors.h"

#include <QFont>
#include <QString>
#include <cstdint>

struct DrawingState {
    enum class DrawMode { Copy, Invert };
    enum FillStyle { Solid = 0, Transparent = 1, HorizontalLine = 2, VerticalLine = 3,
                     UpwardDiagonal = 4, DownwardDiagonal = 5, Cross = 6, DiagonalCross = 7 };

    QString fontName = QStringLiteral("Arial");
    double fontSize = 8.25; // points, at 96 dots per inch
    bool fontBold = false;
    bool fontItalic = false;
    bool fontUnderline = false;
    std::uint32_t foreColor = 0;          // text colour and default line colour
    std::uint32_t fillColor = 0;
    int fillStyle = Transparent;
    int lineWidth = 1;
    DrawMode drawMode = DrawMode::Copy;
    double currentX = 0;                  // where the next printed text starts
    double currentY = 0;
    std::uint32_t backColor = RGB(255, 255, 255); // the colour of a cleared surface

    // The font of the drawing state, in points at 96 dpi.
    QFont font() const;
};
