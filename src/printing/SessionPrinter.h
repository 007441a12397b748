#pragma once
// The printer of this session. It starts as the system's default printer; the
// printer and settings picked in the printer set-up dialog (a PDF file
// included) serve every later job until the program ends. When it names
// neither a printer nor a PDF file, each job asks for a PDF file to write.
#include <QObject>

#include <memory>

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
    // user names now. Nothing when the user cancels that question.
    std::unique_ptr<PrinterDevicePage> startJob(QWidget* parent);

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPrinter> filePrinter_;   // the PDF file of a job without a printer
};
