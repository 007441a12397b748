#pragma once
// The print preview "Afdrukvoorbeeld": the real sheets of one print job, drawn
// by the same job that prints them, page by page with zoom. "Afdrukken"
// closes it with the wish to print that job.
#include <QDialog>
#include <QMarginsF>

#include <functional>
#include <memory>

class PrinterPage;
class QLabel;
class QPageLayout;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;

class AfdrukVoorbeeld : public QDialog {
    Q_OBJECT
public:
    using Job = std::function<void(PrinterPage&)>;

    // `layout` is the page layout of the printer the job is meant for, so the
    // sheets show its margins. On a job that covers the whole sheet,
    // `unprintable` is left white: what that printer cuts off.
    AfdrukVoorbeeld(Job job, const QPageLayout& layout, QWidget* parent = nullptr,
                    const QMarginsF& unprintable = QMarginsF());
    ~AfdrukVoorbeeld() override;

    QPrintPreviewWidget* Voorbeeld = nullptr;
    QPushButton* VorigeKnop = nullptr;
    QPushButton* VolgendeKnop = nullptr;
    QLabel* PaginaLabel = nullptr;
    QPushButton* UitzoomenKnop = nullptr;
    QPushButton* InzoomenKnop = nullptr;
    QPushButton* PaginabreedteKnop = nullptr;
    QPushButton* HelePaginaKnop = nullptr;
    QPushButton* AfdrukKnop = nullptr;
    QPushButton* SluitenKnop = nullptr;

    int pageCount() const;
    // What draws the pages: the print job itself.
    const Job& job() const { return job_; }

private:
    // "Pagina 3 van 5".
    static QString pagePosition(int current, int count);
    void drawPages(QPrinter* printer);
    void showPagePosition();

    Job job_;
    QMarginsF unprintable_;
    std::unique_ptr<QPrinter> printer_;
};
