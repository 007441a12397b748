#pragma once
// The card file (.prentvel): a ZIP container holding the card's two sides as
// versioned JSON, each photo as the bytes its operation keeps, a preview of
// the front and a thumbnail. Reading treats every member as hostile.
#include "editor/CardLayoutState.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// What a card file holds: each side's document, layout, frame and tool (their
// `hidden` is null), and the side that was shown.
struct CardFileContent {
    CardLayoutState front;
    CardLayoutState back;
    CardSide shown = CardSide::Front;
};

namespace CardFile {

inline const QString MimeType = QStringLiteral("application/x-prentvel");
inline const QString Suffix = QStringLiteral("prentvel");

// Writes `content` to `path` through a temporary file renamed over the old
// one once complete, so a failed save leaves the old file whole. `frontPrint`
// is the front at print resolution, for the preview and the thumbnail. Safe
// on a worker thread (it reads only what operations keep, never the photo
// cache). Empty on success, else a Dutch sentence saying why.
QString write(const QString& path, const CardFileContent& content, const QImage& frontPrint);

// Reads a card file. Nothing, with a Dutch sentence in `error`, for a file
// that is not a card file or is damaged; the caller's card is never touched.
std::optional<CardFileContent> read(const QString& path, QString& error);
std::optional<CardFileContent> readBytes(const QByteArray& bytes, QString& error);

// Whether a file's first bytes are those of a card file (a ZIP whose first
// member is `mimetype`, stored, holding MimeType).
bool looksLikeCardFile(const QByteArray& head);

// The thumbnail the file keeps, read without the document or the photos;
// null when the file has none or is no card file.
QImage storedThumbnail(const QString& path);

}
