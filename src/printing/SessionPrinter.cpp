#include "printing/SessionPrinter.h"

#include "platform/Settings.h"
#include "platform/Dialogs.h"
#include "printing/PostcardPaper.h"
#include "printing/PrinterDevicePage.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

const QString PdfChoicePrefix = QStringLiteral("pdf:");
const QString PdfSuffix = QStringLiteral(".pdf");

QString withPdfSuffix(const QString& path)
{
    return path.endsWith(PdfSuffix, Qt::CaseInsensitive) ? path : path + PdfSuffix;
}

}

SessionPrinter::SessionPrinter(QObject* parent)
    : QObject(parent), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    restoreChoice();
}

SessionPrinter::~SessionPrinter() = default;

void SessionPrinter::restoreChoice()
{
    const QString choice = Settings::printerChoice();
    if (choice.startsWith(PdfChoicePrefix)) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(choice.mid(PdfChoicePrefix.size()));
    } else if (!choice.isEmpty() && QPrinterInfo::availablePrinterNames().contains(choice)) {
        printer_->setPrinterName(choice);
    }
}

void SessionPrinter::setup(QWidget* parent)
{
    QPrintDialog dialog(printer_.get(), parent);
    dialog.setWindowTitle(tr(" Printer Setup"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    Settings::setPrinterChoice(printer_->outputFormat() == QPrinter::PdfFormat
                                   ? PdfChoicePrefix + printer_->outputFileName()
                                   : printer_->printerName());
}

QString SessionPrinter::askPdfPath(QWidget* parent, const QString& proposed)
{
    const QString title = tr(" Afdrukken naar PDF");
    const QString start = proposed.isEmpty() ? Settings::pdfFolder() : proposed;
    const QString chosen = Dialogs::saveFileName(parent, title, tr("PDF-bestand|*.pdf"), start,
                                                 Dialogs::Overwrite::CallerAsks);
    if (chosen.isEmpty())
        return QString();
    const QString path = withPdfSuffix(chosen);
    if (QFileInfo(path).isDir())
        return path;   // the job fails and says so; nothing is replaced
    if (QFileInfo::exists(path)
        && !Dialogs::askYesNo(parent,
                              tr("Het bestand %1 bestaat al. Wilt u het vervangen?")
                                  .arg(QDir::toNativeSeparators(path)),
                              title))
        return QString();
    Settings::setPdfFolder(QFileInfo(path).absolutePath());
    return path;
}

bool SessionPrinter::printsToFile() const
{
    return printer_->outputFormat() != QPrinter::NativeFormat || printer_->printerName().isEmpty();
}

QString SessionPrinter::printerName() const
{
    return printer_->printerName();
}

std::optional<SessionPrinter::Paper> SessionPrinter::paperFor(const QPageSize& wanted, bool borderless,
                                                              QPageLayout::Orientation orientation)
{
    if (printsToFile())
        return Paper{wanted, QMarginsF()};
    const QPrinterInfo info(*printer_);
    const PaperOffer offer{info.supportedPageSizes(), info.supportsCustomPageSizes(), false};
    const std::optional<QPageSize> size = choosePaper(offer, wanted, borderless);
    if (!size)
        return std::nullopt;
    // The printer gives its margins for the size it is set to.
    printer_->setFullPage(false);
    printer_->setPageOrientation(orientation);
    printer_->setPageSize(*size);
    return Paper{*size, printer_->pageLayout().margins(QPageLayout::Millimeter)};
}

std::unique_ptr<PrinterDevicePage> SessionPrinter::startJob(QWidget* parent)
{
    if (!printsToFile())
        return std::make_unique<PrinterDevicePage>(*printer_);

    // A PDF file chosen in the set-up keeps its settings and proposes its name.
    QPrinter* target = printer_.get();
    if (printer_->outputFormat() != QPrinter::PdfFormat) {
        if (!filePrinter_) {
            filePrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
            filePrinter_->setOutputFormat(QPrinter::PdfFormat);
        }
        target = filePrinter_.get();
    }
    const QString path = askPdfPath(parent, target->outputFileName());
    if (path.isEmpty())
        return nullptr;
    target->setOutputFileName(path);
    if (target == printer_.get())
        Settings::setPrinterChoice(PdfChoicePrefix + path);
    return std::make_unique<PrinterDevicePage>(*target);
}
