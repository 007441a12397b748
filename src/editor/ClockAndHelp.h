#pragma once
// The clock line, the corner picture schedule, the help text over the card and
// the help line under it.
#include <QDateTime>
#include <QString>

// " h:mm:ss / short date": hours without a leading zero.
QString clockCaption(const QDateTime& now);

// The picture store item the corner shows at second s (0..59): 10..13 during
// seconds 0..23, 0 afterwards (the picture stays as it is).
int cornerPictureForSecond(int second);

// The help text shown over the card in the language shown, each line ended
// by CR LF (sixteen lines in Dutch).
QString helpText();

// The help line as shown. The editor keeps its help lines in Dutch (the
// editor state, the history, card files); a line it knows is shown in the
// language shown, any other line as it is.
QString shownInformation(const QString& information);

// The three web pages under "Help" and the caption of the second site (Dutch,
// translated in context "Main" where shown).
extern const char* const SoftwarePageAddress;
extern const char* const SecondSiteAddress;
extern const char* const SecondSiteCaption;
extern const char* const DownloadPageAddress;
