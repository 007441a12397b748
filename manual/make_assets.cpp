// Build-time tool: writes the user manual as a PDF in each language (with
// pictures of the program's own windows in that language), the program icon in
// the usual sizes and, for the software centres, screenshots of the main window
// and the print window (in Dutch).
//   make_assets <icon folder> <screenshot folder> {<language> <manual.html> <manual.pdf>}...
#include "app/AppIcon.h"
#include "app/Main.h"
#include "app/StartPhoto.h"
#include "addressbook/Dataform.h"
#include "app/Titel.h"
#include "editor/CardHistory.h"
#include "editor/CardLayouts.h"
#include "editor/PhotoAdjusting.h"
#include "editor/PhotoSource.h"
#include "editor/CardEditing.h"
#include "editor/TextOperation.h"
#include "editor/TextSelection.h"
#include "platform/PictureBox.h"
#include "printing/AfdrukVoorbeeld.h"
#include "printing/Afdrukken.h"
#include "printing/PrintRun.h"
#include "printing/Printmarges.h"
#include "printing/SessionPrinter.h"
#include "platform/Language.h"
#include "platform/PageBreaks.h"
#include "platform/Translations.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QScreen>
#include <QScrollBar>
#include <QTextFrame>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

namespace {

QImage grabWindow(QWidget& window)
{
    window.show();
    QCoreApplication::processEvents();
    return window.grab().toImage();
}

// QTextDocument::print lays an unpaged document out afresh on a copy: at the
// printer's resolution, a page of the printer's size and 2 cm margins. Paging
// such a copy shows where the headings fall; the breaks go to the original.
void keepHeadingsWithText(QTextDocument& document, QPdfWriter& writer)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal sourceDpiX = screen ? screen->logicalDotsPerInchX() : 96;
    const qreal sourceDpiY = screen ? screen->logicalDotsPerInchY() : 96;
    std::unique_ptr<QTextDocument> paged(document.clone());
    paged->documentLayout()->setPaintDevice(&writer);
    QTextFrameFormat frame = paged->rootFrame()->frameFormat();
    frame.setLeftMargin(int((2 / 2.54) * sourceDpiX));
    frame.setRightMargin(int((2 / 2.54) * sourceDpiX));
    frame.setTopMargin(int((2 / 2.54) * sourceDpiY));
    frame.setBottomMargin(int((2 / 2.54) * sourceDpiY));
    paged->rootFrame()->setFrameFormat(frame);
    paged->setPageSize(QSizeF(writer.width(), writer.height()));
    for (int block : keepHeadingsWithNext(*paged))
        breakBefore(document, block);
}

// The pictures of the program's windows, by the name the manual gives them
// ("screenshot:<name>"), drawn in the language the program speaks now.
using Pictures = std::map<QString, QImage>;

// The greeting typed onto the example card: Dutch in the Dutch manual,
// English in every other.
QString exampleGreeting()
{
    return Translations::current() == Language::Dutch ? QStringLiteral("Groeten uit Zeeland")
                                                      : QStringLiteral("Hello from Zeeland");
}

Pictures drawWindows()
{
    Pictures pictures;
    {
        Titel titel;
        titel.Timer1->stop();
        pictures["titel"] = grabWindow(titel);
    }
    {
        Main main;
        main.KlokTimer->stop();
        main.card.paintPicture(startPhoto(), 0, 0, 515, 365);
        main.LayoutKaart_Click(18);
        pictures["main"] = grabWindow(main);
        // The same window enlarged as on a full-HD screen: the card fits the larger panel.
        main.resize(1600, 900);
        pictures["maximised"] = grabWindow(main);
        main.resize(main.minimumSize());
        main.hide();
        {
            // "4 Foto's" with two photos placed: the frames' outlines, the third one current.
            Main photos;
            photos.KlokTimer->stop();
            photos.LayoutKaart_Click(7);
            for (int n = 0; n < 2; ++n) {
                CardHistory::Change change(photos.history);
                placePhoto(photos.context(), PhotoSource::fromPicture(startPhoto()));
                advanceFrame(photos.state.currentLayout, photos.state.frameX, photos.state.frameY);
            }
            showFrameOutlines(photos.context());
            photos.show();
            QCoreApplication::processEvents();
            pictures["frames"] = photos.Frame1->grab().toImage();
            // The first photo zoomed in around a point and moved to the left inside its frame.
            zoomPhotoAt(photos.context(), 6, 180, 60);
            photoMouseDown(photos.context(), 1, 120, 90);
            photoMouseMove(photos.context(), 1, 80, 90);
            photoMouseUp(photos.context(), 1, 80, 90);
            QCoreApplication::processEvents();
            pictures["photomove"] = photos.Frame1->grab().toImage();
            // A greeting placed over the photos, then selected to be changed.
            addOperation(photos.context(), std::make_shared<TextOperation>(
                                               exampleGreeting(), TextFont{QStringLiteral("Liberation Sans"), 28, true},
                                               TextInk{true, RGB(0, 0, 0), RGB(255, 255, 0)}, false, QPoint(120, 150)));
            selectText(photos.context(), photos.state.document.size() - 1);
            QCoreApplication::processEvents();
            pictures["textselect"] = photos.Frame1->grab().toImage();
        }

        SessionPrinter printer;
        Afdrukken print(main.state, main.printSettings, main.card, printer, [] { return std::optional<AddressBook>(); });
        pictures["afdrukken"] = grabWindow(print);
        // Four cards on A4 with their backs below them.
        print.VScroll1->setValue(PrintMode::VierOpA4);
        print.CheckDubbelzijdig->setChecked(true);
        pictures["beidezijden"] = grabWindow(print);
        print.hide();

        PrintRun::Request request;
        request.card = main.card.image();
        AfdrukVoorbeeld preview([&request](PrinterPage& page) { PrintRun::print(page, request, [] { return std::nullopt; }); },
                                printer.printer().pageLayout());
        preview.resize(820, 620);
        pictures["voorbeeld"] = grabWindow(preview);
        preview.hide();

        Printmarges marges(main.printSettings);
        marges.setPrinter(&printer);
        pictures["printmarges"] = grabWindow(marges);
    }
    {
        AddressBook example;
        example.senderLine = QStringLiteral("Anna de Vries, Lindenlaan 4, 1234 AB Ergens");
        example.records.append({QStringLiteral("Piet Jansen"), QStringLiteral("Kerkstraat 12"), QStringLiteral("5678 CD Elders"), QStringLiteral("Nederland")});
        const QString file = QDir::temp().filePath(QStringLiteral("prentvel-manual-Adressen.cat"));
        AddressFile::save(example, file);
        Dataform form(nullptr, file);
        pictures["dataform"] = grabWindow(form);
        QFile::remove(file);
    }
    return pictures;
}

// The software centres show the main window enlarged and the print window.
bool writeScreenshots(const Pictures& pictures, const QString& folder)
{
    return QDir().mkpath(folder) && pictures.at("maximised").save(folder + QStringLiteral("/main.png"))
        && pictures.at("afdrukken").save(folder + QStringLiteral("/print.png"));
}

bool writeManual(const QString& htmlPath, const QString& pdfPath, const Pictures& pictures)
{
    QFile source(htmlPath);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(htmlPath));
        return false;
    }
    QTextDocument document;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    for (const auto& [name, picture] : pictures)
        document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("screenshot:") + name), picture);
    document.setHtml(QString::fromUtf8(source.readAll()));

    QPdfWriter writer(pdfPath);
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QStringLiteral("Prentvel"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
    writer.setResolution(300);
    keepHeadingsWithText(document, writer);
    document.print(&writer);
    return QFile::exists(pdfPath);
}

bool writeIcons(const QString& folder)
{
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(dir) || !appIcon(size).save(dir + QStringLiteral("/prentvel.png")))
            return false;
    }
    return true;
}

}

// Each manual's pictures start from the program's start values, never from
// what this machine's user chose or what an earlier manual's windows stored.
std::unique_ptr<QTemporaryDir> freshSettings()
{
    auto folder = std::make_unique<QTemporaryDir>();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder->path());
    return folder;
}

struct Manual {
    QString language;
    QString html;
    QString pdf;
};

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 6 || (argc - 3) % 3 != 0) {
        std::fprintf(stderr, "usage: make_assets <icon folder> <screenshot folder> {<language> <manual.html> <manual.pdf>}...\n");
        return 2;
    }
    const QString iconFolder = QString::fromLocal8Bit(argv[1]);
    const QString screenshotFolder = QString::fromLocal8Bit(argv[2]);
    std::vector<Manual> manuals;
    for (int n = 3; n + 2 < argc; n += 3)
        manuals.push_back({QString::fromLocal8Bit(argv[n]), QString::fromLocal8Bit(argv[n + 1]), QString::fromLocal8Bit(argv[n + 2])});

    // The settings are redirected before the look reads the language from them.
    QStandardPaths::setTestModeEnabled(true);
    std::unique_ptr<QTemporaryDir> settings = freshSettings();
    applyProgramLook(app);

    const QStringList languages = Translations::available();
    for (const Manual& manual : manuals) {
        if (!languages.contains(manual.language)) {
            std::fprintf(stderr, "make_assets: the program has no translation \"%s\" for %s\n",
                         qPrintable(manual.language), qPrintable(manual.html));
            return 1;
        }
    }
    // The screenshots for the software centres are Dutch, whichever manuals are made.
    bool screenshotsWritten = false;
    for (const Manual& manual : manuals) {
        settings = freshSettings();
        Translations::use(manual.language);
        const Pictures pictures = drawWindows();
        if (manual.language == Language::Dutch && !screenshotsWritten) {
            if (!writeScreenshots(pictures, screenshotFolder))
                return 1;
            screenshotsWritten = true;
        }
        if (!writeManual(manual.html, manual.pdf, pictures))
            return 1;
    }
    if (!screenshotsWritten) {
        settings = freshSettings();
        Translations::use(Language::Dutch);
        if (!writeScreenshots(drawWindows(), screenshotFolder))
            return 1;
    }
    return writeIcons(iconFolder) ? 0 : 1;
}
