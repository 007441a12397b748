#pragma once
// A printer page that draws A4 sheets onto images, for previews and samples.
// The whole sheet (210 x 297 mm) maps onto the image size; every new page
// starts a fresh white image.
#include "printing/PainterPage.h"

#include <QList>
#include <QSize>

#include <memory>

class ImagePage : public PainterPage {
public:
    explicit ImagePage(QSize pixelSize);
    ~ImagePage() override;

    // The pages drawn so far, the first one always present.
    const QList<QImage>& pages() const;
    const QImage& image() const { return pages().first(); }

    void setCopies(int) override {}
    void newPage() override;
    void endDocument() override;

protected:
    QPainter* painter() override;
    double dpiX() const override;
    double dpiY() const override;

private:
    void finishPainting() const;

    QSize size_;
    mutable QList<QImage> pages_;
    mutable std::unique_ptr<QPainter> painter_;
};
