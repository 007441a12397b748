#pragma once
// The printer of this session. It starts as the printer picked in an earlier
// run (or the system's default printer); the printer and settings picked in
// the printer set-up dialog serve every later job and are remembered. A job
// that goes to a PDF file, because the set-up chose one or because there is
// no printer, asks for the file name each time, proposing the last one.
#include <QMarginsF>
#include <QObject>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <memory>
#include <optional>

class PrinterDevicePage;
class QPrinter;
class QWidget;

class SessionPrinter : public QObject {
    Q_OBJECT
public:
    explicit SessionPrinter(QObject* parent = nullptr);
    ~SessionPrinter() override;

    QPrinter& printer() { return *printer_; }

    // Shows the system's printer set-up dialog; cancelling keeps the old choice.
    void setup(QWidget* parent);

    // A page for the next job, on the session's printer or on a PDF file the
    // user names now. Nothing when the user cancels that question or declines
    // to replace an existing file.
    std::unique_ptr<PrinterDevicePage> startJob(QWidget* parent);

    // Whether the next job goes to a PDF file rather than a printer.
    bool printsToFile() const;
    QString printerName() const;

    // The paper the next job asks for `wanted` (see choosePaper) and what the
    // printer cannot print of it, in mm, as the page lies; nothing when the
    // printer has no such paper. A PDF file takes any size and prints it whole.
    struct Paper {
        QPageSize size;
        QMarginsF margins;
    };
    std::optional<Paper> paperFor(const QPageSize& wanted, bool borderless, QPageLayout::Orientation orientation);

private:
    void restoreChoice();
    QString askPdfPath(QWidget* parent, const QString& proposed);

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPrinter> filePrinter_;   // the PDF file of a job without a printer
};
