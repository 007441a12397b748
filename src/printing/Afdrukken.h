#pragma once
// The print window " Kaarten Afdrukken": the user picks a print mode with the
// scroll bar, sees a sample of the sheet, sets the copies (the year for the
// calendar, the paper for postcard paper, the recipients for address sides)
// and prints.
#include "printing/PrintRun.h"

#include <QDialog>

#include <memory>
#include <optional>

struct EditorState;
struct PrintSettings;
class CardSurface;
class PictureSurface;
class PictureBox;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class SessionPrinter;

class Afdrukken : public QDialog {
    Q_OBJECT
public:
    Afdrukken(const EditorState& state, const PrintSettings& settings, const CardSurface& card,
              SessionPrinter& printer, PrintRun::BookLoader loadBook, QWidget* parent = nullptr);
    ~Afdrukken() override;

    QGroupBox* Frame1 = nullptr;
    QLabel* BackA4 = nullptr;
    PictureBox* Picture1 = nullptr;
    QFrame* Lijn = nullptr;
    QLabel* Label3 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* PrintKnop = nullptr;
    QPushButton* ExitKnop = nullptr;
    QPushButton* VoorbeeldKnop = nullptr;
    QGroupBox* Frame2 = nullptr;
    QComboBox* ComboNaam1 = nullptr;
    QComboBox* ComboNaam2 = nullptr;
    QComboBox* ComboNaam3 = nullptr;
    QComboBox* ComboNaam4 = nullptr;
    QComboBox* ComboPapier = nullptr;
    QCheckBox* CheckRandloos = nullptr;

    // The sheet sample shown by Picture1.
    const PictureSurface& preview() const { return *preview_; }
    // The outer height of the window, in twips.
    int heightTwips() const { return heightTwips_; }

    void VScroll1_Change();
    void Check1_Click();
    void PrintKnop_Click();
    void VoorbeeldKnop_Click();
    void ExitKnop_Click();

private:
    void buildControls();
    void setHeightTwips(int height);
    // Frames and window sized for the controls the current mode shows.
    void fitToMode();
    int paperRow() const;
    int namesRow() const;
    int closedHeight() const;
    int openHeight() const;
    unsigned extraControls() const;
    void fillNameLists();
    void runScanAnimation();
    // The job the window's controls describe, or nothing after telling the
    // user what cannot be printed.
    std::optional<PrintRun::Request> readRequest();
    // The address book when the request needs one; false after saying there is none.
    bool loadBookFor(const PrintRun::Request& request, std::optional<AddressBook>& book);
    // Finds the paper of a postcard-paper request on the printer; false after
    // saying the printer has none.
    bool choosePaperFor(PrintRun::Request& request);
    void printRequest(const PrintRun::Request& request, const std::optional<AddressBook>& book);
    bool addressSide() const;

    const EditorState& state_;
    const PrintSettings& settings_;
    const CardSurface& card_;
    SessionPrinter& printer_;
    PrintRun::BookLoader loadBook_;
    std::unique_ptr<PictureSurface> preview_;
    int heightTwips_ = 0;
};
