// Photo import into a dragged rectangle.
#include "CardMouse.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"

#include <QAction>
#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>

using namespace CardMouse;

class FotoLadenTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void photoIsStretchedIntoTheRectangle()
    {
        QTemporaryDir folder;
        QImage picture(160, 120, QImage::Format_RGB32); // red left half, blue right half
        picture.fill(Qt::blue);
        QPainter(&picture).fillRect(0, 0, 80, 120, Qt::red);
        QVERIFY(picture.save(folder.filePath("zee.bmp")));
        QFile damaged(folder.filePath("kapot.jpg"));
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("\xFF\xD8\xFF\xE0 no photo") > 0);
        damaged.close();

        Main main;
        main.LayoutKaart_Click(18);
        main.Knop[12]->click();
        main.card.setPixel(400, 300, RGB(0, 0, 0)); // drawn since the white base picture
        const QImage before = main.card.image();
        ScriptedDialogs dialogs;

        // Cancelled, then unreadable: the card, caption and tool stay.
        drag(main, {{100, 50}, {300, 150}});
        QVERIFY(!main.ToolsUndo->isEnabled()); // a drag that changes nothing is no step
        dialogs.files << damaged.fileName();
        drag(main, {{100, 50}, {300, 150}});
        QCOMPARE(main.card.image(), before);
        QCOMPARE(main.NaamEnGrootte->text(), QString("*.*"));
        QCOMPARE(main.state.currentTool, 12);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages.first().title, QString(" Open Foto"));
        QCOMPARE(dialogs.messages.first().text,
                 QString("kapot.jpg kan niet als foto worden geopend: het bestand is beschadigd of onvolledig."));
        QVERIFY(!main.ToolsUndo->isEnabled());

        dialogs.files << folder.filePath("zee.bmp");
        drag(main, {{100, 50}, {300, 150}});
        QCOMPARE(dialogs.fileFilters.size(), 3);
        QCOMPARE(dialogs.fileFilters.last(), QString("Foto's (Jpg, Heic, Png, Webp, Avif, Tif, Bmp, Gif, Wmf)|*.jpg;*.jpe;*.jfif;*.heic;*.heif;*.png;*.webp;*.avif;*.tif;*.tiff;*.bmp;*.gif;*.wmf|Alle bestanden|*"));
        QCOMPARE(firstMismatch(main, {{100, 50, {255, 0, 0}}, {195, 149, {255, 0, 0}}, {205, 100, {0, 0, 255}},
                                      {299, 149, {0, 0, 255}}, {300, 100, White}, {99, 100, White}, {200, 150, White}}),
                 QString());
        QCOMPARE(main.NaamEnGrootte->text(), QString("zee.bmp / 160 x 120 pixels"));
        QCOMPARE(main.state.currentTool, 0);
        // Undo takes back the photo only.
        main.ToolsUndo_Click();
        QCOMPARE(main.card.image(), before);
        QCOMPARE(main.state.currentTool, 12);
        main.ToolsRedo_Click();
        QCOMPARE(main.state.currentTool, 0);

        // With no tool the next drag draws nothing and asks for nothing.
        const QImage after = main.card.image();
        drag(main, {{10, 10}, {60, 40}});
        QCOMPARE(main.card.image(), after);
        QCOMPARE(dialogs.fileFilters.size(), 3);
    }
};

PRENTVEL_TEST(FotoLadenTest)
#include "FotoLadenTest.moc"
