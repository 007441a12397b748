#include "printing/AfdrukVoorbeeld.h"

#include "printing/PrinterDevicePage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr double ZoomStep = 1.25;

QPushButton* button(QWidget* parent, const char* name, const QString& text, const QString& tip = QString())
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

}

AfdrukVoorbeeld::AfdrukVoorbeeld(Job job, const QPageLayout& layout, QWidget* parent, const QMarginsF& unprintable)
    : QDialog(parent), job_(std::move(job)), unprintable_(unprintable), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName("Afdrukvoorbeeld");
    setWindowTitle(tr("Afdrukvoorbeeld"));
    if (parent)
        setFont(parent->font());
    setModal(true);
    // Drawn into a preview only; the format keeps the printer system out of it.
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setPageLayout(layout);

    VorigeKnop = button(this, "VorigeKnop", tr("< Vorige"), tr(" Vorige pagina "));
    VolgendeKnop = button(this, "VolgendeKnop", tr("Volgende >"), tr(" Volgende pagina "));
    PaginaLabel = new QLabel(this);
    PaginaLabel->setObjectName("PaginaLabel");
    PaginaLabel->setMinimumWidth(PaginaLabel->fontMetrics().horizontalAdvance(pagePosition(888, 888)) + 8);
    PaginaLabel->setAlignment(Qt::AlignCenter);
    UitzoomenKnop = button(this, "UitzoomenKnop", tr("Kleiner"), tr(" Uitzoomen "));
    InzoomenKnop = button(this, "InzoomenKnop", tr("Groter"), tr(" Inzoomen "));
    PaginabreedteKnop = button(this, "PaginabreedteKnop", tr("Paginabreedte"));
    HelePaginaKnop = button(this, "HelePaginaKnop", tr("Hele pagina"));
    AfdrukKnop = button(this, "AfdrukKnop", tr("Afdrukken"), tr(" Deze vellen afdrukken "));
    SluitenKnop = button(this, "SluitenKnop", tr("Sluiten"));
    AfdrukKnop->setStyleSheet(QStringLiteral("background-color: rgb(192,255,192)"));
    SluitenKnop->setStyleSheet(QStringLiteral("background-color: rgb(255,192,192)"));

    Voorbeeld = new QPrintPreviewWidget(printer_.get(), this);
    Voorbeeld->setObjectName("Voorbeeld");
    connect(Voorbeeld, &QPrintPreviewWidget::paintRequested, this, &AfdrukVoorbeeld::drawPages);
    connect(Voorbeeld, &QPrintPreviewWidget::previewChanged, this, &AfdrukVoorbeeld::showPagePosition);

    auto* bar = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{VorigeKnop, PaginaLabel, VolgendeKnop})
        bar->addWidget(widget);
    bar->addSpacing(12);
    for (QWidget* widget : {UitzoomenKnop, InzoomenKnop, PaginabreedteKnop, HelePaginaKnop})
        bar->addWidget(widget);
    bar->addStretch();
    bar->addWidget(AfdrukKnop);
    bar->addWidget(SluitenKnop);
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addLayout(bar);
    layoutBox->addWidget(Voorbeeld, 1);
    resize(820, 940);

    connect(VorigeKnop, &QPushButton::clicked, this, [this] { Voorbeeld->setCurrentPage(Voorbeeld->currentPage() - 1); });
    connect(VolgendeKnop, &QPushButton::clicked, this, [this] { Voorbeeld->setCurrentPage(Voorbeeld->currentPage() + 1); });
    connect(UitzoomenKnop, &QPushButton::clicked, this, [this] { Voorbeeld->zoomOut(ZoomStep); });
    connect(InzoomenKnop, &QPushButton::clicked, this, [this] { Voorbeeld->zoomIn(ZoomStep); });
    connect(PaginabreedteKnop, &QPushButton::clicked, Voorbeeld, &QPrintPreviewWidget::fitToWidth);
    connect(HelePaginaKnop, &QPushButton::clicked, Voorbeeld, &QPrintPreviewWidget::fitInView);
    connect(AfdrukKnop, &QPushButton::clicked, this, &QDialog::accept);
    connect(SluitenKnop, &QPushButton::clicked, this, &QDialog::reject);

    // Drawn once now, so that the pages are there before the window shows.
    Voorbeeld->fitToWidth();
    Voorbeeld->updatePreview();
    showPagePosition();
}

AfdrukVoorbeeld::~AfdrukVoorbeeld() = default;

QString AfdrukVoorbeeld::pagePosition(int current, int count)
{
    return tr("Pagina %1 van %2").arg(current).arg(count);
}

int AfdrukVoorbeeld::pageCount() const
{
    return Voorbeeld->pageCount();
}

void AfdrukVoorbeeld::drawPages(QPrinter* printer)
{
    PrinterDevicePage page(*printer);
    page.leaveOutUnprintable(unprintable_);
    job_(page);
}

void AfdrukVoorbeeld::showPagePosition()
{
    const int count = Voorbeeld->pageCount();
    const int current = Voorbeeld->currentPage();
    PaginaLabel->setText(pagePosition(current, count));
    VorigeKnop->setEnabled(current > 1);
    VolgendeKnop->setEnabled(current < count);
}
