#include "editor/TextOperation.h"

namespace {
constexpr int QuarterTurn = 900; // tenths of a degree
}

TextOperation::TextOperation(QString text, TextFont font, TextInk ink, bool vertical, QPoint at)
    : text_(std::move(text)), font_(std::move(font)), ink_(ink), vertical_(vertical), at_(at)
{
}

QString TextOperation::name() const
{
    return QStringLiteral("Tekst %1").arg(text_);
}

void TextOperation::draw(CardSurface& card, const ProgressDisplays&) const
{
    if (vertical_)
        MaakTekstVertikaal(card, text_, font_, QuarterTurn, at_.x(), at_.y(), ink_);
    else
        MaakTekst(card, font_, ink_, double(at_.x()), double(at_.y()), text_);
}
