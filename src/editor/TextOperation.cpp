#include "editor/TextOperation.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <algorithm>

namespace {
constexpr int QuarterTurn = 900; // tenths of a degree
}

TextOperation::TextOperation(QString text, TextFont font, TextInk ink, bool vertical, QPoint at)
    : text_(std::move(text)), font_(std::move(font)), ink_(ink), vertical_(vertical), at_(at)
{
}

QRect TextOperation::area() const
{
    // The glyphs as the card measures them: on a picture of 96 dots per inch.
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(3780);
    device.setDotsPerMeterY(3780);
    QFont face(font_.name);
    if (vertical_)
        face.setPixelSize(std::max(1, (font_.size * 96 + 36) / 72));
    else
        face.setPointSizeF(font_.size);
    face.setBold(font_.bold);
    face.setItalic(font_.italic);
    face.setUnderline(font_.underline);
    const QFontMetricsF metrics(face, &device);
    const QRectF ink = metrics.boundingRect(text_) | QRectF(0, -metrics.ascent(), metrics.horizontalAdvance(text_), metrics.height());
    // Text coordinates: the baseline at the ascent below the reference point.
    QRectF box = ink.translated(0, metrics.ascent());
    if (vertical_) // a quarter turn anticlockwise around the reference point
        box = QRectF(box.top(), -box.right(), box.height(), box.width());
    const int halo = ink_.outline ? 2 : 0;
    return box.translated(at_).toAlignedRect().adjusted(-halo, -halo, halo, halo);
}

Operation TextOperation::changed(QString text, TextFont font, TextInk ink, bool vertical) const
{
    return std::make_shared<TextOperation>(std::move(text), std::move(font), ink, vertical, at_);
}

Operation TextOperation::movedBy(QPoint distance) const
{
    return std::make_shared<TextOperation>(text_, font_, ink_, vertical_, at_ + distance);
}

QString TextOperation::name() const
{
    return QCoreApplication::translate("Main", "Tekst %1").arg(text_);
}

void TextOperation::draw(CardSurface& card, const ProgressDisplays&) const
{
    if (vertical_)
        MaakTekstVertikaal(card, text_, font_, QuarterTurn, at_.x(), at_.y(), ink_);
    else
        MaakTekst(card, font_, ink_, double(at_.x()), double(at_.y()), text_);
}

QJsonObject TextOperation::parameters(PhotoList&) const
{
    return {{"text", text_},
            {"font", font_.name},
            {"size", font_.size},
            {"bold", font_.bold},
            {"italic", font_.italic},
            {"underline", font_.underline},
            {"outline", ink_.outline},
            {"drawColour", ParameterValue::colour(Rgb::fromValue(ink_.drawColor))},
            {"fillColour", ParameterValue::colour(Rgb::fromValue(ink_.fillColor))},
            {"vertical", vertical_},
            {"at", ParameterValue::point(at_)}};
}

Operation TextOperation::read(ParameterReader& parameters)
{
    constexpr int LongestText = 10000, LongestFontName = 1000;
    const QString text = parameters.text("text", LongestText);
    TextFont font{parameters.text("font", LongestFontName), parameters.integer("size", SmallestTextSize, LargestTextSize),
                  parameters.flag("bold"), parameters.flag("italic"), parameters.flag("underline")};
    const bool outline = parameters.flag("outline");
    const TextInk ink{outline, parameters.colour("drawColour").value(), parameters.colour("fillColour").value()};
    const bool vertical = parameters.flag("vertical");
    const QPointF at = parameters.point("at");
    if (at != QPointF(at.toPoint()))
        parameters.refuse("at");
    if (!parameters.ok())
        return nullptr;
    return std::make_shared<TextOperation>(text, font, ink, vertical, at.toPoint());
}
