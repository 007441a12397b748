#include "common/TestRegistry.h"

#include "app/Main.h"
#include "drawing/Config.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

class ConfigWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cancelAndCloseKeepTheSettingsAndReopenShowsThem()
    {
        EditorState state;
        state.circleSize = 12;
        state.fillStyleSetting = 3;
        state.eraserSize = 40;
        for (const bool byFrame : {false, true}) {
            Config window(state);
            window.HScroll1->setValue(30);
            window.VulScroll->setValue(7);
            window.GumScroll->setValue(5);
            QCOMPARE(window.Label4->text() + window.Label7->text() + window.Label9->text(),
                     QString("30 PixelsVulstijl: 7Grootte Gum: 5"));
            byFrame ? void(window.close()) : window.CancelKnop->click();
        }
        QVERIFY(state.circleSize == 12 && state.fillStyleSetting == 3 && state.eraserSize == 40);
        Config reopened(state);
        QCOMPARE(reopened.HScroll1->value(), 12);
        QCOMPARE(reopened.Label7->text(), QString("Vulstijl: 3"));
        QCOMPARE(reopened.Label9->text(), QString("Grootte Gum: 40"));
    }

    void previewFollowsPatternAndColours()
    {
        EditorState state;
        state.drawColor = {200, 0, 0};
        state.fillColor = {0, 0, 200};
        Config window(state);
        const PictureSurface& preview = window.preview();
        QCOMPARE(preview.point(3, 3), qint64(RGB(200, 0, 0)));
        QCOMPARE(preview.point(112, 32), qint64(RGB(200, 0, 0)));
        QCOMPARE(preview.point(50, 20), qint64(RGB(0, 0, 200)));

        window.VulScroll->setValue(1);
        int filled = 0;
        for (int x = 4; x < 112; ++x)
            filled += preview.point(x, 17) != qint64(RGB(255, 255, 255));
        QCOMPARE(filled, 0);
        window.VulScroll->setValue(6);
        for (int x = 4; x < 112; ++x)
            filled += preview.point(x, 17) == qint64(RGB(0, 0, 200));
        QVERIFY(filled > 0 && filled < 108);
    }

    void menuOpensTheWindowModallyAndOkStoresWithinTheRanges()
    {
        Main main;
        QTimer::singleShot(0, [] {
            auto* window = qobject_cast<Config*>(QApplication::activeModalWidget());
            QVERIFY(window);
            window->HScroll1->setValue(100);
            window->VulScroll->setValue(-3);
            window->GumScroll->setValue(2);
            window->OkKnop->click();
        });
        main.ToolsConfig->trigger();
        QVERIFY(main.state.circleSize == 30 && main.state.fillStyleSetting == 0 && main.state.eraserSize == 5);
    }
};

PRENTVEL_TEST(ConfigWindowTest)
#include "ConfigWindowTest.moc"
