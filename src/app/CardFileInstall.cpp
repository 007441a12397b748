// The card file in the window: "Kaart bewaren", opening a card, the caption
// naming the file, the recent cards, and the autosave with its recovery.
#include "app/CardAutosave.h"
#include "app/Main.h"
#include "drawing/ToolTable.h"
#include "app/Subsystems.h"
#include "document/CardFile.h"
#include "editor/PhotoAdjusting.h"
#include "editor/PhotoOpen.h"
#include "editor/TextSelection.h"
#include "platform/BusyPointer.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QShowEvent>
#include <QTimer>

namespace {

QString openTitle() { return Main::tr(" Kaart openen"); }
QString saveTitle() { return Main::tr(" Kaart bewaren"); }
QString recoveryTitle() { return Main::tr(" Herstellen"); }
constexpr int CardFileHead = 512; // bytes read to recognise a card file

QString withSuffix(const QString& path)
{
    const QString suffix = QLatin1Char('.') + CardFile::Suffix;
    return path.endsWith(suffix, Qt::CaseInsensitive) ? path : path + suffix;
}

}

CardFileContent Main::cardFileContent() const
{
    CardLayoutState shown = cardLayoutState();
    shown.hidden = nullptr;
    CardLayoutState other = state.hiddenSide ? *state.hiddenSide : CardLayoutState();
    other.side = state.side == CardSide::Front ? CardSide::Back : CardSide::Front;
    other.hidden = nullptr;
    CardFileContent content;
    content.shown = state.side;
    (state.side == CardSide::Front ? content.front : content.back) = std::move(shown);
    (state.side == CardSide::Front ? content.back : content.front) = std::move(other);
    return content;
}

void Main::loadCardFileContent(const CardFileContent& content)
{
    endPhotoDrag(context());
    finishTextEditing(context());
    endTextSelection(context());
    BusyPointer busy;
    const bool front = content.shown == CardSide::Front;
    CardLayoutState shown = front ? content.front : content.back;
    CardLayoutState other = front ? content.back : content.front;
    shown.side = content.shown;
    other.side = front ? CardSide::Back : CardSide::Front;
    other.hidden = nullptr;
    shown.hidden = other.document.empty() ? nullptr : std::make_shared<const CardLayoutState>(std::move(other));
    state.side = content.shown;
    replay.clear();
    card.clear();
    replay.replay(card, shown.document);
    card.refresh();
    applyCardLayoutState(shown);
    setToolCaption(drawingToolCaption(shown.currentTool));
    setInformation(shown.info);
    history.clear();
    Q_EMIT sideShown();
}

bool Main::openCardFileIfCard(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !CardFile::looksLikeCardFile(file.read(CardFileHead)))
        return false;
    file.close();
    openCardFile(path);
    return true;
}

void Main::openCardFile(const QString& path)
{
    QString error;
    std::optional<CardFileContent> content;
    {
        BusyPointer busy;
        content = CardFile::read(path, error);
    }
    if (!content) {
        Dialogs::showMessage(this, error, openTitle(), Dialogs::Icon::Warning);
        return;
    }
    if (unsavedWork.unsaved() && !askKeepingUnsavedWork(tr("Wilt u een andere kaart openen?"), openTitle()))
        return;
    loadCardFileContent(*content);
    cardFile_ = QFileInfo(path).absoluteFilePath();
    unsavedWork.markSaved();
    autosave_->discard();
    rememberRecentCard(cardFile_);
    showCaption();
}

void Main::openNamedFile(const QString& path)
{
    if (!openCardFileIfCard(path))
        openPhotoFile(context(), path);
}

bool Main::saveCardFile(bool askName)
{
    finishTextEditing(context());
    QString path = askName ? QString() : cardFile_;
    if (path.isEmpty()) {
        const QString start = cardFile_.isEmpty() ? Settings::cardFolder() : cardFile_;
        path = Dialogs::saveFileName(this, tr("Kaart bewaren"), QStringLiteral("%1|*.prentvel").arg(tr("Kaarten")), start);
        if (path.isEmpty())
            return false;
        path = withSuffix(path);
        Settings::setCardFolder(QFileInfo(path).absolutePath());
    }
    QString failure;
    {
        BusyPointer busy;
        failure = CardFile::write(path, cardFileContent(), sidePicture(CardSide::Front, true));
    }
    if (!failure.isEmpty()) {
        Dialogs::showMessage(this, failure, saveTitle(), Dialogs::Icon::Warning);
        return false;
    }
    cardFile_ = QFileInfo(path).absoluteFilePath();
    unsavedWork.markSaved();
    autosave_->discard();
    rememberRecentCard(cardFile_);
    showCaption();
    return true;
}

void Main::showCaption()
{
    QString caption = QStringLiteral(" Prentvel");
    if (!cardFile_.isEmpty())
        caption += QStringLiteral(" - ") + QFileInfo(cardFile_).fileName();
    if (unsavedWork.unsaved())
        caption += QStringLiteral(" *");
    setWindowTitle(caption);
}

void Main::rememberRecentCard(const QString& path)
{
    QStringList recent = Settings::recentCards();
    recent.removeAll(path);
    recent.prepend(path);
    Settings::setRecentCards(recent);
    fillRecentMenu();
}

void Main::fillRecentMenu()
{
    const QStringList recent = Settings::recentCards();
    for (int index = 1; index < int(FileRecentKaart.size()); ++index) {
        QAction* entry = FileRecentKaart[index];
        const QString path = recent.value(index - 1);
        entry->setVisible(!path.isEmpty());
        entry->setData(path);
        entry->setText(QStringLiteral("&%1  %2").arg(index % 10).arg(QFileInfo(path).fileName().replace(
                                                                           QLatin1Char('&'), QLatin1String("&&"))));
        entry->setStatusTip(QDir::toNativeSeparators(path));
    }
    FileRecentWissen->setEnabled(!recent.isEmpty());
}

void Main::setAutosaveTimes(int pause, int longest)
{
    autosavePause_->setInterval(pause);
    autosaveLongest_->setInterval(longest);
}

// Each change waits for a pause in the work, but never longer than the longest wait.
void Main::autosaveSoon()
{
    autosavePause_->start();
    if (!autosaveLongest_->isActive())
        autosaveLongest_->start();
    showCaption();
}

void Main::autosaveNow()
{
    // Not halfway through a change or long work: the card waits for its end.
    if (isBusy() || history.recording()) {
        autosavePause_->start();
        return;
    }
    autosavePause_->stop();
    autosaveLongest_->stop();
    if (unsavedWork.unsaved())
        autosave_->write(cardFileContent(), sidePicture(CardSide::Front, true), cardFile_);
    else
        autosave_->discard();
}

void Main::offerRecovery()
{
    recoveryOffered_ = true;
    const std::optional<CardAutosave::Abandoned> abandoned = CardAutosave::findAbandoned(Settings::autosaveFolder());
    if (!abandoned)
        return;
    if (!Dialogs::askYesNo(this,
                           tr("Er is een kaart die niet bewaard was toen Prentvel onverwacht stopte. "
                              "Wilt u die terughalen?"),
                           recoveryTitle())) {
        CardAutosave::remove(*abandoned);
        return;
    }
    QString error;
    const std::optional<CardFileContent> content = CardFile::read(abandoned->path, error);
    if (!content) {
        // Kept aside under another name: never asked again, never lost.
        QFile::rename(abandoned->path, abandoned->path + QStringLiteral(".onleesbaar"));
        Dialogs::showMessage(this, error, recoveryTitle(), Dialogs::Icon::Warning);
        return;
    }
    if (unsavedWork.unsaved() && !askKeepingUnsavedWork(tr("Wilt u de kaart terughalen?"), recoveryTitle()))
        return;
    loadCardFileContent(*content);
    autosave_->adopt(*abandoned);
    cardFile_ = abandoned->cardFile;
    unsavedWork.markUnsaved();
    showCaption();
}

void Main::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!recoveryOffered_) {
        recoveryOffered_ = true;
        QMetaObject::invokeMethod(this, &Main::offerRecovery, Qt::QueuedConnection);
    }
}

void installCardFiles(Main& main)
{
    main.autosave_ = std::make_unique<CardAutosave>(Settings::autosaveFolder());
    main.autosavePause_ = new QTimer(&main);
    main.autosavePause_->setObjectName("AutosavePause");
    main.autosaveLongest_ = new QTimer(&main);
    main.autosaveLongest_->setObjectName("AutosaveLongest");
    for (QTimer* timer : {main.autosavePause_, main.autosaveLongest_}) {
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, &main, &Main::autosaveNow);
    }
    main.setAutosaveTimes(2000, 30000);
    QObject::connect(&main.history.stack(), &QUndoStack::indexChanged, &main, [&main] { main.autosaveSoon(); });

    QObject::connect(main.FileKaartBewaren, &QAction::triggered, &main, [&main] { main.saveCardFile(false); });
    QObject::connect(main.FileKaartBewarenAls, &QAction::triggered, &main, [&main] { main.saveCardFile(true); });
    for (int index = 1; index < int(main.FileRecentKaart.size()); ++index) {
        QAction* entry = main.FileRecentKaart[index];
        QObject::connect(entry, &QAction::triggered, &main, [&main, entry] {
            const QString path = entry->data().toString();
            if (QFileInfo::exists(path)) {
                main.openCardFile(path);
                return;
            }
            QStringList recent = Settings::recentCards();
            recent.removeAll(path);
            Settings::setRecentCards(recent);
            main.fillRecentMenu();
            Dialogs::showMessage(&main,
                                 Main::tr("%1 bestaat niet meer en is van de lijst gehaald.")
                                     .arg(QDir::toNativeSeparators(path)),
                                 Main::tr(" Recente kaarten"), Dialogs::Icon::Warning);
        });
    }
    QObject::connect(main.FileRecentWissen, &QAction::triggered, &main, [&main] {
        Settings::setRecentCards({});
        main.fillRecentMenu();
    });
    main.fillRecentMenu();
}
