#include "filters/FilterOperation.h"

#include "filters/RunFilter.h"
#include "filters/SurfaceEffects.h"
#include "platform/CardSurface.h"
#include "platform/Progress.h"
#include "platform/Random.h"

#include <QCoreApplication>

#include <array>

namespace {

// What each "Filters" entry runs: a numbered filter and its parameter, an
// effect on the card, or (the two submenus) nothing.
enum class Action { Nothing, Filter, TransparentOverlay, Sepia };
struct ConvertEntry {
    const char* caption;
    Action action;
    int number;
    int parameter;
};
const std::array<ConvertEntry, 18> convertEntries = {{
    {QT_TRANSLATE_NOOP("Filters", "Grayscale"), Action::Filter, FilterNumber::Grayscale, 0},
    {QT_TRANSLATE_NOOP("Filters", "Negative"), Action::Filter, FilterNumber::Negative, 0},
    {QT_TRANSLATE_NOOP("Filters", "Light"), Action::Filter, FilterNumber::Brightness, 4},
    {QT_TRANSLATE_NOOP("Filters", "Dark"), Action::Filter, FilterNumber::Brightness, -4},
    {QT_TRANSLATE_NOOP("Filters", "Sharpen"), Action::Filter, FilterNumber::Sharpen, 10},
    {QT_TRANSLATE_NOOP("Filters", "Contrast"), Action::Nothing, 0, 0}, // submenu
    {QT_TRANSLATE_NOOP("Filters", "Pixelize"), Action::Filter, FilterNumber::Pixelize, 3},
    {QT_TRANSLATE_NOOP("Filters", "Reliëf"), Action::Filter, FilterNumber::Relief, 0},
    {QT_TRANSLATE_NOOP("Filters", "Swap Colors"), Action::Nothing, 0, 0}, // submenu
    {QT_TRANSLATE_NOOP("Filters", "Scattered"), Action::Filter, FilterNumber::Scattered, 15},
    {QT_TRANSLATE_NOOP("Filters", "Blur"), Action::Filter, FilterNumber::Blur, 0},
    {QT_TRANSLATE_NOOP("Filters", "Aquarel"), Action::Filter, FilterNumber::Aquarel, 0},
    {QT_TRANSLATE_NOOP("Filters", "Defuse"), Action::Filter, FilterNumber::Defuse, 6},
    {QT_TRANSLATE_NOOP("Filters", "Add noise"), Action::Filter, FilterNumber::AddNoise, 50},
    {QT_TRANSLATE_NOOP("Filters", "Edge"), Action::Filter, FilterNumber::Edge, 1},
    {QT_TRANSLATE_NOOP("Filters", "Contour"), Action::Filter, FilterNumber::Contour, int(RGB(255, 255, 255))}, // in white
    {QT_TRANSLATE_NOOP("Filters", "Transparant"), Action::TransparentOverlay, 0, 0},
    {QT_TRANSLATE_NOOP("Filters", "Sepia"), Action::Sepia, FilterNumber::Grayscale, 0}, // grey first
}};
const char* const contrastCaptions[] = { // 1, 2
    QT_TRANSLATE_NOOP("Filters", "Positive"), QT_TRANSLATE_NOOP("Filters", "Negative")};
const char* const swapCaptions[] = { // 1..5
    QT_TRANSLATE_NOOP("Filters", "RGB --> BRG"), QT_TRANSLATE_NOOP("Filters", "RGB --> GBR"),
    QT_TRANSLATE_NOOP("Filters", "RGB --> RBG"), QT_TRANSLATE_NOOP("Filters", "RGB --> BGR"),
    QT_TRANSLATE_NOOP("Filters", "RGB --> GRB")};
const char* const flipCaptions[] = {
    QT_TRANSLATE_NOOP("Filters", "Flip Horizontaal"), QT_TRANSLATE_NOOP("Filters", "Flip Vertikaal"),
    QT_TRANSLATE_NOOP("Filters", "Flip Rechts"),      QT_TRANSLATE_NOOP("Filters", "Flip Boven"),
    QT_TRANSLATE_NOOP("Filters", "Kaart Kantelen")};

QImage& tiltPicture()
{
    static QImage picture;
    return picture;
}

}

int filterMenuFirst(FilterMenu menu)
{
    return menu == FilterMenu::Contrast || menu == FilterMenu::Swap ? 1 : 0;
}

int filterMenuEnd(FilterMenu menu)
{
    switch (menu) {
    case FilterMenu::Filters:
        return int(convertEntries.size());
    case FilterMenu::Contrast:
        return 1 + int(std::size(contrastCaptions));
    case FilterMenu::Swap:
        return 1 + int(std::size(swapCaptions));
    case FilterMenu::Flips:
        return int(std::size(flipCaptions));
    }
    return 0;
}

QString filterMenuCaption(FilterMenu menu, int index)
{
    if (index < filterMenuFirst(menu) || index >= filterMenuEnd(menu))
        return QString();
    const int at = index - filterMenuFirst(menu);
    const auto translated = [](const char* caption) { return QCoreApplication::translate("Filters", caption); };
    switch (menu) {
    case FilterMenu::Filters:
        return translated(convertEntries[std::size_t(at)].caption);
    case FilterMenu::Contrast:
        return translated(contrastCaptions[at]);
    case FilterMenu::Swap:
        return translated(swapCaptions[at]);
    case FilterMenu::Flips:
        return translated(flipCaptions[at]);
    }
    return QString();
}

FilterOperation::FilterOperation(FilterMenu menu, int index, Rgb fillColor, Random::State random)
    : menu_(menu), index_(index), fillColor_(fillColor), random_(random)
{
}

OperationKind FilterOperation::kind() const
{
    return menu_ == FilterMenu::Flips ? OperationKind::Conversion : OperationKind::Filter;
}

bool FilterOperation::acts() const
{
    if (index_ < filterMenuFirst(menu_) || index_ >= filterMenuEnd(menu_))
        return false;
    return menu_ != FilterMenu::Filters || convertEntries[std::size_t(index_)].action != Action::Nothing;
}

QString FilterOperation::name() const
{
    const QString caption = filterMenuCaption(menu_, index_);
    const auto inSubmenu = [&caption](int submenu) {
        const QString submenuCaption = filterMenuCaption(FilterMenu::Filters, submenu);
        //: A step of a submenu: the submenu's name (%1), then the entry's (%2), as in "Contrast Positive".
        return QCoreApplication::translate("Filters", "%1 %2").arg(submenuCaption, caption);
    };
    switch (menu_) {
    case FilterMenu::Contrast:
        return inSubmenu(5);
    case FilterMenu::Swap:
        return inSubmenu(8);
    default:
        return caption;
    }
}

void FilterOperation::draw(CardSurface& card, const ProgressDisplays& progress) const
{
    if (!acts())
        return;
    // Scattered and noise draw from the shared generator: from where it stood for this operation.
    Random::setState(random_);
    switch (menu_) {
    case FilterMenu::Filters: {
        const ConvertEntry& entry = convertEntries[std::size_t(index_)];
        switch (entry.action) {
        case Action::Nothing:
            break;
        case Action::Filter:
            RunFilter(entry.number, card, entry.parameter, progress.filters);
            break;
        case Action::TransparentOverlay:
            Transparent(card, &progress.effects, fillColor_.r, fillColor_.g, fillColor_.b);
            break;
        case Action::Sepia:
            RunFilter(entry.number, card, entry.parameter, progress.filters);
            SepiaTone(card, &progress.effects);
            break;
        }
        break;
    }
    case FilterMenu::Contrast:
        RunFilter(FilterNumber::Contrast, card, index_ == 1 ? 10 : -10, progress.filters);
        break;
    case FilterMenu::Swap:
        RunFilter(FilterNumber::SwapColors, card, index_, progress.filters);
        break;
    case FilterMenu::Flips:
        switch (index_) {
        case 0:
            FlipHorizontal(card);
            break;
        case 1:
            FlipVertical(card);
            break;
        case 2:
            MirrorRight(card, &progress.effects);
            break;
        case 3:
            MirrorDown(card, &progress.effects);
            break;
        default:
            TiltCard(card, tiltPicture(), &progress.effects);
            break;
        }
        break;
    }
}

const QImage& lastTiltPicture()
{
    return tiltPicture();
}

QJsonObject FilterOperation::parameters(PhotoList&) const
{
    QJsonArray random;
    for (std::uint64_t word : random_.words)
        random.append(ParameterValue::word(word));
    return {{"menu", int(menu_)}, {"index", index_}, {"fillColour", ParameterValue::colour(fillColor_)}, {"random", random}};
}

Operation FilterOperation::read(ParameterReader& parameters)
{
    const auto menu = FilterMenu(parameters.integer("menu", int(FilterMenu::Filters), int(FilterMenu::Flips)));
    const int index = parameters.integer("index", filterMenuFirst(menu), filterMenuEnd(menu) - 1);
    const Rgb fill = parameters.colour("fillColour");
    const QJsonArray words = parameters.array("random", 4);
    ParameterReader state({{"0", words.at(0)}, {"1", words.at(1)}, {"2", words.at(2)}, {"3", words.at(3)}});
    Random::State random{{state.word("0"), state.word("1"), state.word("2"), state.word("3")}};
    // An all-zero state would give zeros for ever; the generator never reaches it.
    if (!state.ok() || (random.words[0] | random.words[1] | random.words[2] | random.words[3]) == 0)
        parameters.refuse("random");
    return parameters.ok() ? std::make_shared<FilterOperation>(menu, index, fill, random) : nullptr;
}
