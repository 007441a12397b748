// The dock of the card's steps: the list follows every edit, undo and redo;
// picking a photo makes its frame current, picking a text is handed on
// (Main::textStepChosen); "Verwijder stap" takes the step out as one undo step.
// Docked, the dock takes room beside the designed client area: the window
// grows for it, so that the designed controls keep their places.
#include "app/Main.h"
#include "app/StepsDock.h"
#include "app/Subsystems.h"
#include "editor/CardEditing.h"
#include "editor/CardSteps.h"
#include "platform/Settings.h"

#include <QAction>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace {

// The width a docked dock takes beside the central area, separator included.
int dockedRoom(Main& main)
{
    return StepsDock::DockedWidth + main.style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, &main);
}

bool docked(const StepsDock* dock)
{
    return !dock->isHidden() && !dock->isFloating();
}

// Keeps the window's minimum at the designed client area plus a docked dock,
// growing the window when the dock docks and giving the width back when it goes.
class DockRoom : public QObject {
public:
    DockRoom(Main& main, StepsDock* dock) : QObject(dock), main_(main), dock_(dock) {}

    void update()
    {
        const QSize designed = Main::designedClientSize() + QSize(0, main_.menuBar()->sizeHint().height());
        const int room = docked(dock_) ? dockedRoom(main_) : 0;
        // A larger minimum widens the window at once: its width is read first.
        const int width = main_.width();
        int wanted = width;
        if (main_.isMaximized() || main_.isFullScreen())
            grown_ = 0;
        else if (room > 0)
            wanted = std::max(width, designed.width() + room);
        else
            wanted = std::max(designed.width(), width - grown_);
        grown_ = room > 0 ? grown_ + wanted - width : 0;
        main_.setMinimumSize(designed + QSize(room, 0));
        if (wanted != main_.width())
            main_.resize(wanted, main_.height());
        if (room > 0)
            main_.resizeDocks({dock_}, {StepsDock::DockedWidth}, Qt::Horizontal);
        main_.QMainWindow::layout()->activate();
    }

private:
    Main& main_;
    StepsDock* dock_;
    int grown_ = 0; // width the window took on for the dock
};

// At the first start the list shows when the screen leaves room for it beside the designed window.
bool shownAtStart(Main& main)
{
    if (const std::optional<bool> remembered = Settings::stepsShown())
        return *remembered;
    const QScreen* screen = main.screen();
    return screen && Main::designedClientSize().width() + dockedRoom(main) <= screen->availableGeometry().width();
}

}

// The list shows the side shown, and its title says which.
void showCardSteps(Main& main)
{
    main.StappenDock->setWindowTitle(main.state.side == CardSide::Front ? Main::tr("Stappen: voorkant")
                                                                        : Main::tr("Stappen: adreszijde"));
    main.StappenDock->showSteps(cardSteps(main.state.document, main.history.redoableAdditions(main.state.side)));
}

void installSteps(Main& main)
{
    auto* dock = new StepsDock(&main);
    main.StappenDock = dock;
    main.Stappen = dock->list();
    main.VerwijderStap = dock->removeEntry();
    main.addDockWidget(Qt::RightDockWidgetArea, dock);

    // The entry follows the dock (it shows once the window does); choosing it
    // or the dock's close button is what is remembered.
    main.BeeldStappen = new QAction(Main::tr("Stappen"), dock);
    main.BeeldStappen->setObjectName("BeeldStappen");
    main.BeeldStappen->setCheckable(true);
    QObject::connect(dock->toggleViewAction(), &QAction::toggled, main.BeeldStappen, &QAction::setChecked);
    main.Beeld->addSeparator()->setObjectName("BeeldStreep2");
    main.Beeld->addAction(main.BeeldStappen);

    const auto refresh = [&main] { showCardSteps(main); };
    QObject::connect(&main.history.stack(), &QUndoStack::indexChanged, dock, refresh);
    QObject::connect(&main, &Main::sideShown, dock, refresh);
    refresh();

    QObject::connect(dock, &StepsDock::stepChosen, &main, [&main](int index, OperationKind kind) {
        if (kind == OperationKind::Text)
            Q_EMIT main.textStepChosen(index);
        else
            choosePhotoFrame(main.context(), index);
    });
    QObject::connect(dock, &StepsDock::removeRequested, &main, [&main](int index) { removeOperation(main.context(), index); });

    auto* room = new DockRoom(main, dock);
    const bool shown = shownAtStart(main);
    dock->setVisible(shown);
    main.BeeldStappen->setChecked(shown);
    room->update();
    QObject::connect(main.BeeldStappen, &QAction::triggered, dock, [dock, room](bool on) {
        dock->setVisible(on);
        Settings::setStepsShown(on);
        room->update();
    });
    QObject::connect(dock, &StepsDock::closedByUser, room, [&main, room] {
        main.BeeldStappen->setChecked(false);
        Settings::setStepsShown(false);
        room->update();
    });
    QObject::connect(dock, &QDockWidget::topLevelChanged, room, [room] { room->update(); });
}
