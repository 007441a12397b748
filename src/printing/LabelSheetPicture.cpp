#include "printing/LabelSheetPicture.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// The context of the pictures' explanations.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LabelSheetPicture)
};

const QColor ArrowRed(200, 0, 0);

// A measuring arrow with a head at both ends.
void drawMeasure(QPainter& p, QPointF from, QPointF to)
{
    p.setPen(QPen(ArrowRed, 1.2));
    p.drawLine(from, to);
    const QPointF along = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF across(-along.y(), along.x());
    p.setBrush(ArrowRed);
    p.setPen(Qt::NoPen);
    for (const auto& [tip, back] : {std::pair{from, along}, std::pair{to, -along}}) {
        const QPointF base = tip + back * 6;
        p.drawPolygon(QPolygonF({tip, base + across * 2.5, base - across * 2.5}));
    }
}

void drawLetter(QPainter& p, const QString& letter, QPointF centre)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(ArrowRed);
    p.drawText(QRectF(centre.x() - 8, centre.y() - 8, 16, 16), Qt::AlignCenter, letter);
}

// A picture of `size` on the window's grey.
QImage blankPicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(236, 236, 236));
    return image;
}

// Starts `p` on `image`, antialiased and scaled from a drawing made for `design` units.
void beginDrawing(QPainter& p, QImage& image, QSizeF design)
{
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(image.width() / design.width(), image.height() / design.height());
}

// A thin dotted guide from an edge to its arrow.
void drawGuide(QPainter& p, QPointF from, QPointF to)
{
    p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
    p.drawLine(from, to);
}

}

QImage labelSheetPicture(QSize size)
{
    QImage image = blankPicture(size);
    QPainter p;
    beginDrawing(p, image, QSizeF(240, 260));

    const QPointF corner(38, 38);
    const QRectF labelOne(48, 50, 116, 88);
    const QRectF labelTwo = labelOne.translated(0, 94);
    const QPointF text(58, 62);

    // The sheet and its shadow.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(QRectF(corner + QPointF(3, 3), QPointF(240, 260)));
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawRect(QRectF(corner, QPointF(241, 261)));

    // Two labels with a sample address each.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    font.setBold(true);
    const QStringList lines = {QStringLiteral("J. de Vries"), QStringLiteral("Dorpsstraat 12"),
                               QStringLiteral("1234 AB Ergens")};
    for (const QRectF& label : {labelOne, labelTwo}) {
        p.setPen(QPen(QColor(120, 120, 160), 1));
        p.setBrush(QColor(250, 250, 235));
        p.drawRoundedRect(label, 8, 8);
        p.setFont(font);
        p.setPen(Qt::black);
        for (int i = 0; i < lines.size(); ++i)
            p.drawText(QRectF(text.x(), label.top() + 12 + 16 * i, 110, 16), Qt::AlignLeft | Qt::AlignTop, lines[i]);
    }

    // A: the sheet's left edge to the text; B: the top edge to the text.
    drawGuide(p, QPointF(corner.x(), corner.y()), QPointF(corner.x(), 14));
    drawGuide(p, QPointF(text.x(), text.y()), QPointF(text.x(), 14));
    drawMeasure(p, QPointF(corner.x(), 20), QPointF(text.x(), 20));
    drawLetter(p, QStringLiteral("A"), QPointF((corner.x() + text.x()) / 2, 8));
    drawGuide(p, QPointF(corner.x(), corner.y()), QPointF(14, corner.y()));
    drawGuide(p, QPointF(text.x(), text.y()), QPointF(14, text.y()));
    drawMeasure(p, QPointF(20, corner.y()), QPointF(20, text.y()));
    drawLetter(p, QStringLiteral("B"), QPointF(8, (corner.y() + text.y()) / 2));

    // C: the width of a label; D: the height of a label.
    drawMeasure(p, QPointF(labelTwo.left(), labelTwo.bottom() + 10), QPointF(labelTwo.right(), labelTwo.bottom() + 10));
    drawLetter(p, QStringLiteral("C"), QPointF(labelTwo.center().x(), labelTwo.bottom() + 20));
    drawMeasure(p, QPointF(labelOne.right() + 14, labelOne.top()), QPointF(labelOne.right() + 14, labelTwo.top()));
    drawLetter(p, QStringLiteral("D"), QPointF(labelOne.right() + 28, (labelOne.top() + labelTwo.top()) / 2));
    return image;
}

QImage alignmentPicture(QSize size)
{
    QImage image = blankPicture(size);
    QPainter p;
    beginDrawing(p, image, QSizeF(240, 80));

    // A sheet corner with the print where it should be (grey) and moved (black).
    const QPointF corner(12, 4);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(corner, QPointF(90, 81)));
    const QPointF meant(36, 38);
    const QPointF moved = meant + QPointF(16, 14);
    p.setPen(QPen(QColor(160, 160, 160), 1));
    p.drawLine(meant - QPointF(6, 0), meant + QPointF(6, 0));
    p.drawLine(meant - QPointF(0, 6), meant + QPointF(0, 6));
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(moved - QPointF(6, 0), moved + QPointF(6, 0));
    p.drawLine(moved - QPointF(0, 6), moved + QPointF(0, 6));
    drawMeasure(p, meant + QPointF(0, -10), QPointF(moved.x(), meant.y() - 10));
    drawLetter(p, QStringLiteral("X"), QPointF((meant.x() + moved.x()) / 2, meant.y() - 19));
    drawMeasure(p, meant + QPointF(-10, 0), QPointF(meant.x() - 10, moved.y()));
    drawLetter(p, QStringLiteral("Y"), QPointF(meant.x() - 19, (meant.y() + moved.y()) / 2));

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(10);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(98, 8, 140, 70), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
               Text::tr("Verschuiving in mm:\nX groter: alles naar rechts\nY groter: alles naar beneden\n"
                        "Meet het met het Testvel."));
    return image;
}
