#pragma once
// A printer page that moves everything drawn on it by a fixed distance in mm
// before passing it on: the printer alignment. The shift follows the unit the
// builders set, so the calendar (in twips) moves as far as the other sheets.
// The shift is measured on a portrait sheet as it leaves the printer; on a
// landscape page (turned a quarter counter-clockwise on the sheet, as printers
// print landscape) it turns with the page, so it moves the print the same way
// on the paper.
#include "printing/PrinterPage.h"

class ShiftedPage : public PrinterPage {
public:
    // Positive x moves to the right, positive y down.
    ShiftedPage(PrinterPage& target, double xMillimetres, double yMillimetres);

    void setPageSetup(const PageSetup& setup) override;
    void setUnit(Unit unit) override;
    void setCopies(int copies) override { target_.setCopies(copies); }
    bool printsCopies() const override { return target_.printsCopies(); }
    void setFont(const QString& name, double pointSize, bool bold) override { target_.setFont(name, pointSize, bold); }
    void setTextColor(const QColor& color) override { target_.setTextColor(color); }
    void setPosition(double x, double y) override;
    void printText(const QString& text) override { target_.printText(text); }
    void drawLine(double x1, double y1, double x2, double y2, const QColor& color) override;
    void drawRectangle(double x1, double y1, double x2, double y2, const QColor& color) override;
    void drawPicture(const QImage& image, double x, double y, double width, double height) override;
    void setTransparentTextBackground() override { target_.setTransparentTextBackground(); }
    void newPage() override { target_.newPage(); }
    void endDocument() override { target_.endDocument(); }

private:
    double dx() const;
    double dy() const;

    PrinterPage& target_;
    double xMillimetres_;
    double yMillimetres_;
    Unit unit_ = Unit::Millimetres;
    bool landscape_ = false;
};
