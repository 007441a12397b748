#pragma once
// What the label settings window accepts as typed input.
#include <QString>

#include <optional>
#include <variant>

namespace LabelSettingsInput {

// The number a text box holds: a decimal with a point or a comma, optional
// sign and exponent, spaces around it ignored, no larger than 9999 either way.
// Nothing for anything else.
std::optional<double> number(const QString& text);

// Whether a text box may keep what was typed: empty, or a number of at most
// four characters. Anything else is emptied at once.
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
