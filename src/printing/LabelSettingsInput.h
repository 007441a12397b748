#pragma once
// What the label settings window accepts as typed input.
#include <QString>

#include <optional>
#include <variant>

namespace LabelSettingsInput {

// The longest text a box keeps.
constexpr int MaxLength = 4;

// The number a text box holds: digits with at most one decimal point or comma,
// spaces around them ignored, that fit in four characters both as typed and as
// the number is shown again (".125" for 0.125). Nothing for anything else
// (signs, exponents, a point without digits).
std::optional<double> number(const QString& text);

// Whether a text box may keep what was typed: at most four characters that
// are, or can still become, a number ("." on the way to ".125"). Anything
// else is emptied at once; the whole value is checked when it is stored.
bool keepsTypedText(const QString& text);

// The five settings as they are stored.
struct Values {
    double left = 0;
    double top = 0;
    double width = 0;
    int height = 0;
    int perSheet = 0;
};

// Reads the four boxes A to D and the labels-per-sheet text. Gives the values,
// or the message that says why they cannot be stored.
std::variant<Values, QString> read(const QString& left, const QString& top, const QString& width,
                                   const QString& height, const QString& perSheet);

}
