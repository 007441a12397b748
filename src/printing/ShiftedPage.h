#pragma once
// Pages that move everything drawn on them before passing it on to another
// page: MovedPage forwards and moves by what its subclass says; ShiftedPage is
// the printer alignment, MirroredPage places the backs of a two-sided sheet.
#include "printing/PrinterPage.h"

class MovedPage : public PrinterPage {
public:
    explicit MovedPage(PrinterPage& target) : target_(target) {}

    void setPageSetup(const PageSetup& setup) override { target_.setPageSetup(setup); }
    void setUnit(Unit unit) override { target_.setUnit(unit); }
    void setCopies(int copies) override { target_.setCopies(copies); }
    bool printsCopies() const override { return target_.printsCopies(); }
    void setFont(const QString& name, double pointSize, bool bold) override { target_.setFont(name, pointSize, bold); }
    void setTextColor(const QColor& color) override { target_.setTextColor(color); }
    void setPosition(double x, double y) override { target_.setPosition(x + dx(), y + dy()); }
    void printText(const QString& text) override { target_.printText(text); }
    void drawLine(double x1, double y1, double x2, double y2, const QColor& color) override;
    void drawRectangle(double x1, double y1, double x2, double y2, const QColor& color) override;
    void drawPicture(const QImage& image, double x, double y, double width, double height) override;
    void setTransparentTextBackground() override { target_.setTransparentTextBackground(); }
    void newPage() override { target_.newPage(); }
    void endDocument() override { target_.endDocument(); }
    void beginCard(const QRectF& card) override { target_.beginCard(card.translated(dx(), dy())); }
    QMarginsF paperMargins() const override { return target_.paperMargins(); }
    bool printBothSides(bool landscape) override { return target_.printBothSides(landscape); }
    bool failed() const override { return target_.failed(); }
    bool startAnotherJob() override { return target_.startAnotherJob(); }

protected:
    // How far the next drawing moves, in the page's unit.
    virtual double dx() const = 0;
    virtual double dy() const = 0;

private:
    PrinterPage& target_;
};

// The printer alignment: everything moves a fixed distance in mm. The shift
// follows the unit the builders set, so the calendar (in twips) moves as far
// as the other sheets. It is measured on a portrait sheet as it leaves the
// printer; on a landscape page (turned a quarter counter-clockwise on the
// sheet, as printers print landscape) it turns with the page, so it moves the
// print the same way on the paper.
class ShiftedPage : public MovedPage {
public:
    // Positive x moves to the right, positive y down.
    ShiftedPage(PrinterPage& target, double xMillimetres, double yMillimetres);

    void setPageSetup(const PageSetup& setup) override;
    void setUnit(Unit unit) override;

protected:
    double dx() const override;
    double dy() const override;

private:
    double xMillimetres_;
    double yMillimetres_;
    Unit unit_ = Unit::Millimetres;
    bool landscape_ = false;
};

// The backs of a two-sided sheet, drawn where the fronts are: each card moves
// as a whole, upright, to the place that lies behind it once the sheet is
// turned over the page's vertical axis, so the cards' places mirror left to
// right about the paper's centre line. Everything on a back belongs to a card
// (beginCard); the page's unit is millimetres.
class MirroredPage : public MovedPage {
public:
    // `axis`: the paper's vertical centre line in page coordinates (half the
    // paper's width less the left margin the origin lies inside).
    MirroredPage(PrinterPage& target, double axis) : MovedPage(target), axis_(axis) {}

    void beginCard(const QRectF& card) override;

protected:
    double dx() const override { return shift_; }
    double dy() const override { return 0; }

private:
    double axis_;
    double shift_ = 0;
};
