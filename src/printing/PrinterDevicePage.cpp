#include "printing/PrinterDevicePage.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

PrinterDevicePage::PrinterDevicePage(QPrinter& printer)
    : printer_(printer)
{
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setPageOrientation(QPageLayout::Portrait);
    printer_.setFullPage(false);
}

PrinterDevicePage::~PrinterDevicePage()
{
    endDocument();
    if (printersDuplex_)
        printer_.setDuplex(*printersDuplex_);
}

void PrinterDevicePage::setDuplex(QPrinter::DuplexMode mode)
{
    if (!printersDuplex_)
        printersDuplex_ = printer_.duplex();
    printer_.setDuplex(mode);
}

bool PrinterDevicePage::isCompletePdf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    file.seek(file.size() - 16);
    return file.read(16).contains("%%EOF");
}

QPainter* PrinterDevicePage::painter()
{
    if (failed_ || ended_)
        return nullptr;
    if (!painter_) {
        auto painter = std::make_unique<QPainter>();
        started_ = true;
        if (!painter->begin(&printer_)) {
            failed_ = true;
            return nullptr;
        }
        preparePainter(*painter);
        if (printer_.fullPage() && !unprintable_.isNull()) {
            const double perMillimetre = printer_.resolution() / 25.4;
            const QRectF sheet(QPointF(0, 0), printer_.pageLayout().fullRect(QPageLayout::Millimeter).size());
            const QRectF printable = sheet.marginsRemoved(unprintable_);
            painter->setClipRect(QRectF(printable.topLeft() * perMillimetre, printable.size() * perMillimetre));
        }
        painter_ = std::move(painter);
    }
    return painter_.get();
}

double PrinterDevicePage::dpiX() const
{
    return printer_.resolution();
}

double PrinterDevicePage::dpiY() const
{
    return printer_.resolution();
}

void PrinterDevicePage::setPageSetup(const PageSetup& setup)
{
    if (started_)
        return;
    printer_.setPageOrientation(setup.orientation);
    printer_.setPageSize(setup.paper);
    // A full page ignores the printer's margins but keeps them for later jobs.
    printer_.setFullPage(setup.fullPage);
}

void PrinterDevicePage::setCopies(int copies)
{
    // The copy count belongs to the job, so it only counts before the first drawing.
    if (!started_)
        printer_.setCopyCount(qBound(1, copies, 999));
}

bool PrinterDevicePage::printsCopies() const
{
    return printer_.outputFormat() == QPrinter::NativeFormat;
}

QMarginsF PrinterDevicePage::paperMargins() const
{
    return printer_.pageLayout().margins(QPageLayout::Millimeter);
}

void PrinterDevicePage::newPage()
{
    if (painter() && !printer_.newPage())
        failed_ = true;
}

void PrinterDevicePage::endDocument()
{
    if (painter_ && !painter_->end())
        failed_ = true;
    painter_.reset();
    ended_ = true;
    // A PDF whose last bytes never reached the disk (a full disk, say) is no document.
    if (started_ && !failed_ && !printer_.outputFileName().isEmpty() && !isCompletePdf(printer_.outputFileName()))
        failed_ = true;
}

bool PrinterDevicePage::printBothSides(bool landscape)
{
    if (started_)
        return false;
    if (printer_.outputFormat() != QPrinter::NativeFormat)
        return true;
    const QPrinter::DuplexMode mode = landscape ? QPrinter::DuplexShortSide : QPrinter::DuplexLongSide;
    if (!QPrinterInfo(printer_).supportedDuplexModes().contains(mode))
        return false;
    setDuplex(mode);
    return printer_.duplex() == mode;
}

bool PrinterDevicePage::startAnotherJob()
{
    endDocument();
    setDuplex(QPrinter::DuplexNone);
    failed_ = false;
    started_ = false;
    ended_ = false;
    return true;
}
