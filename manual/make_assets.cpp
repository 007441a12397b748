// Build-time tool: writes the user manual as a PDF (with pictures of the
// program's own windows) and the program icon in the usual sizes.
//   make_assets <manual.html> <help.pdf> <icon folder>
#include "app/AppIcon.h"
#include "app/Main.h"
#include "app/StartPhoto.h"
#include "addressbook/Dataform.h"
#include "app/Titel.h"
#include "printing/AfdrukVoorbeeld.h"
#include "printing/Afdrukken.h"
#include "printing/PrintRun.h"
#include "printing/Printmarges.h"
#include "printing/SessionPrinter.h"
#include "platform/Translations.h"

#include <QApplication>
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

namespace {

QImage grabWindow(QWidget& window)
{
    window.show();
    QCoreApplication::processEvents();
    return window.grab().toImage();
}

bool writeManual(const QString& htmlPath, const QString& pdfPath)
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
    {
        Titel titel;
        titel.Timer1->stop();
        document.addResource(QTextDocument::ImageResource, QUrl("screenshot:titel"), grabWindow(titel));
    }
    {
        Main main;
        main.KlokTimer->stop();
        main.card.paintPicture(startPhoto(), 0, 0, 515, 365);
        main.LayoutKaart_Click(18);
        document.addResource(QTextDocument::ImageResource, QUrl("screenshot:main"), grabWindow(main));
        main.hide();

        SessionPrinter printer;
        Afdrukken print(main.state, main.card, printer, [] { return std::optional<AddressBook>(); });
        document.addResource(QTextDocument::ImageResource, QUrl("screenshot:afdrukken"), grabWindow(print));
        print.hide();

        PrintRun::Request request;
        request.card = main.card.image();
        AfdrukVoorbeeld preview([&request](PrinterPage& page) { PrintRun::print(page, request, [] { return std::nullopt; }); },
                                printer.printer().pageLayout());
        preview.resize(820, 620);
        document.addResource(QTextDocument::ImageResource, QUrl("screenshot:voorbeeld"), grabWindow(preview));
        preview.hide();

        Printmarges marges(main.state);
        marges.setPrinter(&printer);
        document.addResource(QTextDocument::ImageResource, QUrl("screenshot:printmarges"), grabWindow(marges));
    }
    {
        AddressBook example;
        example.senderLine = QStringLiteral("Anna de Vries, Lindenlaan 4, 1234 AB Ergens");
        example.records.append({QStringLiteral("Piet Jansen"), QStringLiteral("Kerkstraat 12"), QStringLiteral("5678 CD Elders"), QStringLiteral("Nederland")});
        const QString file = QDir::temp().filePath(QStringLiteral("prentvel-manual-Adressen.cat"));
        AddressFile::save(example, file);
        Dataform form(nullptr, file);
        document.addResource(QTextDocument::ImageResource, QUrl("screenshot:dataform"), grabWindow(form));
        QFile::remove(file);
    }
    document.setHtml(QString::fromUtf8(source.readAll()));

    QPdfWriter writer(pdfPath);
    writer.setTitle(QStringLiteral("Prentvel – Handleiding"));
    writer.setCreator(QStringLiteral("Prentvel"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
    writer.setResolution(300);
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

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyProgramLook(app);
    // The pictures show the start values, never what this machine's user chose.
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_assets <manual.html> <help.pdf> <icon folder>\n");
        return 2;
    }
    if (!writeManual(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])))
        return 1;
    return writeIcons(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
