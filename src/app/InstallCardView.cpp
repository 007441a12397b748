// The "Beeld" menu: the card's zoom, its entries kept in step with it, and
// the help text that grows with the card.
#include "app/Main.h"
#include "app/Subsystems.h"
#include "platform/CardScrollArea.h"
#include "platform/CardZoom.h"
#include "platform/PictureBox.h"
#include "platform/Settings.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>

namespace {

// The entry of a zoom choice; none for a step that has no entry of its own (150%).
QAction* entryFor(Main& main, int choice)
{
    if (choice == CardZoom::Fit)
        return main.BeeldPassend;
    for (int index = 1; index < int(main.BeeldZoom.size()); ++index)
        if (choice == index * 100)
            return main.BeeldZoom[index];
    return nullptr;
}

void showChoice(Main& main, int choice)
{
    if (QAction* entry = entryFor(main, choice))
        entry->setChecked(true);
    else if (QAction* checked = main.BeeldPassend->actionGroup()->checkedAction())
        checked->setChecked(false);
}

// The help stands in the panel instead of the card: it grows with the card,
// as far as the panel holds it.
void scaleHelp(Main& main, const QFont& designed)
{
    const int percent = std::min(main.Voorkant->zoom(), main.VoorkantScroll->fittingZoom());
    QFont font = designed;
    font.setPointSizeF(designed.pointSizeF() * percent / 100.0);
    main.HelpLabel->setFont(font);
}

}

void installCardView(Main& main)
{
    CardScrollArea* panel = main.VoorkantScroll;
    QObject::connect(panel, &CardScrollArea::zoomChoiceChanged, &main, [&main](int choice) { showChoice(main, choice); });
    QObject::connect(main.BeeldPassend, &QAction::triggered, panel, [panel] { panel->setZoomChoice(CardZoom::Fit); });
    for (int index = 1; index < int(main.BeeldZoom.size()); ++index)
        QObject::connect(main.BeeldZoom[index], &QAction::triggered, panel, [panel, index] { panel->setZoomChoice(index * 100); });
    QObject::connect(main.BeeldInzoomen, &QAction::triggered, panel, &CardScrollArea::zoomIn);
    QObject::connect(main.BeeldUitzoomen, &QAction::triggered, panel, &CardScrollArea::zoomOut);
    panel->layOutNow();
    panel->setZoomChoice(Settings::viewZoom());
    showChoice(main, panel->zoomChoice());

    const QFont designed = main.HelpLabel->font();
    const auto help = [&main, designed] { scaleHelp(main, designed); };
    QObject::connect(main.Voorkant, &PictureBox::zoomChanged, main.HelpLabel, help);
    QObject::connect(main.HelpHelp, &QAction::triggered, main.HelpLabel, help);
    help();
}
