#include "common/TestRegistry.h"
#include "platform/Dialogs.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

class DialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void standardButtonsSpeakDutch()
    {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove('&'), QString("Ja"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove('&'), QString("Nee"));
    }

    void filtersBecomeQtFiltersInBothCases()
    {
        QCOMPARE(Dialogs::toQtFilter("Foto ( Jpg, Bmp )|*.jpg;*.bmp"), QString("Foto ( Jpg, Bmp ) (*.jpg *.JPG *.jpeg *.JPEG *.bmp *.BMP)"));
        QCOMPARE(Dialogs::toQtFilter("A|*.a|Alles|*.*"), QString("A (*.a *.A);;Alles (*.*)"));
    }
};

PRENTVEL_TEST(DialogsTest)
#include "DialogsTest.moc"
