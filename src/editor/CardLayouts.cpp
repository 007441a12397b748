#include "editor/CardLayouts.h"

#include "platform/CardSurface.h"

#include <QCoreApplication>
#include <array>

namespace {

const char* const Context = "Main";
const char* const OnePhoto = QT_TRANSLATE_NOOP("Main", "Selecteer 1 foto uit het bestand");
const char* const SeveralPhotos = QT_TRANSLATE_NOOP("Main", "Selecteer achtereenvolgens %1 foto's uit het bestand");
const char* const FreeDrawingInfo =
    QT_TRANSLATE_NOOP("Main", "Zelf een tekening ontwerpen met de rechter tekenknoppen en kleuren");

const std::array<CardLayout, 9>& photoLayouts()
{
    static const std::array<CardLayout, 9> layouts = {{
        {1, QT_TRANSLATE_NOOP("Main", "1 Foto"), 515, 365, 0, 0, 1},
        {2, QT_TRANSLATE_NOOP("Main", "1 Foto Links"), 300, 220, 50, 50, 1},
        {3, QT_TRANSLATE_NOOP("Main", "2 Foto's Vertikaal"), 258, 365, 0, 0, 2},
        {4, QT_TRANSLATE_NOOP("Main", "2 Foto's Horizontaal"), 258, 182, 0, 60, 2},
        {5, QT_TRANSLATE_NOOP("Main", "2 Foto's Schuin"), 258, 182, 30, 30, 2},
        {6, QT_TRANSLATE_NOOP("Main", "3 Foto's Schuin"), 172, 122, 20, 20, 3},
        {7, QT_TRANSLATE_NOOP("Main", "4 Foto's "), 258, 182, 0, 0, 4},
        {8, QT_TRANSLATE_NOOP("Main", "5 Foto's"), 258, 182, 0, 0, 5},
        {9, QT_TRANSLATE_NOOP("Main", "9 Foto's"), 172, 122, 0, 0, 9},
    }};
    return layouts;
}

// The help line, its Dutch texts passed through `language`.
template <typename Language>
QString infoText(int index, Language language)
{
    if (const CardLayout* layout = photoLayout(index))
        return layout->photos == 1 ? language(OnePhoto) : language(SeveralPhotos).arg(layout->photos);
    if (index == Layout::FreeDrawing)
        return language(FreeDrawingInfo);
    return QString();
}

}

const CardLayout* photoLayout(int index)
{
    if (index < 1 || index > 9)
        return nullptr;
    return &photoLayouts()[std::size_t(index - 1)];
}

QString layoutCaption(int index)
{
    const CardLayout* layout = photoLayout(index);
    return layout ? QCoreApplication::translate(Context, layout->caption) : QString();
}

QString layoutInfoText(int index)
{
    return infoText(index, [](const char* text) { return QString::fromUtf8(text); });
}

QString shownLayoutInfoText(int index)
{
    return infoText(index, [](const char* text) { return QCoreApplication::translate(Context, text); });
}

// The rules are applied exactly in the order written: increments first, then
// strict comparisons; layout 8 tests for its middle frame before the column.
void advanceFrame(int layout, double& x, double& y)
{
    switch (layout) {
    case 3:
        x += 259;
        if (x > 500)
            x = 0;
        break;
    case 4:
        x += 259;
        if (x > 400) {
            x = 0;
            y = 60;
        }
        break;
    case 5:
        x += 195;
        y += 120;
        if (x > 400) {
            x = 30;
            y = 30;
        }
        break;
    case 6:
        x += 150;
        y += 100;
        if (x > 400) {
            x = 20;
            y = 20;
        }
        break;
    case 7:
        x += 259;
        if (x > 500) {
            x = 0;
            y += 183;
            if (y > 300) {
                x = 0;
                y = 0;
            }
        }
        break;
    case 8:
        x += 259;
        if (y == 91) {
            x = 0;
            y = 0;
        }
        if (x > 500) {
            x = 0;
            y += 183;
            if (y > 300) {
                x = 129;
                y = 91;
            }
        }
        break;
    case 9:
        x += 173;
        if (x > 500) {
            x = 0;
            y += 123;
            if (y > 300) {
                x = 0;
                y = 0;
            }
        }
        break;
    default: // layouts 1 and 2 have one frame
        break;
    }
}

void TekenAdreszijde(CardSurface& card)
{
    const std::uint32_t black = RGB(0, 0, 0);
    const std::uint32_t grey = RGB(90, 90, 90);
    card.line(250, 10, 250, 355, black);
    card.line(251, 10, 251, 355, black);

    card.fillColor = RGB(220, 220, 220);
    card.fillStyle = CardSurface::Solid;
    card.box(435, 15, 498, 90, grey);
    card.fillStyle = CardSurface::Transparent;

    for (int y : {190, 230, 270, 310})
        card.line(270, y, 490, y, grey);
    card.line(20, 310, 230, 310, grey);
    card.refresh();
}

QString AddressSideTemplate::name() const
{
    return QCoreApplication::translate("Main", "Adreszijde");
}

void AddressSideTemplate::draw(CardSurface& card, const ProgressDisplays&) const
{
    card.clear();
    TekenAdreszijde(card);
}

QJsonObject AddressSideTemplate::parameters(PhotoList&) const
{
    return {};
}

Operation AddressSideTemplate::read(ParameterReader&)
{
    return std::make_shared<AddressSideTemplate>();
}
