#include "editor/CardSaving.h"

#include "editor/CardContext.h"
#include "editor/EditorState.h"
#include "platform/CardSurface.h"
#include "platform/Settings.h"
#include "platform/BmpToJpeg.h"
#include "platform/BusyPointer.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeImageFile.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

const char* const BmpFilter = QT_TRANSLATE_NOOP("Main", "Bitmap (*.bmp)|*.bmp");
const char* const JpgFilter = QT_TRANSLATE_NOOP("Main", "Jpg format (*.jpg)|*.jpg");
const char* const PngFilter = QT_TRANSLATE_NOOP("Main", "Png format (*.png)|*.png");
const char* const TemporaryBitmapName = "mydummy.bmp";

namespace {
const QString ProgramName = QStringLiteral("Prentvel");

QString notWritten(const QString& path)
{
    return QCoreApplication::translate("Main", "De kaart is niet opgeslagen: %1 kon niet worden geschreven.")
        .arg(QDir::toNativeSeparators(path));
}
}

TemporaryBitmap::TemporaryBitmap(const QString& programFolder)
{
    const QString name = QString::fromLatin1(TemporaryBitmapName);
    if (isFolderWritable(programFolder)) {
        path_ = QDir(programFolder).filePath(name);
        return;
    }
    privateFolder_ = std::make_unique<QTemporaryDir>(QDir(QDir::tempPath()).filePath(QStringLiteral("prentvel-XXXXXX")));
    if (privateFolder_->isValid())
        path_ = QDir(privateFolder_->path()).filePath(name);
}

TemporaryBitmap::~TemporaryBitmap() = default;

QString saveCardAsBmp(const QImage& card, const QString& path)
{
    return writeImageFile(card, path, "bmp") ? QString() : notWritten(path);
}

QString saveCardAsPng(QImage card, const QString& path)
{
    card.setColorSpace(QColorSpace::SRgb);
    return writeImageFile(card, path, "png") ? QString() : notWritten(path);
}

QString saveCardAsJpeg(const QImage& card, const QString& path, int quality, const QString& temporaryBitmap)
{
    if (!writeImageFile(card, temporaryBitmap, "bmp"))
        return notWritten(temporaryBitmap.isEmpty() ? QDir::tempPath() : temporaryBitmap);
    if (!QFileInfo::exists(temporaryBitmap))
        return QCoreApplication::translate("Main", "File save not as JPG!");
    const bool converted = BmpToJpeg(temporaryBitmap, path, quality);
    // Never remove the bitmap when the user chose that very file as the JPEG.
    if (QFileInfo(temporaryBitmap) != QFileInfo(path))
        QFile::remove(temporaryBitmap);
    return converted ? QString() : notWritten(path);
}

bool FileSaveAs_Click(CardContext& context, int index)
{
    if (index < 1 || index > 4)
        return false;
    const char* filter = index == 1 ? BmpFilter : index == 4 ? PngFilter : JpgFilter;
    const QString path = Dialogs::saveFileName(context.window(), QCoreApplication::translate("Main", "Kaart Opslaan"),
                                               QCoreApplication::translate("Main", filter), Settings::cardFolder());
    if (path.isEmpty())
        return false;
    Settings::setCardFolder(QFileInfo(path).absolutePath());
    QString failure;
    {
        BusyPointer busy;
        const CardSurface& surface = context.card();
        const bool printQuality = index >= 3;
        if (index == 1) {
            failure = saveCardAsBmp(surface.image(), path);
        } else {
            QImage card = printQuality && surface.hasPrintCopy() ? surface.printImage() : surface.image();
            if (printQuality) {
                card.setDotsPerMeterX(PrintCopyDotsPerMetre);
                card.setDotsPerMeterY(PrintCopyDotsPerMetre);
            }
            if (index == 4) {
                failure = saveCardAsPng(card, path);
            } else {
                const TemporaryBitmap bitmap(programFolder());
                failure = saveCardAsJpeg(card, path, context.state().jpegQuality, bitmap.path());
            }
        }
    }
    if (!failure.isEmpty())
        Dialogs::showMessage(context.window(), failure, ProgramName, Dialogs::Icon::None);
    return failure.isEmpty();
}
