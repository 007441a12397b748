#pragma once
// The clock line, the corner picture schedule and the help text over the card.
#include <QDateTime>
#include <QString>

// " h:mm:ss / short date": hours without a leading zero.
QString clockCaption(const QDateTime& now);

// The picture store item the corner shows at second s (0..59): 10..13 during
// seconds 0..23, 0 afterwards (the picture stays as it is).
int cornerPictureForSecond(int second);

// The sixteen lines shown over the card, each ended by CR LF.
QString helpText();

// The three web pages under "Help" and the caption of the second site.
extern const char* const SoftwarePageAddress;
extern const char* const SecondSiteAddress;
extern const char* const SecondSiteCaption;
extern const char* const DownloadPageAddress;
