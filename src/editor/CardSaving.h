#pragma once
// "Kaart Opslaan": writes the card's current image as a bitmap or a JPEG file,
// or its print copy as a JPEG or a lossless PNG file.
#include <QImage>
#include <QString>

#include <memory>

class QTemporaryDir;

class CardContext;

extern const char* const BmpFilter;
extern const char* const JpgFilter;
extern const char* const PngFilter;
extern const char* const TemporaryBitmapName; // "mydummy.bmp"

// Where a JPEG save writes its temporary bitmap: "mydummy.bmp" in the program
// folder, or, when that folder is not writable, the same name in a private
// folder of its own under the system's temporary folder, so that no file of
// another user can stand in the way. The private folder and all in it go with
// the object.
class TemporaryBitmap {
public:
    explicit TemporaryBitmap(const QString& programFolder);
    ~TemporaryBitmap();
    TemporaryBitmap(const TemporaryBitmap&) = delete;
    TemporaryBitmap& operator=(const TemporaryBitmap&) = delete;

    // Empty when no private folder could be made.
    QString path() const { return path_; }

private:
    std::unique_ptr<QTemporaryDir> privateFolder_;
    QString path_;
};

// What went wrong, as the user is told; empty when the card was saved.
QString saveCardAsBmp(const QImage& card, const QString& path);
// The PNG carries the sRGB profile, the colours the card is drawn in.
QString saveCardAsPng(QImage card, const QString& path);
QString saveCardAsJpeg(const QImage& card, const QString& path, int quality, const QString& temporaryBitmap);

// The resolution a saved print copy records: its 2060 pixels over the printed
// card's 148.96 mm, about 351 pixels per inch.
constexpr int PrintCopyDotsPerMetre = 13829;

// The menu action: index 1 "Als Bmp", index 2 "Als Jpg", index 3 "Als Jpg
// (afdrukkwaliteit)" and index 4 "Als Png (afdrukkwaliteit)", the print copy.
// True when the card was written.
bool FileSaveAs_Click(CardContext& context, int index);
