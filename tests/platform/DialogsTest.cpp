#include "common/TestRegistry.h"
#include "platform/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

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

    void messagesShowTheirTextAsWritten()
    {
        Dialogs::Handler* scripted = Dialogs::handler();
        Dialogs::setHandler(nullptr);
        QList<Qt::TextFormat> formats;
        const auto answer = [&] {
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                formats << box->textFormat();
                box->done(QMessageBox::No);
            });
        };
        const QString text = QStringLiteral("Het bestand /tmp/<b>kaart & co</b>.pdf kon niet worden geopend.");
        answer();
        Dialogs::showMessage(nullptr, text, " Openen");
        answer();
        Dialogs::askYesNo(nullptr, text, " Openen");
        Dialogs::setHandler(scripted);
        QCOMPARE(formats, QList<Qt::TextFormat>({Qt::PlainText, Qt::PlainText}));
    }

    void filtersBecomeQtFiltersInBothCases()
    {
        QCOMPARE(Dialogs::toQtFilter("Foto ( Jpg, Bmp )|*.jpg;*.bmp"), QString("Foto ( Jpg, Bmp ) (*.jpg *.JPG *.jpeg *.JPEG *.bmp *.BMP)"));
        QCOMPARE(Dialogs::toQtFilter("A|*.a|Alles|*.*"), QString("A (*.a *.A);;Alles (*.*)"));
    }
};

PRENTVEL_TEST(DialogsTest)
#include "DialogsTest.moc"
