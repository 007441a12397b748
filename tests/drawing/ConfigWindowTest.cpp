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
            QCOMPARE(window.Label4->text(), QString("30 Pixels"));
            QCOMPARE(window.Label7->text(), QString("Vulstijl: 7"));
            QCOMPARE(window.Label9->text(), QString("Grootte Gum: 5"));
            if (byFrame)
                window.close();
            else
                window.CancelKnop->click();
            QCOMPARE(window.result(), int(QDialog::Rejected));
        }
        QCOMPARE(state.circleSize, 12);
        QCOMPARE(state.fillStyleSetting, 3);
        QCOMPARE(state.eraserSize, 40);

        Config reopened(state);
        QCOMPARE(reopened.HScroll1->value(), 12);
        QCOMPARE(reopened.Label7->text(), QString("Vulstijl: 3"));
        QCOMPARE(reopened.Label9->text(), QString("Grootte Gum: 40"));
    }

    void scrollBarsKeepTheirRanges()
    {
        EditorState state;
        Config window(state);
        window.HScroll1->setValue(100);
        window.VulScroll->setValue(-3);
        window.GumScroll->setValue(2);
        window.OkKnop->click();
        QCOMPARE(state.circleSize, 30);
        QCOMPARE(state.fillStyleSetting, 0);
        QCOMPARE(state.eraserSize, 5);
    }

    void previewFollowsPatternAndColours()
    {
        EditorState state;
        state.drawColor = {200, 0, 0};
        state.fillColor = {0, 0, 200};
        Config window(state);
        const CardSurface& preview = window.preview();
        QCOMPARE(preview.point(3, 3), qint64(RGB(200, 0, 0)));
        QCOMPARE(preview.point(112, 32), qint64(RGB(200, 0, 0)));
        QCOMPARE(preview.point(50, 20), qint64(RGB(0, 0, 200)));
        QCOMPARE(preview.point(2, 2), qint64(RGB(255, 255, 255)));

        window.VulScroll->setValue(1);
        for (int x = 4; x < 112; ++x)
            QCOMPARE(preview.point(x, 20), qint64(RGB(255, 255, 255)));

        window.VulScroll->setValue(6);
        int hatched = 0;
        for (int x = 4; x < 112; ++x)
            hatched += preview.point(x, 17) == qint64(RGB(0, 0, 200));
        QVERIFY(hatched > 0 && hatched < 108);
    }

    void menuOpensTheWindowModallyAndOkStores()
    {
        Main main;
        QString caption;
        QTimer::singleShot(0, [&caption] {
            auto* window = qobject_cast<Config*>(QApplication::activeModalWidget());
            QVERIFY(window);
            caption = window->windowTitle();
            window->HScroll1->setValue(20);
            window->OkKnop->click();
        });
        main.ToolsConfig->trigger();
        QCOMPARE(caption, QString("Configuratie Zelf Tekenen"));
        QCOMPARE(main.state.circleSize, 20);
    }
};

PRENTVEL_TEST(ConfigWindowTest)
#include "ConfigWindowTest.moc"
