#pragma once
// "Open Foto / Kaart": loads a picture file into the current frame of the
// layout and moves on to the next frame.
#include <QString>

class CardContext;

// The file dialog's filter; matching ignores case, and .jpeg files are offered too.
extern const char* const PhotoFilter;

// "zee.jpg / 640 x 480 pixels / 812 Bytes"
QString photoCaption(const QString& fileName, int width, int height, qint64 bytes);

// The menu action: asks for a file, then opens it.
void FileOpen_Click(CardContext& context);

// Opens one picture file as the menu action does after its dialog (also used
// when a file is dropped on the card). A file that cannot be read ends the
// operation quietly, with the card and the frame position unchanged.
void openPhotoFile(CardContext& context, const QString& path);
