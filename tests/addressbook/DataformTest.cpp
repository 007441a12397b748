#include "AddressTestFiles.h"
#include "addressbook/AddressFileFormat.h"
#include "addressbook/AddressFileLocation.h"
#include "addressbook/Dataform.h"
#include "app/Main.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

void type(Dataform& form, const QStringList& fields)
{
    for (int i = 1; i <= 4; ++i)
        form.Tekstbox[i]->setText(fields.value(i - 1));
}

QStringList shown(const Dataform& form)
{
    return {form.Tekstbox[1]->text(), form.Tekstbox[2]->text(), form.Tekstbox[3]->text(), form.Tekstbox[4]->text()};
}

// An address book file with records "Naam 1" .. "Naam <count>".
QString bookWith(const QTemporaryDir& dir, int count)
{
    AddressBook book{"Afzender", {}};
    for (int k = 1; k <= count; ++k)
        book.records.append({QStringLiteral("Naam %1").arg(k), "Adres", "Postcode", "Land"});
    AddressFile::save(book, dir.filePath("Adressen.cat"));
    return dir.filePath("Adressen.cat");
}

}

class DataformTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileTooLargeIsReportedAndLeftAlone()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Adressen.cat");
        const QByteArray lineBreaks(2 + 5 * 100001, '\n');
        writeBytes(path, lineBreaks);
        ScriptedDialogs dialogs;
        Dataform form(nullptr, path);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].text.contains("te groot"));
        QVERIFY(!form.OkKnop->isEnabled());
        QCOMPARE(readBytes(path), lineBreaks);
    }

    void savingMovesTheBookToTheDataFolderAndSaysSoOnce()
    {
        QStandardPaths::setTestModeEnabled(true);
        QTemporaryDir dir;
        const QString path = folderWithoutRoomForTemporaryFiles(dir.path()) + "/Adressen.cat";
        writeBytes(path, AddressFileFormat::format({"Oud", {}}));
        const QString moved = QDir(AddressFile::dataFolder()).filePath("Adressen.cat");
        QFile::remove(moved);
        ScriptedDialogs dialogs;
        {
            Dataform form(nullptr, path);
            form.Afz->setText("Nieuw");
            form.OkKnop_Click();
            QCOMPARE(form.result(), int(QDialog::Accepted));
        }
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].text.contains(QDir::toNativeSeparators(moved)));
        QCOMPARE(AddressFile::load(moved)->senderLine, QString("Nieuw"));
        QCOMPARE(AddressFile::pathIn(QFileInfo(path).path(), AddressFile::dataFolder()), moved);
        {
            Dataform again(nullptr, moved);
            again.OkKnop_Click();
        }
        QCOMPARE(dialogs.messages.size(), 1);
        QFile::remove(moved);
    }

    void opensWithTheFileOrEmpty()
    {
        QTemporaryDir dir;
        Dataform noFile(nullptr, dir.filePath("Adressen.cat"));
        QCOMPARE(noFile.RecordLabel->text(), QStringLiteral("1 / 1"));
        QCOMPARE(shown(noFile), QStringList(4, QString()));

        Dataform emptyBook(nullptr, bookWith(dir, 0));
        QCOMPARE(emptyBook.RecordLabel->text(), QStringLiteral("1/0"));
        QCOMPARE(emptyBook.Afz->text(), QStringLiteral("Afzender"));
    }

    void addsRecordsAndSavesThem()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Adressen.cat");
        Dataform form(nullptr, path);
        type(form, {"   ", "x"});  // no name: ignored
        form.AddKnop_Click();
        QCOMPARE(form.recordCount, 0);
        for (int k = 1; k <= 5; ++k) {
            type(form, {QStringLiteral("Naam %1").arg(k), " Straat ", "   "});
            form.AddKnop_Click();
        }
        QCOMPARE(form.RecordLabel->text(), QStringLiteral("5/5"));
        QCOMPARE(shown(form), QStringList(4, QString()));
        form.BeginKnop_Click();
        QCOMPARE(shown(form), (QStringList{"Naam 1", " Straat ", "-", "-"}));

        form.Afz->setText("Mijn naam");
        form.OkKnop_Click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        const std::optional<AddressBook> saved = AddressFile::load(path);
        QCOMPARE(saved->senderLine, QStringLiteral("Mijn naam"));
        QCOMPARE(saved->records.size(), 5);
        QCOMPARE(fieldsOf(saved->records[4]), (QStringList{"Naam 5", " Straat ", "-", "-"}));
    }

    void navigationStopsAtBothEnds()
    {
        QTemporaryDir dir;
        Dataform form(nullptr, bookWith(dir, 3));
        form.VorigeKnop_Click();
        QCOMPARE(form.RecordLabel->text(), QStringLiteral("1/3"));
        QCOMPARE(shown(form), (QStringList{"Naam 1", "Adres", "Postcode", "Land"}));
        form.VolgendeKnop_Click();
        QCOMPARE(form.Tekstbox[1]->text(), QStringLiteral("Naam 2"));
        form.LaatsteKnop_Click();
        form.VolgendeKnop_Click();
        QCOMPARE(form.RecordLabel->text(), QStringLiteral("3/3"));
        QCOMPARE(form.Tekstbox[1]->text(), QStringLiteral("Naam 3"));

        // From the empty entry after "Toevoegen" the next record is the last one.
        type(form, {"Naam 4"});
        form.AddKnop_Click();
        form.VolgendeKnop_Click();
        QCOMPARE(form.RecordLabel->text(), QStringLiteral("4/4"));
        QCOMPARE(form.Tekstbox[1]->text(), QStringLiteral("Naam 4"));
    }

    void changesAndDeletesAfterAsking()
    {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        Dataform form(nullptr, bookWith(dir, 3));
        form.VolgendeKnop_Click();
        type(form, {"Nieuw", "  "});
        dialogs.answers = {false, true};
        form.WijzigKnop_Click();
        QCOMPARE(form.Lijstbox[1][1], QStringLiteral("Naam 2"));
        form.WijzigKnop_Click();
        QCOMPARE(form.Lijstbox[1][1], QStringLiteral("Nieuw"));
        QCOMPARE(form.Lijstbox[2][1], QStringLiteral("-"));
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("Wilt u deze gegevens wijzigen?"));
        QCOMPARE(dialogs.messages[0].title, QStringLiteral("Wijzigen"));

        // Deleting the third record shows the first one.
        form.LaatsteKnop_Click();
        dialogs.answers = {true};
        form.DeleteKnop_Click();
        QCOMPARE(dialogs.messages.last().text, QStringLiteral("Wilt u deze gegevens verwijderen?"));
        QCOMPARE(form.Lijstbox[1], (QStringList{"Naam 1", "Nieuw"}));
        QCOMPARE(form.RecordLabel->text(), QStringLiteral("1/2"));
        QCOMPARE(form.Tekstbox[1]->text(), QStringLiteral("Naam 1"));

        // Right after "Toevoegen" no record is shown: nothing is asked or changed.
        type(form, {"Derde"});
        form.AddKnop_Click();
        const auto asked = dialogs.messages.size();
        dialogs.answers = {true, true};
        form.WijzigKnop_Click();
        form.DeleteKnop_Click();
        QCOMPARE(dialogs.messages.size(), asked);
        QCOMPARE(form.Lijstbox[1], (QStringList{"Naam 1", "Nieuw", "Derde"}));
    }

    void cancelOrAFailedSaveLeavesTheFile()
    {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        const QString path = bookWith(dir, 2);
        const QByteArray before = readBytes(path);
        Dataform cancelled(nullptr, path);
        type(cancelled, {"Extra"});
        cancelled.AddKnop_Click();
        cancelled.CancelKnop_Click();
        QCOMPARE(readBytes(path), before);

        // A save that cannot be written says so and keeps the window open with its records.
        Dataform failing(nullptr, dir.filePath("missing/Adressen.cat"));
        failing.setResult(-1);
        type(failing, {"Jan"});
        failing.AddKnop_Click();
        failing.OkKnop_Click();
        QCOMPARE(failing.result(), -1);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].text.startsWith("Het adressenbestand kon niet worden opgeslagen"));
        QCOMPARE(failing.Lijstbox[1], QStringList{"Jan"});
    }

    void menuEntryOpensTheWindowModally()
    {
        Main main;
        QString opened;
        QTimer::singleShot(0, [&opened] {
            if (auto* form = qobject_cast<Dataform*>(QApplication::activeModalWidget())) {
                opened = form->windowTitle();
                form->CancelKnop_Click();
            }
        });
        main.ToolsDatabase->trigger();
        QCOMPARE(opened, QStringLiteral(" Adressenbestand"));
    }
};

PRENTVEL_TEST(DataformTest)
#include "DataformTest.moc"
