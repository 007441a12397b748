#include "platform/Settings.h"

#include "platform/CardZoom.h"
#include "platform/LabelSheetStart.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <limits>

namespace Settings {

namespace {

// The number stored under `key`, or `start` when it is missing, not a number
// or outside lowest..highest.
double number(const char* key, double start, double lowest, double highest)
{
    bool ok = false;
    const double value = open().value(QLatin1String(key)).toString().trimmed().toDouble(&ok);
    return ok && value >= lowest && value <= highest ? value : start;
}

int wholeNumber(const char* key, int start, int lowest, int highest)
{
    bool ok = false;
    const int value = open().value(QLatin1String(key)).toString().trimmed().toInt(&ok);
    return ok && value >= lowest && value <= highest ? value : start;
}

void store(const char* key, const QVariant& value)
{
    open().setValue(QLatin1String(key), value);
}

// A folder that still exists, or empty.
QString folder(const char* key)
{
    const QString path = open().value(QLatin1String(key)).toString();
    return !path.isEmpty() && QFileInfo(path).isDir() ? path : QString();
}

constexpr double LargestLength = 9999;
constexpr int LabelBoxCharacters = 4;

// A label length the settings window can show in its four-character boxes.
double labelLength(const char* key, double start, double lowest)
{
    const double value = number(key, start, lowest, LargestLength);
    return LabelSheetStart::boxText(value).size() <= LabelBoxCharacters ? value : start;
}

}

double labelLeft() { return labelLength("labels/left", LabelSheetStart::Left, -999); }
void setLabelLeft(double value) { store("labels/left", value); }
double labelTop() { return labelLength("labels/top", LabelSheetStart::Top, -999); }
void setLabelTop(double value) { store("labels/top", value); }
// Width and height must be positive, or every label would land on one spot.
double labelWidth() { return labelLength("labels/width", LabelSheetStart::Width, 0.001); }
void setLabelWidth(double value) { store("labels/width", value); }
double labelHeight() { return wholeNumber("labels/height", int(LabelSheetStart::Height), 1, int(LargestLength)); }
void setLabelHeight(double value) { store("labels/height", value); }
int labelsPerSheet() { return wholeNumber("labels/perSheet", LabelSheetStart::PerSheet, 1, 255); }
void setLabelsPerSheet(int value) { store("labels/perSheet", value); }
double offsetX() { return number("printing/offsetX", 0, -MaxOffset, MaxOffset); }
void setOffsetX(double value) { store("printing/offsetX", value); }
double offsetY() { return number("printing/offsetY", 0, -MaxOffset, MaxOffset); }
void setOffsetY(double value) { store("printing/offsetY", value); }
double backOffsetX() { return number("printing/backOffsetX", 0, -MaxOffset, MaxOffset); }
void setBackOffsetX(double value) { store("printing/backOffsetX", value); }
double backOffsetY() { return number("printing/backOffsetY", 0, -MaxOffset, MaxOffset); }
void setBackOffsetY(double value) { store("printing/backOffsetY", value); }

int printMode(int start) { return wholeNumber("printing/mode", start, 1, std::numeric_limits<int>::max()); }
void setPrintMode(int value) { store("printing/mode", value); }
QString printerChoice() { return open().value(QStringLiteral("printing/printer")).toString(); }
void setPrinterChoice(const QString& value) { store("printing/printer", value); }
QString postcardPaper() { return open().value(QStringLiteral("printing/paper")).toString(); }
void setPostcardPaper(const QString& key) { store("printing/paper", key); }
bool borderless() { return open().value(QStringLiteral("printing/borderless")).toString() == QLatin1String("true"); }
void setBorderless(bool on) { store("printing/borderless", on); }

QString photoFolder() { return folder("folders/photos"); }
void setPhotoFolder(const QString& path) { store("folders/photos", path); }
QString cardFolder() { return folder("folders/cards"); }
void setCardFolder(const QString& path) { store("folders/cards", path); }
QString pdfFolder() { return folder("folders/pdf"); }
void setPdfFolder(const QString& path) { store("folders/pdf", path); }

int viewZoom() { return CardZoom::validChoice(wholeNumber("view/zoom", CardZoom::Fit, CardZoom::Fit, CardZoom::Largest)); }
void setViewZoom(int percent) { store("view/zoom", percent); }

bool cropPhotos() { return open().value(QStringLiteral("layout/cropPhotos")).toString() == QLatin1String("true"); }
void setCropPhotos(bool on) { store("layout/cropPhotos", on); }

std::optional<bool> stepsShown()
{
    const QString value = open().value(QStringLiteral("view/steps")).toString();
    if (value == QLatin1String("true") || value == QLatin1String("false"))
        return value == QLatin1String("true");
    return std::nullopt;
}
void setStepsShown(bool shown) { store("view/steps", shown); }

QByteArray windowGeometry() { return open().value(QStringLiteral("window/geometry")).toByteArray(); }
void setWindowGeometry(const QByteArray& geometry) { store("window/geometry", geometry); }

QString language() { return open().value(QStringLiteral("interface/language")).toString(); }
void setLanguage(const QString& code) { store("interface/language", code); }

QString autosaveFolder()
{
    const QString chosen = open().value(QStringLiteral("cards/autosaveFolder")).toString();
    if (!chosen.isEmpty())
        return chosen;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("autosave"));
}
void setAutosaveFolder(const QString& path) { store("cards/autosaveFolder", path); }

// A damaged list gives what is usable of it: names only, no empty or repeated ones.
QStringList recentCards()
{
    QStringList paths;
    for (const QString& path : open().value(QStringLiteral("cards/recent")).toStringList())
        if (!path.isEmpty() && !paths.contains(path) && paths.size() < MaxRecentCards)
            paths.append(path);
    return paths;
}
void setRecentCards(const QStringList& paths) { store("cards/recent", paths.mid(0, MaxRecentCards)); }

}
