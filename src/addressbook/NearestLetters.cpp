#include "addressbook/NearestLetters.h"

#include "addressbook/Contacts.h"
#include "addressbook/Windows1252.h"

#include <QList>

#include <algorithm>
#include <array>

namespace {

struct Replacement {
    char32_t from;
    const char* to;
};

// Letters and signs that no decomposition turns into something the code page has.
constexpr std::array<Replacement, 36> ownReplacements = {{
    {U'Ł', "L"}, {U'ł', "l"}, {U'Đ', "D"}, {U'đ', "d"}, {U'Ħ', "H"}, {U'ħ', "h"}, {U'ı', "i"},
    {U'Ŀ', "L"}, {U'ŀ', "l"}, {U'ĸ', "k"}, {U'Ŧ', "T"}, {U'ŧ', "t"}, {U'Ŋ', "N"}, {U'ŋ', "n"},
    {U'ŉ', "'n"}, {U'Ə', "E"}, {U'ə', "e"}, {U'Ɛ', "E"}, {U'ɛ', "e"}, {U'Ɔ', "O"}, {U'ɔ', "o"},
    {U'Ɨ', "I"}, {U'ɨ', "i"}, {U'ẞ', "SS"}, {U'Ø', "O"}, {U'ø', "o"},
    {U'\u2010', "-"}, {U'\u2011', "-"}, {U'\u2012', "-"}, {U'\u2212', "-"}, {U'\u2015', "-"},
    {U'\u201B', "'"}, {U'\u2032', "'"}, {U'\u201F', "\""}, {U'\u2033', "\""}, {U'\u202F', " "},
}};

const Replacement* ownReplacement(char32_t c)
{
    for (const Replacement& replacement : ownReplacements) {
        if (replacement.from == c)
            return &replacement;
    }
    return nullptr;
}

bool canHoldAll(const QString& text)
{
    for (const char32_t c : text.toUcs4()) {
        if (!NearestLetters::canHold(c))
            return false;
    }
    return !text.isEmpty();
}

QString withoutMarks(const QString& text)
{
    QString kept;
    for (const QChar c : text) {
        if (c.category() != QChar::Mark_NonSpacing)
            kept.append(c);
    }
    return kept;
}

QString nearest(char32_t c)
{
    // Ø and ø are in the code page; the table only speaks for those it lacks.
    if (const Replacement* replacement = ownReplacement(c); replacement && !NearestLetters::canHold(c))
        return QString::fromUtf8(replacement->to);
    if (c >= 0x2000 && c <= 0x200A)
        return QStringLiteral(" ");
    const QString character = QString::fromUcs4(&c, 1);
    // Drop accents from the last one, so that "ǘ" keeps its diaeresis as "ü".
    const QString decomposed = character.normalized(QString::NormalizationForm_D);
    for (qsizetype length = decomposed.size() - 1; length >= 1; --length) {
        const QString candidate = decomposed.left(length).normalized(QString::NormalizationForm_C);
        if (canHoldAll(candidate))
            return candidate;
    }
    const QString compatible = withoutMarks(character.normalized(QString::NormalizationForm_KD));
    return canHoldAll(compatible) ? compatible : QStringLiteral("?");
}

}

namespace NearestLetters {

bool canHold(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return true;
    if (c > 0xFFFF)
        return false;
    return Windows1252::encode(QString(QChar(static_cast<char16_t>(c)))) != "?";
}

QString unholdable(const QString& text)
{
    QString found;
    for (const char32_t c : text.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        if (!canHold(c) && !found.contains(character))
            found += character;
    }
    return found;
}

QString folded(const QString& text)
{
    QString plain;
    for (const char32_t c : text.toUcs4()) {
        if (const Replacement* replacement = ownReplacement(c))
            plain += QString::fromUtf8(replacement->to);
        else
            plain += QString::fromUcs4(&c, 1);
    }
    return withoutMarks(plain.normalized(QString::NormalizationForm_KD)).toCaseFolded();
}

}

namespace Contacts {

QString toWindows1252Letters(const QString& text)
{
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return NearestLetters::canHold(c.unicode()); }))
        return text;
    QString result;
    result.reserve(text.size());
    for (const char32_t c : text.toUcs4())
        result += NearestLetters::canHold(c) ? QString::fromUcs4(&c, 1) : nearest(c);
    return result;
}

}
