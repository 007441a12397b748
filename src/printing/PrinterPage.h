#pragma once
// The page surface every page builder draws on. The program draws on a
// printer or an image; tests record the calls.
#include "printing/PageSetup.h"

#include <QColor>
#include <QImage>
#include <QMarginsF>
#include <QRectF>
#include <QString>

class PrinterPage {
public:
    enum class Unit { Millimetres, Twips };
    virtual ~PrinterPage() = default;
    // The paper of the job, asked before anything is drawn; a page that has
    // one fixed sheet keeps it.
    virtual void setPageSetup(const PageSetup&) {}
    virtual void setUnit(Unit unit) = 0;
    virtual void setCopies(int copies) = 0;
    // Whether the device makes the copies itself; a PDF file does not, so a
    // job for it repeats its pages once per copy.
    virtual bool printsCopies() const { return true; }
    virtual void setFont(const QString& name, double pointSize, bool bold) = 0;
    virtual void setTextColor(const QColor& color) = 0;
    virtual void setPosition(double x, double y) = 0;
    virtual void printText(const QString& text) = 0;   // top-left of the first character at the position
    virtual void drawLine(double x1, double y1, double x2, double y2, const QColor& color) = 0;
    virtual void drawRectangle(double x1, double y1, double x2, double y2, const QColor& color) = 0; // outline
    virtual void drawPicture(const QImage& image, double x, double y, double width, double height) = 0;
    virtual void setTransparentTextBackground() = 0;
    virtual void newPage() = 0;
    virtual void endDocument() = 0;

    // The picture and texts drawn next, up to the next call, belong to the
    // card whose whole picture lies at `card`. The backs of a two-sided sheet
    // move with their card (MirroredPage); other pages ignore it.
    virtual void beginCard(const QRectF& card) { Q_UNUSED(card) }
    // The unprintable border of the paper, in mm, that the page's origin lies
    // inside; none for a page that covers the whole sheet.
    virtual QMarginsF paperMargins() const { return QMarginsF(); }

    // Two-sided jobs. Asks the device to print this job's pages on both sides
    // of its sheets, turned over the long edge (portrait) or the short edge
    // (landscape); true when it will take fronts and backs alternately (a
    // duplex printer, or a PDF file to print two-sided later).
    virtual bool printBothSides(bool landscape) { Q_UNUSED(landscape) return false; }
    // Whether the job could not be printed (it did not start, or failed).
    virtual bool failed() const { return false; }
    // Ends this job and lets the next drawing start another on the same
    // device, one-sided: the second pass of sheets put back in the tray.
    // False when the device takes no second job.
    virtual bool startAnotherJob() { return false; }
};
