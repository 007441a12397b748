#pragma once
// The drawing shared by the printer and image pages: converts page units to
// device pixels and draws with a QPainter that the subclass supplies.
#include "printing/PrinterPage.h"

#include <QPainter>

class PainterPage : public PrinterPage {
public:
    void setUnit(Unit unit) override { unit_ = unit; }
    void setFont(const QString& name, double pointSize, bool bold) override;
    void setTextColor(const QColor& color) override { textColor_ = color; }
    void setPosition(double x, double y) override;
    void printText(const QString& text) override;
    void drawLine(double x1, double y1, double x2, double y2, const QColor& color) override;
    void drawRectangle(double x1, double y1, double x2, double y2, const QColor& color) override;
    void drawPicture(const QImage& image, double x, double y, double width, double height) override;
    void setTransparentTextBackground() override;

protected:
    // The painter of the current page, or null when nothing can be drawn.
    virtual QPainter* painter() = 0;
    // Device pixels per inch, horizontally and vertically.
    virtual double dpiX() const = 0;
    virtual double dpiY() const = 0;
    // Prepares a fresh painter with the page's drawing defaults.
    void preparePainter(QPainter& painter) const;

private:
    double toX(double value) const;
    double toY(double value) const;

    Unit unit_ = Unit::Millimetres;
    QString fontName_ = QStringLiteral("Arial");
    double pointSize_ = 10;
    bool bold_ = false;
    QColor textColor_ = Qt::black;
    double x_ = 0;
    double y_ = 0;
};
