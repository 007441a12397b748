#include "printing/SessionPrinter.h"

#include "platform/Dialogs.h"
#include "printing/PrinterDevicePage.h"

#include <QPrintDialog>
#include <QPrinter>

SessionPrinter::SessionPrinter(QObject* parent)
    : QObject(parent), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
}

SessionPrinter::~SessionPrinter() = default;

void SessionPrinter::setup(QWidget* parent)
{
    QPrintDialog dialog(printer_.get(), parent);
    dialog.setWindowTitle(QStringLiteral(" Printer Setup"));
    dialog.exec();
}

std::unique_ptr<PrinterDevicePage> SessionPrinter::startJob(QWidget* parent)
{
    const bool namesPrinter = printer_->outputFormat() == QPrinter::NativeFormat && !printer_->printerName().isEmpty();
    const bool namesFile = printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty();
    if (namesPrinter || namesFile)
        return std::make_unique<PrinterDevicePage>(*printer_);

    const QString path = Dialogs::saveFileName(parent, QStringLiteral(" Afdrukken naar PDF"), QStringLiteral("PDF-bestand|*.pdf"));
    if (path.isEmpty())
        return nullptr;
    filePrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    filePrinter_->setOutputFormat(QPrinter::PdfFormat);
    filePrinter_->setOutputFileName(path);
    return std::make_unique<PrinterDevicePage>(*filePrinter_);
}
