// Cards on postcard paper: one card on a sheet of its own size, or four on a
// perforated A4 sheet; picture sides or address sides.
#include "printing/PageBuilders.h"
#include "printing/PageText.h"

#include <algorithm>
#include <cmath>

using PageText::AddressCells;

namespace {

// An address side as the two-card sheet places it, relative to the card's
// top-left corner at CardPrintSize: the recipient block and the sender line.
constexpr double recipientX = 105 - 27;
constexpr double recipientY = 88.5 - 39;
constexpr double lineStep = 11.5;
constexpr double senderX = 33 - 27;
constexpr double senderY = 122.3 - 39;
constexpr double addressPoints = 11;

// The part of `image` that lies in `part` when the whole image covers `whole`.
QImage cropped(const QImage& image, const QRectF& whole, const QRectF& part)
{
    if (part.contains(whole) || whole.isEmpty())
        return image;
    const double sx = image.width() / whole.width();
    const double sy = image.height() / whole.height();
    const QRect pixels = QRectF((part.x() - whole.x()) * sx, (part.y() - whole.y()) * sy, part.width() * sx,
                                part.height() * sy)
                             .toAlignedRect()
                             .intersected(image.rect());
    return image.copy(pixels);
}

void drawPart(PrinterPage& page, const QImage& card, const QRectF& whole, const QRectF& printed)
{
    page.drawPicture(cropped(card, whole, printed), printed.x(), printed.y(), printed.width(), printed.height());
}

QSizeF shapeOf(const QImage& card)
{
    return card.isNull() ? QSizeF(CardPrintSize::width, CardPrintSize::height) : QSizeF(card.size());
}

// The recipient and the sender on a card drawn at `card`, scaled with it.
void printAddress(PrinterPage& page, const QRectF& card, const AddressCells& recipient, const QString& sender)
{
    const double scale = card.width() / CardPrintSize::width;
    page.setTransparentTextBackground();
    page.setFont(PageText::arial, addressPoints * scale, true);
    page.setTextColor(PageText::black);
    for (int i = 0; i < int(recipient.size()); ++i)
        PageText::printAt(page, card.x() + recipientX * scale, card.y() + (recipientY + lineStep * i) * scale,
                          recipient[i]);
    PageText::printAt(page, card.x() + senderX * scale, card.y() + senderY * scale, sender);
}

}

QRectF coverRect(const QSizeF& shape, const QRectF& target)
{
    const double scale = std::max(target.width() / shape.width(), target.height() / shape.height());
    QRectF rect(0, 0, shape.width() * scale, shape.height() * scale);
    rect.moveCenter(target.center());
    return rect;
}

QRectF fitRect(const QSizeF& shape, const QRectF& area, const QPointF& centre)
{
    const double halfWidth = std::min(centre.x() - area.left(), area.right() - centre.x());
    const double halfHeight = std::min(centre.y() - area.top(), area.bottom() - centre.y());
    const double scale = std::max(0.0, std::min(2 * halfWidth / shape.width(), 2 * halfHeight / shape.height()));
    QRectF rect(0, 0, shape.width() * scale, shape.height() * scale);
    rect.moveCenter(centre);
    return rect;
}

CardOnSheet singleCardPlace(const QSizeF& shape, const PostcardPage& paper)
{
    const QRectF sheet(QPointF(0, 0), paper.sheet);
    if (paper.borderless) {
        const QRectF bled = sheet.adjusted(-PostcardBleed, -PostcardBleed, PostcardBleed, PostcardBleed);
        return {coverRect(shape, bled), bled};
    }
    const QRectF card = fitRect(shape, sheet.marginsRemoved(paper.margins), sheet.center());
    return {card, card};
}

std::array<QRectF, 4> perforatedSlots(const QSizeF& sheet)
{
    const QSizeF slot(sheet.width() / 2, sheet.height() / 2);
    return {QRectF(QPointF(0, 0), slot), QRectF(QPointF(slot.width(), 0), slot),
            QRectF(QPointF(0, slot.height()), slot), QRectF(QPointF(slot.width(), slot.height()), slot)};
}

void PrintKaartpapier(PrinterPage& page, const QImage& card, const PostcardPage& paper,
                      const std::optional<AddressBook>& book, const QString& naam)
{
    const CardOnSheet place = singleCardPlace(shapeOf(card), paper);
    page.beginCard(place.card);
    drawPart(page, card, place.card, place.printed);
    if (book)
        printAddress(page, place.card, PageText::recipientCells(*book, naam), book->senderLine);
}

void PrintVierKaarten(PrinterPage& page, const QImage& card, const PostcardPage& paper,
                      const std::optional<AddressBook>& book, const QStringList& names)
{
    const auto slots = perforatedSlots(paper.sheet);
    for (int i = 0; i < 4; ++i) {
        const QRectF whole = coverRect(shapeOf(card), slots[i]);
        page.beginCard(whole);
        drawPart(page, card, whole, slots[i]);
        if (book)
            printAddress(page, whole, PageText::recipientCells(*book, names.value(i)), book->senderLine);
    }
}
