#include "printing/SheetPicture.h"

#include "printing/PainterPage.h"

#include <QList>
#include <QPageLayout>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

const QColor Background(150, 150, 150);
const QColor Shadow(110, 110, 110);
constexpr double Gap = 5;            // logical pixels around and between the sheets
constexpr double TrimmedOpacity = 0.3;

// Where the sheets lie in the picture, in device pixels.
struct SheetPlaces {
    double perMillimetre = 1;
    QSizeF sheet;          // one sheet's size
    QList<QPointF> corners;
};

SheetPlaces placeSheets(const QSizeF& millimetres, const QSizeF& area, double gap, int count)
{
    const bool stacked = count == 2 && millimetres.width() > millimetres.height();
    const int across = count == 2 && !stacked ? 2 : 1;
    const int down = stacked ? 2 : 1;
    SheetPlaces places;
    places.perMillimetre = std::min((area.width() - (across + 1) * gap) / (across * millimetres.width()),
                                    (area.height() - (down + 1) * gap) / (down * millimetres.height()));
    places.sheet = millimetres * places.perMillimetre;
    const QSizeF group(across * places.sheet.width() + (across - 1) * gap,
                       down * places.sheet.height() + (down - 1) * gap);
    const QPointF start((area.width() - group.width()) / 2, (area.height() - group.height()) / 2);
    for (int i = 0; i < count; ++i)
        places.corners.append(start + QPointF(stacked ? 0 : i * (places.sheet.width() + gap),
                                              stacked ? i * (places.sheet.height() + gap) : 0));
    return places;
}

// Records the job's pages on transparent canvases of the sheet's size with
// `overhang` device pixels around it, so that what the job draws beyond the
// sheet's edges is kept. The resolution is fixed by the first page set-up:
// all sheets of the job fit the picture at it.
class SheetPage : public PainterPage {
public:
    SheetPage(QSizeF area, double overhang, int sheets) : area_(area), overhang_(overhang), sheets_(sheets)
    {
        setPageSetup(PageSetup{});
    }

    void setPageSetup(const PageSetup& setup) override
    {
        if (!pages_.isEmpty())
            return;
        millimetres_ = QPageLayout(setup.paper, setup.orientation, QMarginsF()).fullRect(QPageLayout::Millimeter).size();
        places_ = placeSheets(millimetres_, area_, overhang_, sheets_);
    }
    void setCopies(int) override {}
    // The fronts and the backs as one job shows them, without asking to turn the sheets.
    bool printBothSides(bool) override { return true; }
    void newPage() override
    {
        painter();   // an empty page is a page too
        painter_.reset();
        pages_.append(QImage());
    }
    void endDocument() override { painter_.reset(); }

    const SheetPlaces& places() const { return places_; }
    // Page `index` as drawn, null when the job drew none there.
    QImage page(int index) const { return pages_.value(index); }

protected:
    QPainter* painter() override
    {
        if (pages_.isEmpty())
            pages_.append(QImage());
        if (!painter_) {
            QImage& canvas = pages_.last();
            if (canvas.isNull()) {
                const QSizeF size = places_.sheet + QSizeF(2 * overhang_, 2 * overhang_);
                canvas = QImage(size.toSize().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
                canvas.fill(Qt::transparent);
            }
            painter_ = std::make_unique<QPainter>(&canvas);
            painter_->setRenderHint(QPainter::Antialiasing);
            painter_->translate(overhang_, overhang_);
            preparePainter(*painter_);
        }
        return painter_.get();
    }
    double dpiX() const override { return places_.perMillimetre * 25.4; }
    double dpiY() const override { return places_.perMillimetre * 25.4; }

private:
    QSizeF area_;
    double overhang_;
    int sheets_;
    QSizeF millimetres_;
    SheetPlaces places_;
    QList<QImage> pages_;
    std::unique_ptr<QPainter> painter_;
};

}

QImage sheetPicture(const SheetJob& job, QSize size, qreal ratio, bool twoSides, const QMarginsF& unprintable)
{
    QImage picture(QSize(int(std::ceil(size.width() * ratio)), int(std::ceil(size.height() * ratio))),
                   QImage::Format_RGB32);
    picture.fill(Background);
    const double gap = Gap * ratio;
    const int sheets = twoSides ? 2 : 1;
    SheetPage page(QSizeF(picture.size()), gap, sheets);
    job(page);
    page.endDocument();

    const SheetPlaces& places = page.places();
    const QMarginsF unprintablePixels = unprintable * places.perMillimetre;
    QPainter p(&picture);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < sheets; ++i) {
        const QRectF sheet(places.corners[i], places.sheet);
        p.fillRect(sheet.translated(ratio, ratio), Shadow);
        p.fillRect(sheet, Qt::white);
        const QImage drawn = page.page(i);
        if (drawn.isNull())
            continue;
        const QPointF origin = sheet.topLeft() - QPointF(gap, gap);
        const QRect printed = sheet.marginsRemoved(unprintablePixels).toAlignedRect();
        // What the printer leaves out, faintly; then the printed part itself.
        p.setClipRegion(QRegion(picture.rect()) - QRegion(printed));
        p.setOpacity(TrimmedOpacity);
        p.drawImage(origin, drawn);
        p.setClipRect(printed);
        p.setOpacity(1);
        p.drawImage(origin, drawn);
        p.setClipping(false);
    }
    p.end();
    picture.setDevicePixelRatio(ratio);
    return picture;
}
