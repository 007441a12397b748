#include "printing/PrintModes.h"

#include "platform/CardSurface.h"
#include "printing/PrintRequest.h"
#include "printing/StockPictures.h"

#include <algorithm>
#include <array>

namespace {

using PrintRun::Request;
using Book = std::optional<AddressBook>;

// --- Captions ---

QString tweeKaartenCaption(const PrintChoices& choices)
{
    return choices.addressSide ? QStringLiteral("2 Adreszijden voor de achterzijde van de kaart")
                               : QStringLiteral("2 Dezelfde prentvellen");
}

QString etikettenCaption(const PrintChoices& choices)
{
    return QStringLiteral("Print %1 etiketten per vel met adressenbestand").arg(choices.labelsPerSheet);
}

#define FIXED_CAPTION(text) [](const PrintChoices&) { return QStringLiteral(text); }

// --- Paper ---

PageSetup a4Portrait(const Request&)
{
    return PageSetup{};
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
        PrintTweeKaarten(page, request.card);
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

// --- Samples (pixels on the 130 x 180 preview) ---

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
    preview.assignBasePicture(StockPictures::Img(StockPictures::KalenderSample));
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
    preview.assignBasePicture(StockPictures::Img(sheet));
}

const std::array<PrintModeRow, PrintMode::Last - PrintMode::First + 1> rows{{
    {PrintMode::TweeKaarten, tweeKaartenCaption, AddressCheck, a4Portrait, bookForAddressSides, tweeKaarten,
     tweeKaartenSample},
    {PrintMode::DubbelLiggend, FIXED_CAPTION("Dubbele kaart in Landscape mode (liggend)"), NoExtraControls, a4Portrait,
     noBook, dubbelLiggend, dubbelLiggendSample},
    {PrintMode::DubbelStaand, FIXED_CAPTION("Dubbele kaart in Portret mode (staand)"), NoExtraControls, a4Portrait,
     noBook, dubbelStaand, dubbelStaandSample},
    {PrintMode::Envelop, FIXED_CAPTION("Envelop 155 x 110 mm voor de prentvellen"), NoExtraControls, a4Portrait, noBook,
     envelop, stockSample<StockPictures::EnvelopSample>},
    {PrintMode::Kalender, FIXED_CAPTION("Jaarkalender met het geselecteerde jaar"), YearChoice, a4Portrait, noBook,
     kalender, kalenderSample},
    {PrintMode::AdresLijst, FIXED_CAPTION("Lijst met het ingevoerde adressenbestand"), NoExtraControls, a4Portrait,
     bookAlways, adresLijst, stockSample<StockPictures::AdresLijstSample>},
    {PrintMode::Etiketten, etikettenCaption, NoExtraControls, a4Portrait, bookAlways, etiketten,
     stockSample<StockPictures::EtikettenSample>},
}};

}

const PrintModeRow* printModeRow(int mode)
{
    if (mode < PrintMode::First || mode > PrintMode::Last)
        return nullptr;
    const PrintModeRow& row = rows[mode - PrintMode::First];
    Q_ASSERT(row.mode == mode);
    return &row;
}
