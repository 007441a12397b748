#pragma once
// Start values of the label sheet geometry (millimetres) and labels per sheet,
// shared by the editor state and the remembered settings.
namespace LabelSheetStart {
constexpr double Left = 12;
constexpr double Top = 20;
constexpr double Width = 66;
constexpr double Height = 38;
constexpr int PerSheet = 21;
}
