#include "editor/CardLayouts.h"

#include "platform/CardSurface.h"

#include <array>

namespace {

const QString oneFoto = QStringLiteral("Selecteer 1 foto uit het bestand");
QString several(int count)
{
    return QStringLiteral("Selecteer achtereenvolgens %1 foto's uit het bestand").arg(count);
}

const std::array<CardLayout, 9>& photoLayouts()
{
    static const std::array<CardLayout, 9> layouts = {{
        {1, QStringLiteral("1 Foto"), 515, 365, 0, 0, oneFoto},
        {2, QStringLiteral("1 Foto Links"), 300, 220, 50, 50, oneFoto},
        {3, QStringLiteral("2 Foto's Vertikaal"), 258, 365, 0, 0, several(2)},
        {4, QStringLiteral("2 Foto's Horizontaal"), 258, 182, 0, 60, several(2)},
        {5, QStringLiteral("2 Foto's Schuin"), 258, 182, 30, 30, several(2)},
        {6, QStringLiteral("3 Foto's Schuin"), 172, 122, 20, 20, several(3)},
        {7, QStringLiteral("4 Foto's "), 258, 182, 0, 0, several(4)},
        {8, QStringLiteral("5 Foto's"), 258, 182, 0, 0, several(5)},
        {9, QStringLiteral("9 Foto's"), 172, 122, 0, 0, several(9)},
    }};
    return layouts;
}

}

const CardLayout* photoLayout(int index)
{
    if (index < 1 || index > 9)
        return nullptr;
    return &photoLayouts()[std::size_t(index - 1)];
}

QString layoutInfoText(int index)
{
    if (const CardLayout* layout = photoLayout(index))
        return layout->info;
    if (index == Layout::FreeDrawing)
        return QStringLiteral("Zelf een tekening ontwerpen met de rechter tekenknoppen en kleuren");
    return QString();
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
    return QStringLiteral("Adreszijde");
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
