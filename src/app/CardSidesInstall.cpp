// The card's two sides: "Beeld > Voorkant" and "Beeld > Adreszijde" switch
// between them. Each side keeps its own document, layout, frame and tool; the
// side not shown waits in the editor state and is drawn again from its
// document (mostly from a checkpoint) when it comes back.
#include "app/Main.h"
#include "app/Subsystems.h"
#include "editor/CardEditing.h"
#include "editor/PhotoAdjusting.h"
#include "editor/TextSelection.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

void Main::showSide(CardSide side)
{
    if (side != state.side) {
        finishTextEditing(context());
        endTextSelection(context());
        endPhotoDrag(context());
        switchSide(side);
    }
    // An empty back is the address side's template, as its first step.
    if (side == CardSide::Back && state.document.empty()) {
        CardHistory::Change change(history);
        chooseLayout(Layout::AddressSide);
        addOperation(context(), std::make_shared<AddressSideTemplate>());
    }
}

void Main::switchSide(CardSide side)
{
    if (side != state.side) {
        replay.remember(card, state.document);
        CardLayoutState leaving = cardLayoutState();
        leaving.hidden = nullptr;
        CardLayoutState coming = state.hiddenSide ? *state.hiddenSide : CardLayoutState();
        coming.side = side;
        coming.hidden = std::make_shared<const CardLayoutState>(std::move(leaving));
        state.side = side;
        replay.replay(card, coming.document);
        card.refresh();
        applyCardLayoutState(coming);
        setInformation(coming.info);
    }
    Q_EMIT sideShown();
}

QImage Main::sidePicture(CardSide side, bool printCopy)
{
    if (side == state.side)
        return printCopy && card.hasPrintCopy() ? card.printImage() : card.image();
    CardDocument document = state.hiddenSide ? state.hiddenSide->document : CardDocument();
    if (document.empty() && side == CardSide::Back)
        document = document.adding(std::make_shared<AddressSideTemplate>());
    CardSurface drawn;
    replay.replay(drawn, document);
    return printCopy ? drawn.printImage() : drawn.image();
}

void installCardSides(Main& main)
{
    auto* sides = new QActionGroup(main.Beeld);
    main.Beeld->addSeparator()->setObjectName("BeeldStreep3");
    main.BeeldVoorkant = main.Beeld->addAction(Main::tr("Voorkant"));
    main.BeeldVoorkant->setObjectName("BeeldVoorkant");
    main.BeeldVoorkant->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    main.BeeldAchterkant = main.Beeld->addAction(Main::tr("Adreszijde"));
    main.BeeldAchterkant->setObjectName("BeeldAchterkant");
    main.BeeldAchterkant->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    for (QAction* entry : {main.BeeldVoorkant, main.BeeldAchterkant}) {
        entry->setCheckable(true);
        sides->addAction(entry);
    }
    main.BeeldVoorkant->setChecked(true);
    QObject::connect(main.BeeldVoorkant, &QAction::triggered, &main, [&main] { main.showSide(CardSide::Front); });
    QObject::connect(main.BeeldAchterkant, &QAction::triggered, &main, [&main] { main.showSide(CardSide::Back); });
    // Undo, redo and "Nieuw" may change the side shown too.
    QObject::connect(&main, &Main::sideShown, &main, [&main] {
        (main.state.side == CardSide::Front ? main.BeeldVoorkant : main.BeeldAchterkant)->setChecked(true);
    });
    main.history.setSideShower([&main](CardSide side) { main.switchSide(side); });
}
