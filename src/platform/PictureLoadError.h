#pragma once
// Why a picture file could not be opened, and the message that says so, in the
// language of the interface.
#include <QString>

enum class PictureLoadError {
    None,
    Unsupported,      // not a picture format the loader reads
    Damaged,          // damaged or incomplete
    TooManyPixels,    // more than the pixel cap
    TooLarge,         // would not fit in the memory a decode may take
    Unreadable,       // missing, not a plain file, or unreadable
};

// The title of the message box that reports a photo that did not open, as
// written in the source; translated in context "PictureLoadError".
extern const char* const PhotoLoadMessageTitle;

// "<fileName> kan niet als foto worden geopend: <reason>."
QString photoLoadMessage(const QString& fileName, PictureLoadError error);

class QWidget;

// Restores the normal pointer and tells the user that the photo at `path`
// did not open, and why.
void showPhotoLoadFailure(QWidget* parent, const QString& path, PictureLoadError error);
