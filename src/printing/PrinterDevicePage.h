#pragma once
// A printer page that draws on a QPrinter: A4 portrait unless the job asks
// for other paper, origin at the top-left of the printable area (of the sheet
// for a full page). The job starts with the first drawing, so the copies
// can still be set before it; a document without any drawing sends no job.
#include "printing/PainterPage.h"

#include <QMarginsF>
#include <QPrinter>

#include <memory>
#include <optional>

class PrinterDevicePage : public PainterPage {
public:
    explicit PrinterDevicePage(QPrinter& printer);
    ~PrinterDevicePage() override;

    // True when the printer refused to start the job; drawing is then ignored.
    bool failed() const override { return failed_; }
    // True once the job has started (something was drawn).
    bool started() const { return started_; }

    // Sets the printer's paper, while the job has not started.
    void setPageSetup(const PageSetup& setup) override;
    void setCopies(int copies) override;
    // Draws nothing within `margins` (mm) of a full page's edges, as a printer
    // with those margins would; for previews.
    void leaveOutUnprintable(const QMarginsF& margins) { unprintable_ = margins; }
    bool printsCopies() const override;
    // The unprintable border of the paper, in mm, that the page's origin lies inside.
    QMarginsF paperMargins() const override;
    void newPage() override;
    void endDocument() override;
    // A PDF file takes both sides as they come; a printer when its driver
    // offers the duplex mode (CUPS "sides": two-sided-long-edge for portrait,
    // two-sided-short-edge for landscape) and keeps it once set.
    bool printBothSides(bool landscape) override;
    // The next drawing starts a new job on the same printer, one-sided.
    bool startAnotherJob() override;
    // The duplex mode set for this page's jobs goes back to the printer's own
    // choice when the page goes.

protected:
    QPainter* painter() override;
    double dpiX() const override;
    double dpiY() const override;

private:
    static bool isCompletePdf(const QString& path);
    void setDuplex(QPrinter::DuplexMode mode);

    QPrinter& printer_;
    std::unique_ptr<QPainter> painter_;
    QMarginsF unprintable_;
    std::optional<QPrinter::DuplexMode> printersDuplex_;
    bool failed_ = false;
    bool started_ = false;
    bool ended_ = false;
};
