// The card drawn from its document: every kind of operation drawn live and
// replayed on a blank card gives the same pixels on both copies, photos stay
// adjustable under later operations, and the history names its edits.
#include "app/Main.h"
#include "common/ScriptedDialogs.h"
#include "common/TestPictures.h"
#include "drawing/CardMouse.h"
#include "common/TestRegistry.h"
#include "drawing/DrawingOperations.h"
#include "editor/CardEditing.h"
#include "editor/CardPhotos.h"
#include "editor/CardReplay.h"
#include "editor/TextOperation.h"
#include "EditorTestSupport.h"
#include "filters/FilterOperation.h"
#include "platform/EventPump.h"
#include "platform/PictureBox.h"
#include "platform/Random.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include "platform/ClickableLabel.h"
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {

// Both copies of `main`'s card equal a blank card with its document replayed.
QString replayDiffers(const Main& main)
{
    CardSurface fresh;
    CardReplay replay;
    replay.replay(fresh, main.state.document);
    if (fresh.image() != main.card.image())
        return QStringLiteral("screen copy differs after %1 operations").arg(main.state.document.size());
    if (fresh.printImage() != main.card.printImage())
        return QStringLiteral("print copy differs after %1 operations").arg(main.state.document.size());
    return QString();
}

bool sameCard(const Main& a, const Main& b)
{
    return a.card.image() == b.card.image() && a.card.printImage() == b.card.printImage();
}

using CardMouse::drag;

Operation greeting(QPoint at)
{
    return std::make_shared<TextOperation>(QStringLiteral("Groeten"), TextFont{QStringLiteral("Liberation Sans"), 30, true},
                                           TextInk{true, RGB(0, 0, 0), RGB(255, 255, 0)}, false, at);
}

}

class CardReplayTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    ScriptedDialogs* dialogs = nullptr;

    QString photoFile(int phase) { return wavesJpeg(dir, phase); }
    void open(Main& main, const QString& path)
    {
        dialogs->files << path;
        main.FileOpen->trigger();
    }
    // Layout 4 with two photos.
    void twoPhotos(Main& main)
    {
        main.LayoutBijsnijden->setChecked(true);
        main.LayoutKaart_Click(4);
        open(main, photoFile(0));
        open(main, photoFile(40));
    }

private Q_SLOTS:
    void init() { dialogs = new ScriptedDialogs; }
    void cleanup() { delete dialogs; }

    // Every kind, made as a user makes it, replays exactly.
    void everyKindOfOperationReplaysExactly()
    {
        Main main;
        twoPhotos(main);
        main.Text1->setText("Hallo");
        main.PlaatsKnop->click();
        QTest::mouseClick(main.Voorkant, Qt::LeftButton, {}, {300, 200});
        main.LayoutKaart_Click(18);
        main.Slider1->setValue(3);
        for (int tool = 1; tool <= 11; ++tool) {
            main.Knop[tool]->click();
            drag(main, {{20 + tool * 30, 40}, {40 + tool * 30, 90}, {60 + tool * 30, 130}});
            QVERIFY2(replayDiffers(main).isEmpty(), qPrintable(toolDescription(tool).name));
        }
        dialogs->files << photoFile(80);
        main.Knop[12]->click();
        drag(main, {{300, 250}, {420, 330}});
        QCOMPARE(replayDiffers(main), QString());
        for (int entry : {0, 4, 5})
            main.GradientRichting[entry]->trigger();
        main.EditLijstrand[5]->trigger();
        main.EditLijst[2]->trigger();
        for (int entry : {9, 13, 16, 17})
            main.EditConvert[entry]->trigger();
        main.EditContrastConvert[1]->trigger();
        main.EditSwap[3]->trigger();
        for (int entry = 0; entry <= 4; ++entry)
            main.EditFlipConvert[entry]->trigger();
        QCOMPARE(replayDiffers(main), QString());
        main.LayoutKaart_Click(Layout::AddressSide);
        QCOMPARE(main.state.document.size(), 1);
        QCOMPARE(main.state.hiddenSide->document.size(), 30);
        QCOMPARE(replayDiffers(main), QString());
    }

    // A few hundred operations of every kind with random parameters.
    void aRandomSequenceReplaysExactly()
    {
        Main main;
        QRandomGenerator random(5);
        const auto point = [&random] { return QPointF(random.bounded(515.0), random.bounded(365.0)); };
        const auto colour = [&random] { return Rgb{int(random.bounded(256)), int(random.bounded(256)), int(random.bounded(256))}; };
        const int cheapFilters[] = {1, 2, 9, 13, 14};
        for (int n = 0; n < 300; ++n) {
            const StrokeStyle style{colour(), colour(), 1 + int(random.bounded(6)), int(random.bounded(8)),
                                    5 + int(random.bounded(20))};
            Operation operation;
            switch (random.bounded(8)) {
            case 0:
                operation = greeting(point().toPoint());
                break;
            case 1:
                operation = std::make_shared<FrameOperation>(FrameOperation::Border, 1 + int(random.bounded(10)));
                break;
            case 2:
                Random::seed(random.generate64());
                operation = std::make_shared<FilterOperation>(FilterMenu::Filters, cheapFilters[random.bounded(5)], colour(),
                                                              Random::state());
                break;
            default: {
                static const int tools[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11};
                const int tool = tools[random.bounded(10)];
                std::vector<QPointF> points{point()};
                const QPointF start = points.front();
                for (int i = 0; i < 1 + int(random.bounded(8)); ++i)
                    points.push_back(start + QPointF(random.bounded(60.0), random.bounded(60.0)));
                operation = std::make_shared<ToolStroke>(tool, style, points, random.generate64());
                break;
            }
            }
            addOperation(main.context(), operation);
        }
        QCOMPARE(replayDiffers(main), QString());
    }

    // A photo moved after a text equals the photo moved first and the text
    // placed after; there and back gives the card back, sprays and noise included.
    void aPhotoMovesUnderLaterOperationsExactly()
    {
        Main later, first;
        twoPhotos(later);
        twoPhotos(first);
        addOperation(later.context(), greeting({30, 100}));
        drag(later, {{100, 200}, {90, 195}, {80, 190}}); // beside the text, which a press on it would select
        drag(first, {{100, 200}, {90, 195}, {80, 190}});
        addOperation(first.context(), greeting({30, 100}));
        QVERIFY(sameCard(later, first));
        QCOMPARE(replayDiffers(later), QString());

        // Other layouts chosen in between, a spray, noise and a filter later.
        later.LayoutKaart_Click(18);
        later.Knop[8]->click();
        drag(later, {{120, 100}, {140, 120}, {160, 140}});
        later.EditConvert[13]->trigger();
        later.LayoutKaart_Click(9);
        later.LayoutKaart_Click(4);
        const QImage screen = later.card.image().copy(), print = later.card.printImage().copy();
        QTest::mousePress(later.Voorkant, Qt::LeftButton, {}, {100, 200});
        QTest::mouseMove(later.Voorkant, {60, 180});
        // While the button is down the view shows the photo where the pointer took it.
        const QImage during = later.Voorkant->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QTest::mouseMove(later.Voorkant, {100, 200});
        QTest::mouseRelease(later.Voorkant, Qt::LeftButton, {}, {100, 200});
        QVERIFY(during.copy(0, 60, 258, 182) != screen.convertToFormat(QImage::Format_RGB32).copy(0, 60, 258, 182));
        QCOMPARE(later.card.image(), screen);
        QCOMPARE(later.card.printImage(), print);
        drag(later, {{100, 200}, {100, 240}});
        QVERIFY(later.card.image() != screen);
        QCOMPARE(replayDiffers(later), QString());
        later.ToolsUndo_Click();
        QCOMPARE(later.card.image(), screen);
        QCOMPARE(later.card.printImage(), print);
    }

    // Removing a step replays the later ones while the window keeps answering:
    // the strip follows the filters, and the card takes no gesture meanwhile.
    void removingAStepKeepsTheWindowAnswering()
    {
        Main main, without;
        for (Main* m : {&main, &without}) {
            m->LayoutKaart_Click(18);
            if (m == &main)
                addOperation(m->context(), greeting({40, 40}));
            addOperation(m->context(), std::make_shared<GradientOperation>(4, Rgb{250, 200, 0}, Rgb{0, 40, 120}));
            m->EditConvert[10]->trigger(); // Blur
        }
        bool stripMoved = false;
        int documentMeanwhile = -1;
        EventPump::setHook([&] {
            stripMoved = stripMoved || main.Bar->isVisibleTo(&main);
            QTest::mouseClick(main.Voorkant, Qt::LeftButton, {}, {300, 300});
            documentMeanwhile = main.state.document.size();
        });
        removeOperation(main.context(), 0);
        EventPump::setHook({});
        QVERIFY(stripMoved);
        QCOMPARE(documentMeanwhile, 2);
        QVERIFY(sameCard(main, without));
        main.ToolsUndo_Click();
        QCOMPARE(main.state.document.size(), 3);
    }

    void theUndoEntriesNameTheirEdits()
    {
        Main main;
        main.LayoutKaart_Click(18);
        main.Knop[1]->click();
        drag(main, {{10, 10}, {50, 50}});
        QCOMPARE(main.ToolsUndo->statusTip(), QString("Ongedaan maken: Kromme lijnen"));
        main.EditConvert[10]->trigger();
        QCOMPARE(main.ToolsUndo->toolTip(), QString("Ongedaan maken: Blur"));
        main.ToolsUndo_Click();
        QCOMPARE(main.ToolsRedo->statusTip(), QString("Opnieuw: Blur"));
        addOperation(main.context(), greeting({5, 5}));
        QCOMPARE(main.ToolsUndo->statusTip(), QString("Ongedaan maken: Tekst Groeten"));
        QCOMPARE(main.ToolsRedo->statusTip(), QString("Opnieuw: "));
        Q_EMIT main.ToolsUndo->hovered();
        QCOMPARE(main.InfoLabel->text(), QString("Ongedaan maken: Tekst Groeten"));
        dialogs->answers << true;
        main.FileNieuw_Click();
        QCOMPARE(main.ToolsUndo->statusTip(), QString("Ongedaan maken: Nieuw"));
        QVERIFY(main.state.document.empty());
        main.ToolsUndo_Click();
        QCOMPARE(main.state.document.size(), 2);
    }
};

PRENTVEL_TEST(CardReplayTest)
#include "CardReplayTest.moc"
