#pragma once
// The card editor's main window: it owns the card surface `Voorkant`, its undo
// history, the photo buffer `BackPic` and the shared editor state, and carries
// every control and menu entry under its design name.
#include "editor/CardHistory.h"
#include "editor/CardLayouts.h"
#include "editor/CardReplay.h"
#include "drawing/ToolTable.h"
#include "editor/EditorState.h"
#include "editor/UnsavedWork.h"
#include "platform/CardSurface.h"
#include "platform/PictureSurface.h"
#include "printing/PrintSettings.h"

#include <QMainWindow>
#include <array>
#include <memory>

class CardAutosave;
class CardContext;
struct CardFileContent;
class CardScrollArea;
class MainContext;

class ClickableLabel;
class StepsDock;
class QListWidget;
class DesignedLayout;
class PictureBox;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QSlider;
class QTimer;
class TextBox;

class Main : public QMainWindow {
    Q_OBJECT
public:
    // The client area below the menu bar as designed: with the menu bar, the
    // window's start size and its smallest.
    static QSize designedClientSize();

    explicit Main(QWidget* parent = nullptr);
    ~Main() override;

    EditorState state;
    PrintSettings printSettings;

    // The card and its hidden companions.
    CardSurface card;        // the surface shown by Voorkant
    CardReplay replay;       // checkpoints from which the card is drawn again
    CardHistory history;     // undo and redo of every change to the card
    UnsavedWork unsavedWork{history}; // whether the card changed since it was last saved
    QImage BackPic;          // the photo buffer, sized to the picture loaded into it
    PictureSurface barSurface; // what the progress strip Bar shows

    // Card panel.
    QGroupBox* Frame1 = nullptr;
    QLabel* BackKaarten = nullptr;
    CardScrollArea* VoorkantScroll = nullptr; // the card's zoom and scrolling, around Voorkant
    PictureBox* Voorkant = nullptr;
    QLabel* HelpLabel = nullptr;
    QLabel* Label12 = nullptr;  // text preview, on the card
    QLabel* Layer = nullptr;    // rubber-band frame of the drawing tools, on the card
    // Places Frame1's children; a child added with DesignedLayout::Grow grows
    // with the panel, keeping its designed margins.
    DesignedLayout* cardPanelLayout = nullptr;

    // Tool panel.
    QGroupBox* Frame2 = nullptr;
    QLabel* BackKnoppen = nullptr;
    std::array<QPushButton*, ToolCount + 1> Knop{}; // Knop[1] .. Knop[ToolCount]
    QLabel* Label1 = nullptr;
    ClickableLabel* Label3 = nullptr;     // draw-colour swatch
    QLabel* Label2 = nullptr;
    ClickableLabel* Label4 = nullptr;     // fill-colour swatch
    QLabel* Label5 = nullptr;
    QSlider* Slider1 = nullptr;
    QLabel* Label9 = nullptr;

    // Text panel.
    QGroupBox* Frame4 = nullptr;
    TextBox* Text1 = nullptr;
    QLabel* Label6 = nullptr;
    QComboBox* ComboSize = nullptr;
    QLabel* Label7 = nullptr;
    QCheckBox* CheckBold = nullptr;
    QCheckBox* CheckItalic = nullptr;
    QCheckBox* CheckOnderstreept = nullptr;
    QCheckBox* CheckVer = nullptr;
    QComboBox* ListFonts = nullptr;
    QLabel* Label10 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* Label8 = nullptr;
    QPushButton* PlaatsKnop = nullptr;

    // Status strip and banner.
    QLabel* BackInfo = nullptr;
    QLabel* InfoLabel = nullptr;
    QLabel* KlokLabel = nullptr;
    QLabel* BackCor = nullptr;
    QLabel* CorLabel = nullptr;
    PictureBox* Bar = nullptr;
    QProgressBar* ProgBar = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLabel* TitelLabel = nullptr;
    QGroupBox* Frame5 = nullptr;
    QLabel* HoekPic = nullptr;

    // The card's steps, in a dock at the right.
    StepsDock* StappenDock = nullptr;
    QListWidget* Stappen = nullptr;
    QAction* VerwijderStap = nullptr;            // the list's "Verwijder stap" (Delete)

    QTimer* KlokTimer = nullptr;
    QTimer* BarTimer = nullptr;

    // Menus: "Bestand".
    QMenu* File = nullptr;
    QAction* FileNieuw = nullptr;
    QAction* FileOpen = nullptr;
    QAction* FileKaartBewaren = nullptr;         // the card file
    QAction* FileKaartBewarenAls = nullptr;
    QMenu* FileRecent = nullptr;                 // the card files last opened or saved
    std::array<QAction*, 11> FileRecentKaart{};  // [1] .. [10], newest first
    QAction* FileRecentWissen = nullptr;
    QMenu* FileSave = nullptr;
    std::array<QAction*, 5> FileSaveAs{};        // [1] Bmp, [2] Jpg, [3] Jpg and [4] Png of the print copy
    QAction* FilePrint = nullptr;
    QAction* FileSetupPrinter = nullptr;
    QAction* FilePrintMarges = nullptr;
    QAction* FileExit = nullptr;
    // "Layout".
    QMenu* layout = nullptr;
    std::array<QAction*, Layout::LastIndex + 1> LayoutKaart{}; // photo layouts, separator, free drawing, address side
    QAction* LayoutBijsnijden = nullptr;         // photos keep their shape, trimmed to the frame
    // "Bewerken".
    QMenu* Bewerken = nullptr;
    QMenu* EditBewerken = nullptr;
    std::array<QAction*, 18> EditConvert{};      // [5] and [8] open submenus
    QMenu* EditContrastConvertMenu = nullptr;
    std::array<QAction*, 3> EditContrastConvert{};
    QMenu* EditSwapMenu = nullptr;
    std::array<QAction*, 6> EditSwap{};
    std::array<QAction*, 5> EditFlipConvert{};
    QMenu* EditKaders = nullptr;
    std::array<QAction*, 11> EditLijstrand{};    // [1], [5], [10]: border width
    std::array<QAction*, 3> EditLijst{};
    // "Beeld": the card's zoom.
    QMenu* Beeld = nullptr;
    QAction* BeeldPassend = nullptr;
    std::array<QAction*, 5> BeeldZoom{};         // [1] .. [4]: 100%, 200%, 300%, 400%
    QAction* BeeldInzoomen = nullptr;
    QAction* BeeldUitzoomen = nullptr;
    QAction* BeeldStappen = nullptr;             // shows and hides the dock of the card's steps
    QAction* BeeldVoorkant = nullptr;            // the card's two sides, one of them checked
    QAction* BeeldAchterkant = nullptr;
    // "Tools".
    QMenu* Tools = nullptr;
    QAction* ToolsUndo = nullptr;
    QAction* ToolsRedo = nullptr;
    QMenu* ToolsKleurLayer = nullptr;
    std::array<QAction*, 4> ToolsColorLayer{};
    QMenu* ToolsGradient = nullptr;
    std::array<QAction*, 6> GradientRichting{};
    QAction* ToolsConfig = nullptr;
    QAction* ToolsDatabase = nullptr;
    // "Help".
    QMenu* Help = nullptr;
    QAction* HelpHelp = nullptr;
    QAction* HelpHelppdf = nullptr;
    QAction* HelpSoftware = nullptr;
    QAction* HelpZilverhoek = nullptr;
    QAction* HelpDownload = nullptr;
    // On the menu bar itself.
    QAction* Tussenlijn = nullptr;
    QAction* NaamEnGrootte = nullptr;

    void ToolsUndo_Click();
    void ToolsRedo_Click();
    // The layout, frame and tool buttons, as the undo history keeps them.
    CardLayoutState cardLayoutState() const;
    void applyCardLayoutState(const CardLayoutState& layoutState);

    void LayoutKaart_Click(int index);
    // Shows a side of the card: the card becomes that side, with its own
    // layout, frame and tool. An empty back gets the address side's template.
    void showSide(CardSide side);
    // Only the switch, for undo and redo: no template, nothing else ended.
    void switchSide(CardSide side);
    // A side as it prints (its print copy) or as the screen shows it; the
    // side not shown is drawn for it, an empty back as the template.
    QImage sidePicture(CardSide side, bool printCopy);
    // The undo entries' status and tool tips name the edits they would undo and redo.
    void nameUndoEntries();
    // The help line, kept in the editor state as given (in Dutch for the lines
    // the editor knows) and shown in the language shown.
    void setInformation(const QString& text);
    // Shows a text on the help line only, as given (a passing one, as for a highlighted menu entry).
    void showInformationLine(const QString& text);
    void FileNieuw_Click();
    void HelpHelp_Click();
    void KlokTimer_Timer();
    void BarTimer_Timer();
    // Switches the progress timer on and shows the strip (the filters call this).
    void startProgressStrip();
    // Switches the progress timer off and hides the strip, cleared for the next run.
    void stopProgressStrip();

    // The card file: the file the card was last opened from or saved to
    // (empty when none), shown in the caption.
    QString cardFileName() const { return cardFile_; }
    // Opens `path` when it is a card file (by its first bytes): true then,
    // whether it opened or not; false for any other file.
    bool openCardFileIfCard(const QString& path);
    // Opens a card file: a file that does not open is reported, with the
    // card as it was. With unsaved work the user is asked first.
    void openCardFile(const QString& path);
    // Opens what the command line names: a card file, or a photo as "Open Foto / Kaart" does.
    void openNamedFile(const QString& path);
    // "Kaart bewaren" (to the card's own file, asking a name when it has
    // none) and "Kaart bewaren als...". True when the card was written.
    bool saveCardFile(bool askName);
    // The card as a card file holds it.
    CardFileContent cardFileContent() const;
    void showCaption();
    // The running program's autosave, and how long it waits after a change
    // (`pause`) and at most during continuous work (`longest`), milliseconds.
    CardAutosave& autosave() { return *autosave_; }
    void setAutosaveTimes(int pause, int longest);
    // Writes the card to its autosave now, or removes the autosave when
    // nothing is unsaved.
    void autosaveNow();
    // Asks to bring back a card a program left in the autosave folder when
    // it stopped unexpectedly; done once the window is first shown.
    void offerRecovery();
    void fillRecentMenu();

    // What the subsystems are handed instead of the window's widgets.
    CardContext& context();

    // While work that lets window events run holds the busy guard (BusyGuard),
    // a close request is kept and asked once the guard is let go, so the
    // window is never deleted under running work.
    static bool isBusy();

    // The caption under the tool buttons, at its full width.
    void setToolCaption(const QString& caption);
    // The photo's name and size on the menu bar, kept as given and shown in the language shown.
    void setPhotoCaption(const QString& caption);

    // Sets again, in the language now loaded, the texts the window builds
    // from its state: the caption, the recent cards, the undo entries, the
    // steps dock, the help line and help text, the tool and photo captions,
    // the line width, the tool buttons' tips, the clock and the banner.
    void retranslateDynamicTexts();

    // Swatches follow the shared colours.
    void paintSwatches();
    // Enables or disables the twelve tool buttons.
    void setToolButtonsEnabled(bool enabled);

Q_SIGNALS:
    // A text step was picked in the list of steps (its place in the document).
    void textStepChosen(int index);
    // The side shown may have changed (a switch, undo or redo, a new card).
    void sideShown();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A new language: the texts built from the card's state are built again.
    void changeEvent(QEvent* event) override;

private:
    friend void installCardFiles(Main& main);
    void buildControls();
    void layOutRegions(QWidget* form);
    void restoreWindowGeometry();
    void buildMenus();
    void connectEvents();
    void askKeptCloseRequest();
    // Layout `index` for the side shown, inside the change under way.
    void chooseLayout(int index);
    bool askKeepingUnsavedWork(const QString& question, const QString& title);
    // The card becomes what a card file holds, with an empty history.
    void loadCardFileContent(const CardFileContent& content);
    void rememberRecentCard(const QString& path);
    void autosaveSoon();

    std::unique_ptr<MainContext> context_;
    bool closeRequested_ = false;
    bool askingToClose_ = false;
    bool recoveryOffered_ = false;
    QString cardFile_;
    std::unique_ptr<CardAutosave> autosave_;
    QTimer* autosavePause_ = nullptr;
    QTimer* autosaveLongest_ = nullptr;
};
