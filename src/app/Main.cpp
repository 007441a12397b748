#include "app/Main.h"

#include "app/CardAutosave.h"
#include "app/MainContext.h"
#include "app/Plaatjes.h"
#include "platform/BusyGuard.h"
#include "platform/Settings.h"
#include "app/StepsDock.h"
#include "app/Subsystems.h"
#include "drawing/ToolTable.h"
#include "platform/Twips.h"
#include "editor/CardLayouts.h"
#include "editor/ClockAndHelp.h"
#include "editor/CardEditing.h"
#include "editor/PhotoAdjusting.h"
#include "editor/PhotoOpen.h"
#include "editor/TextSelection.h"
#include "platform/ClickableLabel.h"
#include "platform/DesignedLayout.h"
#include "platform/DesktopShell.h"
#include "platform/Dialogs.h"
#include "platform/CardScrollArea.h"
#include "platform/PictureBox.h"
#include "platform/ProgramFolder.h"
#include "printing/PrintSettingsStore.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QFontMetricsF>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QSlider>
#include <QTimer>
#include <algorithm>

Main::Main(QWidget* parent)
    : QMainWindow(parent), card(CardSurface::CardWidth, CardSurface::CardHeight),
      history(card, [this] { return cardLayoutState(); },
              [this](const CardLayoutState& layoutState) { applyCardLayoutState(layoutState); },
              [this](const CardLayoutState& layoutState) { replay.replay(card, layoutState.document); }),
      barSurface(242, 22)
{
    setObjectName("Main");
    context_ = std::make_unique<MainContext>(*this);
    connect(&BusyGuard::notifier(), &BusyNotifier::freed, this, &Main::askKeptCloseRequest);
    // The window is designed around an 8-point sans-serif face.
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    loadRememberedSettings(printSettings);
    buildMenus();
    buildControls();

    restoreWindowGeometry();

    paintSwatches();
    setWindowTitle(" Prentvel");

    KlokTimer = new QTimer(this);
    KlokTimer->setObjectName("KlokTimer");
    KlokTimer->setInterval(1000);
    BarTimer = new QTimer(this);
    BarTimer->setObjectName("BarTimer");
    BarTimer->setInterval(1);

    connectEvents();
    KlokTimer->start();
    KlokTimer_Timer();

    installPhotosTextAndSaving(*this);
    installDrawingTools(*this);
    installGradientsAndFrames(*this);
    installFilters(*this);
    installAddressBook(*this);
    installPrinting(*this);
    installCardView(*this);
    installSteps(*this);
    installCardSides(*this);
    installCardFiles(*this);
    installLanguageMenu(*this);

    history.setDocumentKeeper([this](const CardDocument& document) { state.document = document; });
    // A text picked in the list of steps is selected on the card.
    connect(this, &Main::textStepChosen, this, [this](int index) { selectText(context(), index); });
    showFrameOutlines(context());
}

Main::~Main()
{
    // A photo still being dragged lets go of the card before the card goes.
    state.photoDrag.reset();
    state.toolDrag.reset();
    state.textEditing.reset();
}

QSize Main::designedClientSize()
{
    // The designed outer size is 12090 x 8100 twips; the client area holds
    // the panels (down to the banner at 7245 twips) below the menu bar.
    return {twipsToPixels(12090) - 8, twipsToPixels(7290)};
}

// The window opens at the size and place it had when it last closed (a damaged
// value is ignored), never smaller than designed, and is laid out at once so
// that it has its geometry before it is first shown.
void Main::restoreWindowGeometry()
{
    const QSize designed = designedClientSize() + QSize(0, menuBar()->sizeHint().height());
    setMinimumSize(designed);
    resize(designed);
    const QByteArray remembered = Settings::windowGeometry();
    if (!remembered.isEmpty() && !restoreGeometry(remembered))
        resize(designed);
    // (`layout` is the menu "Layout" here.)
    for (QLayout* region : {QMainWindow::layout(), centralWidget()->layout(), static_cast<QLayout*>(cardPanelLayout)})
        region->activate();
}

void Main::connectEvents()
{
    for (int index : Layout::Entries)
        connect(LayoutKaart[index], &QAction::triggered, this, [this, index] { LayoutKaart_Click(index); });
    connect(FileNieuw, &QAction::triggered, this, &Main::FileNieuw_Click);
    connect(FileExit, &QAction::triggered, this, &QWidget::close);
    connect(ToolsUndo, &QAction::triggered, this, &Main::ToolsUndo_Click);
    connect(ToolsRedo, &QAction::triggered, this, &Main::ToolsRedo_Click);
    ToolsUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    ToolsRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    ToolsUndo->setEnabled(false);
    ToolsRedo->setEnabled(false);
    connect(&history.stack(), &QUndoStack::canUndoChanged, ToolsUndo, &QAction::setEnabled);
    connect(&history.stack(), &QUndoStack::canRedoChanged, ToolsRedo, &QAction::setEnabled);
    // The entries name the edit they take back or bring back; the help line
    // shows it while an entry is highlighted.
    connect(&history.stack(), &QUndoStack::indexChanged, this, &Main::nameUndoEntries);
    nameUndoEntries();
    for (QAction* entry : {ToolsUndo, ToolsRedo})
        connect(entry, &QAction::hovered, this, [this, entry] { showInformationLine(entry->statusTip()); });
    for (QMenu* menu : {Tools, Bewerken})
        connect(menu, &QMenu::aboutToHide, this, [this] { showInformationLine(shownInformation(state.information)); });
    connect(Voorkant, &PictureBox::keyDown, this, [this](int keyCode, int shift) {
        constexpr int ShiftBit = 1, CtrlBit = 2;
        if (keyCode == Qt::Key_Z && (shift & CtrlBit) && !(shift & ShiftBit))
            ToolsUndo_Click();
    });
    LayoutBijsnijden->setChecked(Settings::cropPhotos());
    connect(LayoutBijsnijden, &QAction::toggled, this, [](bool on) { Settings::setCropPhotos(on); });
    connect(HelpHelp, &QAction::triggered, this, &Main::HelpHelp_Click);
    connect(HelpHelppdf, &QAction::triggered, this, [this] { OpenDocument(this, manualPath()); });
    connect(HelpSoftware, &QAction::triggered, this, [this] { OpenDocument(this, SoftwarePageAddress); });
    connect(HelpZilverhoek, &QAction::triggered, this, [this] { OpenDocument(this, SecondSiteAddress); });
    connect(HelpDownload, &QAction::triggered, this, [this] { OpenDocument(this, DownloadPageAddress); });
    connect(KlokTimer, &QTimer::timeout, this, &Main::KlokTimer_Timer);
    connect(BarTimer, &QTimer::timeout, this, &Main::BarTimer_Timer);
}

void Main::nameUndoEntries()
{
    const QString undo = tr("Ongedaan maken: %1").arg(history.undoName());
    const QString redo = tr("Opnieuw: %1").arg(history.redoName());
    ToolsUndo->setStatusTip(undo);
    ToolsUndo->setToolTip(undo);
    ToolsRedo->setStatusTip(redo);
    ToolsRedo->setToolTip(redo);
}

void Main::ToolsUndo_Click()
{
    finishTextEditing(context());
    history.undo();
    // Undoing the back's template undoes showing the back: the front comes back.
    if (state.side == CardSide::Back && state.document.empty())
        switchSide(CardSide::Front);
}

void Main::ToolsRedo_Click()
{
    finishTextEditing(context());
    history.redo();
}

CardLayoutState Main::cardLayoutState() const
{
    return {state.currentLayout, state.frameX,   state.frameY,       state.frameWidth, state.frameHeight,
            state.currentTool,   state.information, state.document, state.photoCaption, state.side, state.hiddenSide};
}

// The help line and the tool label follow a step only when it changes the
// layout or the tool, so that a passing text (as while placing text) is not
// brought back. The tool buttons work in the drawing layout alone.
void Main::applyCardLayoutState(const CardLayoutState& layoutState)
{
    if (layoutState.layout != state.currentLayout)
        setInformation(layoutState.info);
    if (layoutState.currentTool != state.currentTool)
        setToolCaption(drawingToolCaption(layoutState.currentTool));
    state.currentLayout = layoutState.layout;
    state.frameX = layoutState.frameX;
    state.frameY = layoutState.frameY;
    state.frameWidth = layoutState.frameWidth;
    state.frameHeight = layoutState.frameHeight;
    for (QAction* entry : LayoutKaart)
        if (entry && entry->isCheckable())
            entry->setChecked(entry == LayoutKaart[std::size_t(std::clamp(layoutState.layout, 0, Layout::LastIndex))]);
    setToolButtonsEnabled(layoutState.layout == Layout::FreeDrawing);
    state.currentTool = layoutState.currentTool;
    state.document = layoutState.document;
    state.hiddenSide = layoutState.hidden;
    // A selection ends when the history changes the card under it.
    state.selectedText = -1;
    context().overlays().showSelection(QRect());
    setPhotoCaption(layoutState.photoCaption);
    showFrameOutlines(context());
}

void Main::setInformation(const QString& text)
{
    state.information = text;
    showInformationLine(shownInformation(text));
}

// A line longer than the help line's room is shown in a smaller letter, whole.
void Main::showInformationLine(const QString& text)
{
    QFont face = font();
    const int room = InfoLabel->contentsRect().width();
    while (face.pointSizeF() > 6 && QFontMetricsF(face).horizontalAdvance(text) > room)
        face.setPointSizeF(face.pointSizeF() - 0.5);
    InfoLabel->setFont(face);
    InfoLabel->setText(text);
}

void Main::paintSwatches()
{
    setBackground(Label3, state.drawColor.color());
    setBackground(Label4, state.fillColor.color());
}

void Main::setToolButtonsEnabled(bool enabled)
{
    for (int n = 1; n <= ToolCount; ++n)
        Knop[n]->setEnabled(enabled);
}

// "Adreszijde" shows the back; every other layout applies to the side shown.
void Main::LayoutKaart_Click(int index)
{
    finishTextEditing(context());
    if (index == Layout::AddressSide)
        showSide(CardSide::Back);
    CardHistory::Change change(history);
    chooseLayout(index);
}

void Main::chooseLayout(int index)
{
    setToolButtonsEnabled(false);
    setToolCaption(drawingToolCaption(DrawingTool::NoTool));
    for (QAction* entry : LayoutKaart)
        if (entry && entry->isCheckable())
            entry->setChecked(false);
    state.currentTool = DrawingTool::NoTool;
    if (const CardLayout* chosen = photoLayout(index)) {
        state.frameX = chosen->firstX;
        state.frameY = chosen->firstY;
        state.frameWidth = chosen->frameWidth;
        state.frameHeight = chosen->frameHeight;
        setInformation(layoutInfoText(index));
    } else if (index == Layout::FreeDrawing) {
        setInformation(layoutInfoText(Layout::FreeDrawing));
        setToolButtonsEnabled(true);
    } else if (index == Layout::AddressSide) {
        setInformation(QString());
    }
    state.currentLayout = index;
    if (index >= 1 && index < int(LayoutKaart.size()) && LayoutKaart[index])
        LayoutKaart[index]->setChecked(true);
    showFrameOutlines(context());
}

void Main::FileNieuw_Click()
{
    if (!askKeepingUnsavedWork(tr("Wilt u een nieuwe kaart ontwerpen?"), tr(" Nieuw")))
        return;
    // The new card has nothing to lose, and no file; undoing it brings the old card back, unsaved.
    const QScopeGuard freshCard([this] {
        unsavedWork.markSaved();
        cardFile_.clear();
        autosaveNow();
        showCaption();
    });
    endPhotoDrag(context());
    finishTextEditing(context());
    // Both sides start empty; the new card shows its front.
    showSide(CardSide::Front);
    state.selectedText = -1;
    context().overlays().showSelection(QRect());
    CardHistory::Change change(history);
    history.nameChange([] { return tr("Nieuw"); });
    state.document = CardDocument();
    state.hiddenSide = nullptr;
    card.clear();
    replay.remember(card, state.document);
    setInformation(QStringLiteral(QT_TRANSLATE_NOOP("Main", "Kies een layout...")));
    setToolButtonsEnabled(false);
    setToolCaption(drawingToolCaption(DrawingTool::NoTool));
    state.currentTool = DrawingTool::NoTool;
    for (QAction* entry : LayoutKaart)
        if (entry && entry->isCheckable())
            entry->setChecked(entry == LayoutKaart[Layout::FirstPhotoLayout]);
    state.currentLayout = Layout::FirstPhotoLayout;
    state.frameX = 0;
    state.frameY = 0;
    state.frameWidth = 515;
    state.frameHeight = 365;
    showFrameOutlines(context());
}

// With unsaved work the question warns first and proposes "Nee".
bool Main::askKeepingUnsavedWork(const QString& question, const QString& title)
{
    return Dialogs::askYesNo(this, unsavedWork.question(question), title, Dialogs::Icon::Question,
                             unsavedWork.unsaved() ? Dialogs::Answer::No : Dialogs::Answer::Yes);
}

void Main::setToolCaption(const QString& caption)
{
    Label1->setText(caption);
    Label1->adjustSize();
}

void Main::setPhotoCaption(const QString& caption)
{
    // A menu entry takes "&" as the sign of a shortcut letter.
    state.photoCaption = caption;
    NaamEnGrootte->setText(shownPhotoCaption(caption).replace(QLatin1Char('&'), QLatin1String("&&")));
}

void Main::retranslateDynamicTexts()
{
    showCaption();
    fillRecentMenu();
    nameUndoEntries();
    showCardSteps(*this);
    StappenDock->retranslate();
    showInformationLine(shownInformation(state.information));
    setToolCaption(drawingToolCaption(state.currentTool));
    setPhotoCaption(state.photoCaption);
    showLineWidth(*this);
    for (int n = 1; n <= ToolCount; ++n)
        Knop[n]->setToolTip(drawingToolTip(n));
    KlokLabel->setText(clockCaption(QDateTime::currentDateTime()));
    if (!HelpLabel->text().isEmpty())
        HelpLabel->setText(helpText());
    showSharpPicture(TitelLabel, Plaatjes::titlePicture);
}

CardContext& Main::context()
{
    return *context_;
}

bool Main::isBusy()
{
    return BusyGuard::held();
}

void Main::askKeptCloseRequest()
{
    if (!closeRequested_)
        return;
    closeRequested_ = false;
    // Asked from the event loop, after the handler that held the window busy has returned.
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void Main::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateDynamicTexts();
    QMainWindow::changeEvent(event);
}

void Main::closeEvent(QCloseEvent* event)
{
    if (isBusy()) {
        closeRequested_ = true;
        event->ignore();
        return;
    }
    // A second request while the question is open needs no second question.
    if (askingToClose_) {
        event->ignore();
        return;
    }
    const QScopedValueRollback<bool> asking(askingToClose_, true);
    if (!askKeepingUnsavedWork(tr("Wilt u dit programma nu afsluiten?"), tr(" Exit programma"))) {
        event->ignore();
        return;
    }
    event->accept();
    autosave_->discard();
    autosave_->waitForDone();
    Settings::setViewZoom(VoorkantScroll->zoomChoice());
    Settings::setWindowGeometry(saveGeometry());
    // The whole program ends: every other window closes too, nothing is saved.
    // A floating list of steps goes with this window, its choice kept.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window != StappenDock && window->isVisible())
            window->close();
    QCoreApplication::quit();
}

void Main::HelpHelp_Click()
{
    if (HelpLabel->isHidden()) {
        VoorkantScroll->hide();
        HelpHelp->setChecked(true);
        HelpLabel->setText(helpText());
        HelpLabel->show();
        HelpLabel->raise();
    } else {
        VoorkantScroll->show();
        HelpLabel->hide();
        HelpHelp->setChecked(false);
    }
}

void Main::KlokTimer_Timer()
{
    const QDateTime now = QDateTime::currentDateTime();
    KlokLabel->setText(clockCaption(now));
    if (const int item = cornerPictureForSecond(now.time().second()))
        showSharpPicture(HoekPic, Plaatjes::picture(item));
}

void Main::startProgressStrip()
{
    BarTimer->start();
    Bar->show();
    Bar->raise();
}

void Main::stopProgressStrip()
{
    BarTimer->stop();
    barSurface.clear();
    Bar->hide();
}

void Main::BarTimer_Timer()
{
    barSurface.fillColor = RGB(0, 0, 160);
    barSurface.fillStyle = PictureSurface::Solid;
    barSurface.box(1, 1, state.progressPercent * 2.4, 15, RGB(0, 0, 160));
    barSurface.fillStyle = PictureSurface::Transparent;
    barSurface.refresh();
    if (state.progressPercent == 100) {
        barSurface.clear();
        BarTimer->stop();
    }
}
