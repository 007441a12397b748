#pragma once
// The information the start screen shows about the program and the screen.
#include <QDateTime>
#include <QSize>
#include <QString>

// The version of the program file as "major.minor.build.revision", or "Error"
// when the file cannot be read. Our program file carries the project's version.
QString GetFileVersion(const QString& fileName);

// A file length with thousands grouped by the locale's separator; 0 gives "".
QString formatFileSize(qint64 bytes);

// Dots per inch as the card editor sees it: 1440 twips an inch divided by the
// whole twips per pixel, rounded half to even.
int dpiFromLogicalDpi(double logicalDpi);

struct StartInfo {
    QString versionText;
    QString sizeText;          // empty when the file could not be read
    QDateTime fileDate;        // invalid when the file could not be read
    QSize screenPixels;
    int dpi = 96;
};

// The lines of the information text, joined by CR LF (no line end after the last).
QString informationText(const StartInfo& info);

// The warning shown when the screen is not at 96 dots per inch.
QString resolutionWarning(int dpi);
extern const char* const ResolutionHelpAddress;
