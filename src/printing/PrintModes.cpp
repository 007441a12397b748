#include "printing/PrintModes.h"

#include "platform/CardSurface.h"
#include "printing/PrintRequest.h"
#include "printing/StockPictures.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

using PrintRun::Request;
using Book = std::optional<AddressBook>;

// --- Captions ---

// A caption in the language shown; `text` is its Dutch source.
QString caption(const char* text)
{
    return QCoreApplication::translate("PrintModes", text);
}

QString tweeKaartenCaption(const PrintChoices& choices)
{
    if (choices.bothSides)
        return caption(QT_TRANSLATE_NOOP("PrintModes", "2 Prentvellen, voor- en achterkant"));
    return choices.addressSide ? caption(QT_TRANSLATE_NOOP("PrintModes", "2 Adreszijden voor de achterzijde van de kaart"))
                               : caption(QT_TRANSLATE_NOOP("PrintModes", "2 Dezelfde prentvellen"));
}

QString etikettenCaption(const PrintChoices& choices)
{
    return QCoreApplication::translate("PrintModes", "Print %n etiketten per vel met adressenbestand", nullptr,
                                       choices.labelsPerSheet);
}

// `text` is a QT_TRANSLATE_NOOP in the context "PrintModes".
#define FIXED_CAPTION(text) [](const PrintChoices&) { return caption(text); }

// --- Paper ---

PageSetup a4Portrait(const Request&)
{
    return PageSetup{};
}

PaperWish postcardWish(const Request& request)
{
    return {PostcardPaper::pageSize(request.paper), PostcardPaper::caption(request.paper)};
}

PaperWish a4Wish(const Request&)
{
    return {QPageSize(QPageSize::A4), QStringLiteral("A4")};
}

// Postcard paper lies landscape and the page is the whole sheet; the builders
// keep to the printable area themselves where they must.
template <PaperWish (*wish)(const Request&)>
PageSetup postcardSetup(const Request& request)
{
    return {request.printerPaper.isValid() ? request.printerPaper : wish(request).size, QPageLayout::Landscape, true};
}

template <PaperWish (*wish)(const Request&)>
PostcardPage postcardPage(const Request& request)
{
    const PageSetup setup = postcardSetup<wish>(request);
    return {QPageLayout(setup.paper, setup.orientation, QMarginsF()).fullRect(QPageLayout::Millimeter).size(),
            request.borderless, request.margins};
}

// --- Address book ---

bool noBook(const Request&)
{
    return false;
}

bool bookAlways(const Request&)
{
    return true;
}

bool bookForAddressSides(const Request& request)
{
    return request.addressSide && request.withAddresses;
}

// --- Builders ---

// The back panels are drawn at the resolution of the card they go with.
int backPanelScale(const QImage& card)
{
    return std::max(1, card.width() / CardSurface::CardWidth);
}

PrintResult tweeKaarten(PrinterPage& page, const Request& request, const Book& book)
{
    if (request.addressSide)
        PrintAdresZijden(page, request.card, request.withAddresses ? book : std::nullopt, request.naam1, request.naam2);
    else
        PrintTweeKaarten(page, request.card, !request.bothSides);
    return {};
}

PrintResult dubbelLiggend(PrinterPage& page, const Request& request, const Book&)
{
    PrintDubbelLiggend(page, request.card, StockPictures::Achterkant(backPanelScale(request.card)));
    return {};
}

PrintResult dubbelStaand(PrinterPage& page, const Request& request, const Book&)
{
    PrintDubbelStaand(page, request.card, StockPictures::Portret(backPanelScale(request.card)));
    return {};
}

PrintResult envelop(PrinterPage& page, const Request&, const Book&)
{
    PrintEnvelop(page);
    return {};
}

PrintResult kalender(PrinterPage& page, const Request& request, const Book&)
{
    page.setUnit(PrinterPage::Unit::Twips);
    PrintKalender(page, request.year, request.card);
    return {};
}

PrintResult adresLijst(PrinterPage& page, const Request&, const Book& book)
{
    return PrintAdresLijst(page, book);
}

PrintResult etiketten(PrinterPage& page, const Request& request, const Book& book)
{
    return PrintEtiketten(page, book, request.labels);
}

PrintResult kaartpapier(PrinterPage& page, const Request& request, const Book& book)
{
    PrintKaartpapier(page, request.card, postcardPage<postcardWish>(request),
                     bookForAddressSides(request) ? book : std::nullopt, request.naam1);
    return {};
}

PrintResult vierOpA4(PrinterPage& page, const Request& request, const Book& book)
{
    PrintVierKaarten(page, request.card, postcardPage<a4Wish>(request), bookForAddressSides(request) ? book : std::nullopt,
                     {request.naam1, request.naam2, request.naam3, request.naam4});
    return {};
}

// --- Samples (pixels on the 130 x 180 preview) ---

// A stock sample sheet as the preview's picture, on its print copy (when it
// has one) at that copy's resolution, so the sample is sharp at every ratio.
void assignSheet(DrawingSurface& preview, StockPictures::SampleSheet sheet)
{
    const int scale = preview.hasPrintCopy() ? preview.printImage().width() / preview.width() : 1;
    preview.assignBasePictures(StockPictures::Img(sheet), StockPictures::Img(sheet, scale));
}

// The two card slots of the sample sheet.
void twoSlots(DrawingSurface& preview, const QImage& top, const QImage& bottom)
{
    preview.paintPicture(top, 20, 30, 90, 60);
    preview.paintPicture(bottom, 20, 91, 90, 60);
}

void tweeKaartenSample(DrawingSurface& preview, const QImage& card, int)
{
    twoSlots(preview, card, card);
}

void dubbelLiggendSample(DrawingSurface& preview, const QImage& card, int)
{
    twoSlots(preview, StockPictures::Achterkant(), card);
}

void dubbelStaandSample(DrawingSurface& preview, const QImage& card, int)
{
    twoSlots(preview, card, StockPictures::Portret());
}

void kalenderSample(DrawingSurface& preview, const QImage& card, int currentYear)
{
    assignSheet(preview, StockPictures::KalenderSample);
    preview.fontName = QStringLiteral("Arial");
    preview.fontSize = 8;
    preview.fontBold = false;
    preview.foreColor = 0;
    preview.currentX = 50;
    preview.currentY = 2;
    preview.printText(printNumberText(currentYear));
    preview.paintPicture(card, 16, 21, 97, 57);
}

template <StockPictures::SampleSheet sheet>
void stockSample(DrawingSurface& preview, const QImage&, int)
{
    assignSheet(preview, sheet);
}

const std::array<PrintModeRow, PrintMode::Last - PrintMode::First + 1> rows{{
    {PrintMode::TweeKaarten, tweeKaartenCaption, AddressCheck | BothSides, a4Portrait, nullptr, bookForAddressSides, tweeKaarten,
     tweeKaartenSample},
    {PrintMode::DubbelLiggend, FIXED_CAPTION(QT_TRANSLATE_NOOP("PrintModes", "Dubbele kaart in Landscape mode (liggend)")),
     NoExtraControls, a4Portrait, nullptr, noBook, dubbelLiggend, dubbelLiggendSample},
    {PrintMode::DubbelStaand, FIXED_CAPTION(QT_TRANSLATE_NOOP("PrintModes", "Dubbele kaart in Portret mode (staand)")),
     NoExtraControls, a4Portrait, nullptr, noBook, dubbelStaand, dubbelStaandSample},
    {PrintMode::Envelop, FIXED_CAPTION(QT_TRANSLATE_NOOP("PrintModes", "Envelop 155 x 110 mm voor de prentvellen")),
     NoExtraControls, a4Portrait, nullptr, noBook, envelop, stockSample<StockPictures::EnvelopSample>},
    {PrintMode::Kalender, FIXED_CAPTION(QT_TRANSLATE_NOOP("PrintModes", "Jaarkalender met het geselecteerde jaar")),
     YearChoice, a4Portrait, nullptr, noBook, kalender, kalenderSample},
    {PrintMode::AdresLijst, FIXED_CAPTION(QT_TRANSLATE_NOOP("PrintModes", "Lijst met het ingevoerde adressenbestand")),
     NoExtraControls, a4Portrait, nullptr, bookAlways, adresLijst, stockSample<StockPictures::AdresLijstSample>},
    {PrintMode::Etiketten, etikettenCaption, NoExtraControls, a4Portrait, nullptr, bookAlways, etiketten,
     stockSample<StockPictures::EtikettenSample>},
    {PrintMode::Kaartpapier, FIXED_CAPTION(QT_TRANSLATE_NOOP("PrintModes", "1 prentvel op briefkaartpapier")),
     AddressCheck | BothSides | PaperChoice | BorderlessChoice, postcardSetup<postcardWish>, postcardWish,
     bookForAddressSides, kaartpapier, nullptr},
    {PrintMode::VierOpA4, FIXED_CAPTION(QT_TRANSLATE_NOOP("PrintModes", "4 prentvellen op A4 (geperforeerd kaartpapier)")),
     AddressCheck | BothSides | BorderlessChoice | FourNames, postcardSetup<a4Wish>, a4Wish, bookForAddressSides,
     vierOpA4, nullptr},
}};

#undef FIXED_CAPTION

}

const PrintModeRow* printModeRow(int mode)
{
    if (mode < PrintMode::First || mode > PrintMode::Last)
        return nullptr;
    const PrintModeRow& row = rows[mode - PrintMode::First];
    Q_ASSERT(row.mode == mode);
    return &row;
}
