#pragma once
// Start values of the label sheet geometry (millimetres) and labels per sheet,
// shared by the print settings and the remembered settings, and how a length
// is shown in the label settings' four-character boxes.
#include <QString>

namespace LabelSheetStart {
constexpr double Left = 12;
constexpr double Top = 20;
constexpr double Width = 66;
constexpr double Height = 38;
constexpr int PerSheet = 21;

// The shortest text of a length: ".125" rather than "0.125".
inline QString boxText(double value)
{
    QString text = QString::number(value);
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    return text;
}
}
