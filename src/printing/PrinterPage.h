#pragma once
// The page surface every page builder draws on. The program draws on a
// printer or an image; tests record the calls.
#include "printing/PageSetup.h"

#include <QColor>
#include <QImage>
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
};
