// A caption longer than its designed room widens its control within the
// parent, by hand-placed windows and by the designed layout alike; one that
// fits keeps its designed width, and the designed width comes back.
#include "common/TestRegistry.h"
#include "platform/DesignedLayout.h"
#include "platform/TextRoom.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>

class TextRoomTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void longCaptionsGrowWithinTheirParent()
    {
        QWidget window;
        window.resize(300, 100);
        auto* label = new QLabel(QStringLiteral("Kort"), &window);
        label->setGeometry(10, 10, 60, 20);
        auto* box = new QCheckBox(QStringLiteral("Kort"), &window);
        box->setGeometry(200, 40, 60, 20);
        TextRoom::fitWindow(&window);
        QCOMPARE(label->width(), 60);
        QCOMPARE(box->width(), 60);

        label->setText(QStringLiteral("A caption that needs more room"));
        box->setText(QStringLiteral("A check box caption far longer than the window allows"));
        TextRoom::fitWindow(&window);
        QCOMPARE(label->width(), TextRoom::neededWidth(label));
        QCOMPARE(box->geometry().right(), window.contentsRect().right()); // no further than the parent

        label->setText(QStringLiteral("Kort"));
        box->setText(QStringLiteral("Kort"));
        TextRoom::fitWindow(&window);
        QCOMPARE(label->width(), 60);
        QCOMPARE(box->width(), 60);
    }

    void theDesignedLayoutWidensToo()
    {
        QWidget window;
        auto* label = new QLabel(QStringLiteral("Kort"), &window);
        label->setGeometry(10, 10, 40, 20);
        auto* layout = new DesignedLayout(QRect(0, 0, 300, 100), &window);
        layout->addWidget(label, DesignedLayout::Stay);
        window.resize(300, 100);
        layout->activate();
        QCOMPARE(label->width(), 40);
        label->setText(QStringLiteral("A caption that needs more room"));
        layout->invalidate();
        layout->activate();
        QCOMPARE(label->width(), TextRoom::neededWidth(label));
        label->setText(QStringLiteral("Kort"));
        layout->invalidate();
        layout->activate();
        QCOMPARE(label->width(), 40);
    }
};

PRENTVEL_TEST(TextRoomTest)
#include "TextRoomTest.moc"
