#pragma once
// The print window " Kaarten Afdrukken": the user picks a print mode with the
// scroll bar, sees a picture of the sheet, sets the copies (the year for the
// calendar, the paper for postcard paper, both sides, the recipients for
// address sides) and prints.
#include "printing/CardSides.h"
#include "printing/PrintRun.h"

#include <QDialog>

#include <memory>
#include <optional>

struct EditorState;
struct PrintSettings;
class CardSurface;
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
    QLabel* Picture1 = nullptr;
    QFrame* Lijn = nullptr;
    QLabel* Label3 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* CheckDubbelzijdig = nullptr;
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

    // The card's two sides. Without it the front is the card given, shown,
    // and the back a blank address side.
    void setSides(CardSides sides);
    // What Picture1 shows, drawn at `ratio` device pixels per pixel: the
    // mode's sample, or the sheets as the job prints them.
    QImage sheetPicture(qreal ratio) const;
    // The outer height of the window, in twips.
    int heightTwips() const { return heightTwips_; }

    // The job the window's controls describe, or nothing after telling the
    // user what cannot be printed.
    std::optional<PrintRun::Request> readRequest();

    void VScroll1_Change();
    void Check1_Click();
    void CheckDubbelzijdig_Click();
    void PrintKnop_Click();
    void VoorbeeldKnop_Click();
    void ExitKnop_Click();

private:
    void buildControls();
    void setHeightTwips(int height);
    // Frames and window sized for the controls the current mode shows.
    void fitToMode();
    int closedHeight() const;
    int openHeight() const;
    unsigned extraControls() const;
    // Lays out the paper row and the name lists as the mode shows them.
    void placeRows();
    bool bothSides() const;
    // Check1 shown and ticked.
    bool withAddresses() const;
    void showCaption();
    void showSheetPicture();
    QImage sidePicture(CardSide side, bool printCopy) const;
    void fillNameLists();
    void runScanAnimation();
    // The job the window's controls describe, as far as they need no checks.
    PrintRun::Request describedRequest(bool printCopies) const;
    // The address book when the request needs one; false after saying there is none.
    bool loadBookFor(const PrintRun::Request& request, std::optional<AddressBook>& book);
    // Sets the printer's paper and its margins in a postcard-paper request;
    // false when the printer has no such paper.
    bool findPaper(PrintRun::Request& request) const;
    // The same, saying so when the printer has none.
    bool choosePaperFor(PrintRun::Request& request);
    void printRequest(const PrintRun::Request& request, const std::optional<AddressBook>& book);
    bool addressSide() const;

    const EditorState& state_;
    const PrintSettings& settings_;
    const CardSurface& card_;
    CardSides sides_;
    // The screen copies of the sides, fetched once for the pictures.
    mutable QImage frontSample_;
    mutable QImage backSample_;
    SessionPrinter& printer_;
    PrintRun::BookLoader loadBook_;
    std::unique_ptr<CardSurface> preview_;  // the sample, with a print copy for sharp pictures
    int heightTwips_ = 0;
};
