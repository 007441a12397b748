#include "printing/StockPictures.h"

#include "printing/ImagePage.h"
#include "printing/PageBuilders.h"

#include <QCoreApplication>
#include <QDate>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

// The context of the texts on the pictures.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(StockPictures)
};

constexpr int cardWidth = 515;
constexpr int cardHeight = 365;
constexpr QSize sampleSize(130, 180);
constexpr int sampleDetail = 4;  // samples are drawn larger, then reduced smoothly

// The emblem in the middle of a back panel: a stamp-like frame with a
// small card and the program's name, drawn upright around (0, 0).
void drawEmblem(QPainter& painter)
{
    const QColor ink(70, 90, 130);
    painter.setPen(QPen(ink, 2));
    painter.setBrush(QColor(245, 247, 252));
    painter.drawRoundedRect(QRectF(-80, -36, 160, 72), 10, 10);

    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(QColor(255, 236, 160));
    painter.drawRect(QRectF(-68, -22, 40, 28));
    painter.setBrush(QColor(120, 170, 90));
    QPainterPath hill;
    hill.moveTo(-68, 6);
    hill.quadTo(-48, -14, -28, 6);
    painter.drawPath(hill);

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(20);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QRectF(-22, -24, 98, 30), Qt::AlignCenter, QStringLiteral("Prentvel"));
    font.setPixelSize(11);
    font.setBold(false);
    painter.setFont(font);
    painter.drawText(QRectF(-76, 10, 152, 20), Qt::AlignCenter, Text::tr("prentkaart 148 x 105 mm"));
}

QImage backPanel(double turnDegrees, int scale)
{
    scale = std::clamp(scale, 1, 8);
    QImage image(cardWidth * scale, cardHeight * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    painter.translate(cardWidth / 2.0, cardHeight / 2.0);
    painter.rotate(turnDegrees);
    drawEmblem(painter);
    return image;
}

// A made-up address book to fill the list and label samples.
AddressBook sampleBook(int size)
{
    static const char* const names[] = {"de Vries", "Jansen", "Bakker", "Visser", "Smit",
                                        "Meijer", "de Boer", "Mulder", "Bos", "Vos"};
    static const char* const streets[] = {"Kerkstraat", "Dorpsweg", "Molenlaan", "Stationsplein",
                                          "Lindelaan", "Havenkade", "Beukenhof"};
    static const char* const towns[] = {"Utrecht", "Zwolle", "Leiden", "Delft", "Assen", "Breda"};
    AddressBook book;
    book.senderLine = QStringLiteral("Afzender");
    for (int i = 0; i < size; ++i) {
        AddressRecord record;
        record.naam = QStringLiteral("%1. %2").arg(QChar('A' + i % 26)).arg(QLatin1String(names[i % 10]));
        record.adres = QStringLiteral("%1 %2").arg(QLatin1String(streets[i % 7])).arg(3 + i * 7 % 90);
        record.postcodeWoonplaats = QStringLiteral("%1 AB %2").arg(1000 + i * 137 % 9000).arg(QLatin1String(towns[i % 6]));
        record.land = QStringLiteral("Nederland");
        book.records.append(record);
    }
    return book;
}

// A plain landscape standing in for the card on the calendar sample.
QImage sampleCard()
{
    QImage card(cardWidth, cardHeight, QImage::Format_RGB32);
    card.fill(QColor(170, 205, 240));
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 215, 80));
    painter.drawEllipse(QPointF(400, 90), 45, 45);
    painter.setBrush(QColor(110, 170, 90));
    painter.drawEllipse(QRectF(-120, 220, 520, 300));
    painter.setBrush(QColor(80, 140, 70));
    painter.drawEllipse(QRectF(200, 250, 480, 300));
    return card;
}

ImagePage sampleSheet()
{
    return ImagePage(sampleSize * sampleDetail);
}

QImage reduced(const ImagePage& page, int scale)
{
    return page.image().scaled(sampleSize * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage envelopeSample(int scale)
{
    ImagePage page = sampleSheet();
    PrintEnvelop(page);
    return reduced(page, scale);
}

QImage calendarSample(int scale)
{
    ImagePage page = sampleSheet();
    page.setUnit(PrinterPage::Unit::Twips);
    PrintKalender(page, QDate::currentDate().year(), sampleCard());
    QImage sample = reduced(page, scale);
    // The print window writes the year itself at the top of the sample.
    QPainter(&sample).fillRect(QRect(30 * scale, 0, 70 * scale, 14 * scale), Qt::white);
    return sample;
}

QImage listSample(int scale)
{
    ImagePage page = sampleSheet();
    PrintAdresLijst(page, sampleBook(40));
    return reduced(page, scale);
}

QImage labelSample(int scale)
{
    ImagePage page = sampleSheet();
    const LabelSettings settings;
    // Faint label outlines under the addresses, so the sheet reads as labels.
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 3; ++column) {
            const double x = settings.left - 6 + settings.width * column;
            const double y = settings.top - 7 + settings.height * row;
            page.drawRectangle(x, y, x + settings.width - 2, y + settings.height - 2, QColor(190, 190, 190));
        }
    PrintEtiketten(page, sampleBook(21), settings);
    return reduced(page, scale);
}

}

namespace StockPictures {

// Drawn each time, so the emblem's text follows the language.
QImage Achterkant(int scale)
{
    return backPanel(180, scale);
}

QImage Portret(int scale)
{
    return backPanel(-90, scale);
}

QImage Img(int index, int scale)
{
    scale = std::clamp(scale, 1, sampleDetail);
    switch (index) {
    case EnvelopSample:
        return envelopeSample(scale);
    case KalenderSample:
        return calendarSample(scale);
    case AdresLijstSample:
        return listSample(scale);
    case EtikettenSample:
        return labelSample(scale);
    default:
        return QImage();
    }
}

}
