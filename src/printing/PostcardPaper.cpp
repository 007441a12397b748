#include "printing/PostcardPaper.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>
#include <cmath>

namespace PostcardPaper {

namespace {

// The context of the paper names and the message.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PostcardPaper)
};

struct Sheet {
    Id id;
    const char* key;
    const char* caption;   // the Dutch source of the list's text
};

// 10 x 15 cm photo paper is 4 x 6 inch.
const std::array<Sheet, 2> sheets{{
    {A6, "A6", QT_TRANSLATE_NOOP("PostcardPaper", "A6 (148 x 105 mm)")},
    {TienBijVijftien, "10x15", QT_TRANSLATE_NOOP("PostcardPaper", "10 x 15 cm (102 x 152 mm)")},
}};

}

QString caption(Id paper)
{
    return Text::tr(sheets[paper].caption);
}

QStringList captions()
{
    QStringList list;
    for (const Sheet& sheet : sheets)
        list << Text::tr(sheet.caption);
    return list;
}

QString key(Id paper)
{
    return QString::fromLatin1(sheets[paper].key);
}

Id fromKey(const QString& text)
{
    for (const Sheet& sheet : sheets)
        if (text == QLatin1String(sheet.key))
            return sheet.id;
    return A6;
}

QPageSize pageSize(Id paper)
{
    if (paper == TienBijVijftien)
        return QPageSize(QSizeF(4, 6), QPageSize::Inch, QString::fromUtf8(sheets[paper].caption), QPageSize::FuzzyMatch);
    return QPageSize(QPageSize::A6);
}

}

bool isBorderlessVariant(const QPageSize& size)
{
    static const QRegularExpression borderless(QStringLiteral("borderless|\\.fb(\\b|$)"),
                                               QRegularExpression::CaseInsensitiveOption);
    return size.key().contains(borderless) || size.name().contains(borderless);
}

namespace {

// Same sheet, either way round, within half a millimetre.
bool sameSheet(const QPageSize& a, const QPageSize& b)
{
    const QSizeF x = a.size(QPageSize::Millimeter);
    const QSizeF y = b.size(QPageSize::Millimeter);
    const auto near = [](double p, double q) { return std::abs(p - q) <= 0.5; };
    return (near(x.width(), y.width()) && near(x.height(), y.height()))
        || (near(x.width(), y.height()) && near(x.height(), y.width()));
}

}

std::optional<QPageSize> choosePaper(const PaperOffer& offer, const QPageSize& wanted, bool borderless)
{
    std::optional<QPageSize> plain, variant;
    for (const QPageSize& size : offer.sizes) {
        if (!sameSheet(size, wanted))
            continue;
        std::optional<QPageSize>& slot = isBorderlessVariant(size) ? variant : plain;
        if (!slot)
            slot = size;
    }
    if (borderless && variant)
        return variant;
    if (plain)
        return plain;
    if (offer.anySize)
        return wanted;
    if (offer.customSizes)
        return QPageSize(wanted.size(QPageSize::Millimeter), QPageSize::Millimeter, wanted.name(),
                         QPageSize::ExactMatch);
    // A listed borderless variant is still the paper, when no plain one is listed.
    return variant;
}

QString missingPaperMessage(const QString& printerName, const QString& paperCaption)
{
    return PostcardPaper::Text::tr("De printer %1 heeft geen papier %2. Kies een andere printer of ander papier.")
        .arg(printerName, paperCaption);
}
