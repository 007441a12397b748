#include "printing/LabelSettingsInput.h"

#include "platform/LabelSheetStart.h"
#include "platform/Rounding.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

namespace LabelSettingsInput {

namespace {
// The context of the refusals.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LabelSettingsInput)
};

const QRegularExpression plainDecimal(QStringLiteral("^[0-9]*[.,]?[0-9]*$"));
}

std::optional<double> number(const QString& text)
{
    QString plain = text.trimmed();
    if (plain.size() > MaxLength || !plain.contains(QRegularExpression(QStringLiteral("[0-9]")))
        || !plainDecimal.match(plain).hasMatch())
        return std::nullopt;
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    // The box shows the stored value again, in its shortest form (".125").
    if (!ok || LabelSheetStart::boxText(value).size() > MaxLength)
        return std::nullopt;
    return value;
}

bool keepsTypedText(const QString& text)
{
    // While typing, what can still become a number stays: ".", "0,", "12.".
    return text.size() <= MaxLength && plainDecimal.match(text.trimmed()).hasMatch();
}

std::variant<Values, QString> read(const QString& left, const QString& top, const QString& width,
                                   const QString& height, const QString& perSheet)
{
    const auto a = number(left);
    const auto b = number(top);
    const auto c = number(width);
    const auto d = number(height);
    if (!a || !b || !c || !d)
        return Text::tr("Vul bij A, B, C en D een getal in.");

    Values values;
    values.left = *a;
    values.top = *b;
    values.width = *c;
    values.height = int(roundHalfEven(*d));
    // A label without width or height would put every label on the same spot.
    if (values.width <= 0 || values.height <= 0)
        return Text::tr("De breedte (C) en de hoogte (D) van een etiket moeten groter dan 0 zijn.");

    bool ok = false;
    const int count = perSheet.trimmed().toInt(&ok);
    if (!ok || count < 1 || count > 255)
        return Text::tr("Het aantal etiketten per vel moet een heel getal van 1 tot 255 zijn.");
    values.perSheet = count;
    return values;
}

}
