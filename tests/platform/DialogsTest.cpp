#include "common/TestRegistry.h"
#include "platform/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
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

    void theRealSaveDialogCompletesANameWithTheTypesExtension()
    {
        QTemporaryDir dir;
        QFile existing(dir.filePath("kaart.jpg"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        Dialogs::Handler* scripted = Dialogs::handler();
        Dialogs::setHandler(nullptr);
        QStringList asked;
        const auto typeName = [&](const QString& name) {
            QTimer::singleShot(0, [&, name] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                if (!dialog)
                    return;
                dialog->selectFile(name);
                // The overwrite question, if any, is about the completed name.
                QTimer::singleShot(0, [&] {
                    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                        asked << box->text();
                        box->button(QMessageBox::Yes)->click();
                    }
                });
                QMetaObject::invokeMethod(dialog, "accept");
            });
        };
        typeName(dir.filePath("kaart"));
        const QString bmp = Dialogs::saveFileName(nullptr, "Kaart Opslaan", "Bitmap (*.bmp)|*.bmp");
        typeName(dir.filePath("kaart"));
        const QString jpg = Dialogs::saveFileName(nullptr, "Kaart Opslaan", "Jpg format (*.jpg)|*.jpg");
        Dialogs::setHandler(scripted);
        QCOMPARE(bmp, dir.filePath("kaart.bmp"));
        QCOMPARE(jpg, dir.filePath("kaart.jpg"));
        QCOMPARE(asked.size(), 1);
        QVERIFY(asked.first().contains("kaart.jpg"));
    }

    void filtersBecomeQtFiltersInBothCases()
    {
        QCOMPARE(Dialogs::toQtFilter("Foto ( Jpg, Bmp )|*.jpg;*.bmp"), QString("Foto ( Jpg, Bmp ) (*.jpg *.JPG *.jpeg *.JPEG *.bmp *.BMP)"));
        QCOMPARE(Dialogs::toQtFilter("A|*.a|Alles|*.*"), QString("A (*.a *.A);;Alles (*.*)"));
    }
};

PRENTVEL_TEST(DialogsTest)
#include "DialogsTest.moc"
