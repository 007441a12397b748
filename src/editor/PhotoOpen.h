#pragma once
// "Open Foto / Kaart": loads a picture file into the current frame of the
// layout and moves on to the next frame.
#include <QString>

class CardContext;

// The file dialog's filter (the shared photo filter); matching ignores case.
extern const char* const PhotoFilter;

// "zee.jpg / 640 x 480 pixels / 812 Bytes"
QString photoCaption(const QString& fileName, int width, int height, qint64 bytes);

// The menu action: asks for a file, then opens it.
void FileOpen_Click(CardContext& context);

// Opens one picture file as the menu action does after its dialog (also used
// when a file is dropped on the card). A file that cannot be read is reported
// in a message, with the card, the frame position and the caption unchanged.
void openPhotoFile(CardContext& context, const QString& path);

// A file dropped on the card at (x, y), card pixels: in a photo layout it
// goes into the frame there, or into the current frame outside every frame.
void dropPhotoFile(CardContext& context, const QString& path, double x, double y);
