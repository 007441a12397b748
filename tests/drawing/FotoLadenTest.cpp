// Photo import into a dragged rectangle.
#include "CardMouse.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"

#include <QAction>
#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

using namespace CardMouse;

class FotoLadenTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Main> main;
    QTemporaryDir folder;
    QString photo;

private Q_SLOTS:
    void initTestCase()
    {
        // 160 x 120: red left half, blue right half.
        QImage picture(160, 120, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QPainter(&picture).fillRect(0, 0, 80, 120, Qt::red);
        photo = folder.filePath("zee.bmp");
        QVERIFY(picture.save(photo));
    }
    void init()
    {
        main = std::make_unique<Main>();
        main->LayoutKaart_Click(18);
        main->Knop[12]->click();
        main->card.setPixel(400, 300, RGB(0, 0, 0)); // drawn since the white base picture
    }
    void cleanup() { main.reset(); }

    void photoIsStretchedIntoTheRectangle()
    {
        ScriptedDialogs dialogs;
        dialogs.files << photo;
        drag(*main, {{100, 50}, {300, 150}});
        QCOMPARE(dialogs.fileFilters, QStringList{"Foto ( Jpg, Bmp, Gif, Wmf )|*.jpg;*.bmp;*.gif;*.wmf"});
        QCOMPARE(pixel(*main, 100, 50), (Rgb{255, 0, 0}));
        QCOMPARE(pixel(*main, 195, 149), (Rgb{255, 0, 0}));
        QCOMPARE(pixel(*main, 205, 100), (Rgb{0, 0, 255}));
        QCOMPARE(pixel(*main, 299, 149), (Rgb{0, 0, 255}));
        QCOMPARE(pixel(*main, 300, 100), White);
        QCOMPARE(pixel(*main, 99, 100), White);
        QCOMPARE(pixel(*main, 200, 150), White);
        QCOMPARE(main->NaamEnGrootte->text(), QString("zee.bmp / 160 x 120 pixels"));
        QCOMPARE(main->state.photoFileName, photo);
        QCOMPARE(main->state.currentTool, 0);
        QCOMPARE(pixelsNotWhite(main->Backup), 0); // the base picture, not the drawing

        // With no tool the next drag draws nothing.
        const QImage after = main->card.image();
        drag(*main, {{10, 10}, {60, 40}});
        QCOMPARE(main->card.image(), after);
    }

    void cancelOrUnreadableFileChangesNothing()
    {
        ScriptedDialogs dialogs;
        const QImage before = main->card.image();
        const QString caption = main->NaamEnGrootte->text();
        drag(*main, {{100, 50}, {300, 150}});
        QCOMPARE(dialogs.fileFilters.size(), 1);
        QCOMPARE(main->card.image(), before);
        QCOMPARE(main->Backup, before); // the copy taken at the mouse-down
        QCOMPARE(main->NaamEnGrootte->text(), caption);
        QCOMPARE(main->state.currentTool, 12);

        const QString damaged = folder.filePath("kapot.jpg");
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xFF\xD8\xFF\xE0 not really a photo");
        file.close();
        dialogs.files << damaged;
        drag(*main, {{100, 50}, {300, 150}});
        QCOMPARE(main->card.image(), before);
        QCOMPARE(main->NaamEnGrootte->text(), caption);

        // A drag that does not open right and down asks for nothing.
        drag(*main, {{100, 50}, {300, 50}});
        QCOMPARE(dialogs.fileFilters.size(), 2);
    }
};

PRENTVEL_TEST(FotoLadenTest)
#include "FotoLadenTest.moc"
