#pragma once
// "Kaart Opslaan": writes the card's current image as a bitmap or a JPEG file,
// or its print copy as a JPEG file.
#include <QImage>
#include <QString>

class Main;

extern const char* const BmpFilter;
extern const char* const JpgFilter;
extern const char* const TemporaryBitmapName; // "mydummy.bmp"

// Where a JPEG save writes its temporary bitmap: in the program folder, or in
// the system's temporary folder when the program folder is not writable.
QString temporaryBitmapPath(const QString& programFolder);

// What went wrong, as the user is told; empty when the card was saved.
QString saveCardAsBmp(const QImage& card, const QString& path);
QString saveCardAsJpeg(const QImage& card, const QString& path, int quality, const QString& temporaryBitmap);

// The resolution a saved print copy records: its 2060 pixels over the printed
// card's 148.96 mm, about 351 pixels per inch.
constexpr int PrintCopyDotsPerMetre = 13829;

// The menu action: index 1 "Als Bmp", index 2 "Als Jpg", index 3 "Als Jpg
// (afdrukkwaliteit)", the print copy.
void FileSaveAs_Click(Main& main, int index);
