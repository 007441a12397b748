#pragma once
// "Open Foto / Kaart": opens a card file, or loads a picture file into the
// current frame of the layout and moves on to the next frame.
#include <QString>

#include <functional>

class CardContext;

// The filter of "Open Foto / Kaart": card files and photos together, card
// files, then the photo filter.
QString cardOrPhotoFilter();

// "zee.jpg / 640 x 480 pixels / 812 Bytes", in Dutch as the editor state and
// card files keep it; shownPhotoCaption() gives such a caption in the language
// shown, and any other caption as it is.
QString photoCaption(const QString& fileName, int width, int height, qint64 bytes);
QString shownPhotoCaption(const QString& caption);

// Opens the file as a card when it is a card file (true), else leaves it (false).
using CardFileOpener = std::function<bool(const QString& path)>;

// The menu action, in every layout: asks for a file, then opens it as a card
// through `openCard` or as a photo.
void FileOpen_Click(CardContext& context, const CardFileOpener& openCard = {});

// Opens one picture file as the menu action does after its dialog (also used
// when a file is dropped on the card). A file that cannot be read is reported
// in a message, with the card, the frame position and the caption unchanged;
// in "Zelf Tekenen", which loads no photo, a message says so.
void openPhotoFile(CardContext& context, const QString& path);

// A file dropped on the card at (x, y), card pixels: in a photo layout it
// goes into the frame there, or into the current frame outside every frame.
void dropPhotoFile(CardContext& context, const QString& path, double x, double y);
