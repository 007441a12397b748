#pragma once
// Everything Prentvel remembers between runs, one function pair per setting.
// Each reader falls back to the start value when the stored value is missing,
// not a number or out of range, so a damaged settings file never breaks anything.
#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <optional>

namespace Settings {

// Settings of organisation and application "Prentvel", opened afresh for each
// use so that a test's switch to a test folder is always honoured.
inline QSettings open()
{
    return QSettings(QStringLiteral("Prentvel"), QStringLiteral("Prentvel"));
}

// --- Printing: label sheet geometry (mm), labels per sheet, printer offsets ---
double labelLeft();
void setLabelLeft(double value);
double labelTop();
void setLabelTop(double value);
double labelWidth();
void setLabelWidth(double value);
double labelHeight();
void setLabelHeight(double value);
int labelsPerSheet();
void setLabelsPerSheet(int value);
// Shift of everything printed, in mm: positive X to the right, positive Y down.
double offsetX();
void setOffsetX(double value);
double offsetY();
void setOffsetY(double value);
// Added on the backs of a two-sided job, in mm, the same way round.
double backOffsetX();
void setBackOffsetX(double value);
double backOffsetY();
void setBackOffsetY(double value);
constexpr double MaxOffset = 10.0;

// --- Printing: the print mode last used and the printer picked in Printer Setup ---
// The print mode is stored as the scroll bar's value; any positive whole number
// is given back (`start` otherwise), and the print window checks it is a mode.
int printMode(int start);
void setPrintMode(int value);
// The printer's name, or "pdf:" followed by the file a PDF job last went to;
// empty for the system's default printer.
QString printerChoice();
// The postcard paper of the print window, by the key the print window gives
// it (empty when none was chosen), and "Randloos" (off at first).
QString postcardPaper();
void setPostcardPaper(const QString& key);
bool borderless();
void setBorderless(bool on);
void setPrinterChoice(const QString& value);

// --- Folders last used: photos, saved cards and PDF files ---
QString photoFolder();
void setPhotoFolder(const QString& folder);
QString cardFolder();
void setCardFolder(const QString& folder);
QString pdfFolder();
void setPdfFolder(const QString& folder);

// --- View: the card's zoom, 0 for "Passend in venster" (the start value), else a percent of 100..400 ---
int viewZoom();
void setViewZoom(int percent);

// --- Layout: "Foto's bijsnijden" (photos keep their shape, trimmed to the frame); off at first ---
bool cropPhotos();
void setCropPhotos(bool on);

// --- View: the list of steps shown; no value at first, when the window decides by the screen's room ---
std::optional<bool> stepsShown();
void setStepsShown(bool shown);

// --- The main window's size, place and maximised state (QWidget::saveGeometry); empty at first ---
QByteArray windowGeometry();
void setWindowGeometry(const QByteArray& geometry);

// --- The interface language chosen under "Help > Taal / Language": a language
// code, empty to follow the system ---
QString language();
void setLanguage(const QString& code);

// --- Card files: the folder of the running programs' autosaves (by default
// "autosave" in the program's data folder), and the card files last opened or
// saved, newest first, at most MaxRecentCards ---
QString autosaveFolder();
void setAutosaveFolder(const QString& folder);
constexpr int MaxRecentCards = 10;
QStringList recentCards();
void setRecentCards(const QStringList& paths);

}
