#include "AddressTestFiles.h"
#include "addressbook/AddressBookLimits.h"
#include "addressbook/Dataform.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString bookFile(const QTemporaryDir& dir, const QList<AddressRecord>& records, const QString& sender = "Afzender")
{
    const QString path = dir.filePath("Adressen.cat");
    AddressFile::save({sender, records}, path);
    return path;
}

QColor searchBackground(const Dataform& form)
{
    return form.ZoekText->palette().color(QPalette::Base);
}

}

class DataformContactsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void importSummarisesAndAddsOnYes()
    {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        Dataform form(nullptr, bookFile(dir, {{"Jan Jansen", "Weg 1", "1234 AB Ede", "-"}}));
        const QString csv = dir.filePath("contacten.csv");
        writeBytes(csv, QByteArray("Naam;Adres;Postcode;Woonplaats\n"
                                   "  jan JANSEN ; weg 1 ;;\n"           // in the book
                                   "Łucja Nowak;Długa 5;00-001;Warszawa\n"  // letters replaced
                                   "Lucja Nowak;dluga 5;;\n"               // the same after replacement
                                   "Piet;;;\n"                              // no address
                                   "Kees;Laan 2;;Breda\n"));
        for (const bool answer : {false, true}) {
            dialogs.files = {csv};
            dialogs.answers = {answer};
            form.ImportKnop_Click();
        }
        QCOMPARE(dialogs.fileFilters[0], QStringLiteral("Contacten|*.csv;*.vcf"));
        QCOMPARE(dialogs.messages.size(), 2);
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("Gevonden adressen: 5\n"
                                                          "Al in het adresboek (overgeslagen): 2\n"
                                                          "Zonder adres (overgeslagen): 1\n"
                                                          "Met vervangen letters: 1\n\n"
                                                          "Wilt u 2 nieuwe adressen aan het adresboek toevoegen?"));
        QCOMPARE(form.Lijstbox[1], (QStringList{"Jan Jansen", "Lucja Nowak", "Kees"}));
        QCOMPARE(form.Lijstbox[3], (QStringList{"1234 AB Ede", "00-001 Warszawa", "Breda"}));
        QCOMPARE(form.RecordLabel->text(), QStringLiteral("2/3"));
        QCOMPARE(form.Tekstbox[2]->text(), QStringLiteral("Dluga 5"));

        // The same file again adds nothing and only says so.
        dialogs.files = {csv};
        form.ImportKnop_Click();
        QVERIFY(!dialogs.messages.last().question);
        QVERIFY(dialogs.messages.last().text.endsWith("Er is geen nieuw adres om toe te voegen."));
        QCOMPARE(form.recordCount, 3);
    }

    void badImportsChangeNothing()
    {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        Dataform form(nullptr, bookFile(dir, {{"Jan", "Weg 1", "-", "-"}}));
        writeBytes(dir.filePath("kapot.vcf"), "BEGIN:VCARD\nFN:Piet\nADR:;;Laan 2;;;;\n");
        dialogs.files = {dir.filePath("kapot.vcf"), dir.path()};
        form.ImportKnop_Click();
        form.ImportKnop_Click();
        QCOMPARE(dialogs.messages.size(), 2);
        QVERIFY(dialogs.messages[0].text.startsWith("Het bestand is onvolledig"));
        QVERIFY(dialogs.messages[1].text.contains("geen bestand dat gelezen kan worden"));
        QCOMPARE(form.Lijstbox[1], QStringList{"Jan"});
    }

    void importAndAddStopAtTheBooksLimit()
    {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        Dataform form(nullptr, dir.filePath("Adressen.cat"));
        for (int k = 0; k < AddressBookLimits::MaxRecords - 1; ++k) {
            form.Lijstbox[1].append(QString::number(k));
            for (int i = 2; i <= 4; ++i)
                form.Lijstbox[i].append("-");
        }
        form.recordCount = AddressBookLimits::MaxRecords - 1;
        writeBytes(dir.filePath("twee.csv"), "Naam,Adres\nA,Weg 1\nB,Weg 2\n");
        dialogs.files = {dir.filePath("twee.csv")};
        dialogs.answers = {true};
        form.ImportKnop_Click();
        QCOMPARE(form.recordCount, AddressBookLimits::MaxRecords - 1);
        const QString full = QStringLiteral("Het adresboek kan niet meer dan 100000 adressen (50 MB) bewaren. "
                                            "Er is niets toegevoegd.");
        QCOMPARE(dialogs.messages.last().text, full);

        form.Tekstbox[1]->setText("Laatste");
        form.AddKnop_Click();
        form.Tekstbox[1]->setText("Te veel");
        form.AddKnop_Click();
        QCOMPARE(form.recordCount, AddressBookLimits::MaxRecords);
        QCOMPARE(dialogs.messages.last().text, full);
        QCOMPARE(form.Tekstbox[1]->text(), QStringLiteral("Te veel"));
    }

    void exportAddsTheChosenTypesExtension()
    {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        Dataform form(nullptr, bookFile(dir, {{"Jan", "Weg 1", "1234 AB Ede", "-"}}));
        dialogs.files = {dir.filePath("lijst"), dir.filePath("kaart"), dir.filePath("eigen.csv"),
                         dir.filePath("geen/map.vcf")};
        dialogs.fileTypes = {0, 1, 1, 1};
        for (int k = 0; k < 4; ++k)
            form.ExportKnop_Click();
        QVERIFY(readBytes(dir.filePath("lijst.csv")).startsWith("\xEF\xBB\xBFNaam;"));
        QVERIFY(readBytes(dir.filePath("kaart.vcf")).startsWith("BEGIN:VCARD\r\n"));
        QVERIFY(readBytes(dir.filePath("eigen.csv")).startsWith("\xEF\xBB\xBFNaam;"));
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].text.startsWith("De adressen konden niet worden opgeslagen"));
    }

    void searchFindsNamesAndPlacesIgnoringAccents()
    {
        QTemporaryDir dir;
        Dataform form(nullptr, bookFile(dir, {{"Anna", "-", "Enschede", "-"},
                                              {"José Ruiz", "-", "Madrid", "-"},
                                              {"Joséphine", "-", "Gent", "-"}}));
        const QColor normal = searchBackground(form);
        form.ZoekText->setText("JOSE");
        QCOMPARE(form.RecordLabel->text(), QStringLiteral("2/3"));
        QTest::keyClick(form.ZoekText, Qt::Key_Return);
        QCOMPARE(form.Tekstbox[1]->text(), QStringLiteral("Joséphine"));
        QTest::keyClick(form.ZoekText, Qt::Key_Return);
        QCOMPARE(form.Tekstbox[1]->text(), QStringLiteral("José Ruiz"));
        form.ZoekText->setText("ensch");
        QCOMPARE(form.Tekstbox[1]->text(), QStringLiteral("Anna"));
        QCOMPARE(searchBackground(form), normal);

        form.ZoekText->setText("enschx");
        QCOMPARE(form.Tekstbox[1]->text(), QStringLiteral("Anna"));
        QCOMPARE(searchBackground(form), QColor(255, 200, 200));
        form.ZoekText->clear();
        QCOMPARE(searchBackground(form), normal);
    }

    void saveAsksToReplaceLettersTheFileCannotHold()
    {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        const QString path = bookFile(dir, {{"Jan", "Weg 1", "-", "-"}});
        const QByteArray before = readBytes(path);
        Dataform form(nullptr, path);
        form.setResult(-1);
        form.Tekstbox[1]->setText(QStringLiteral("Čapek"));
        form.Tekstbox[3]->setText(QStringLiteral("Łódź"));
        form.AddKnop_Click();
        form.Afz->setText(QStringLiteral("Ewa Kołodziej"));

        dialogs.answers = {false};
        form.OkKnop_Click();
        QCOMPARE(dialogs.messages[0].text,
                 QStringLiteral("Het adressenbestand kan deze letters niet bewaren:\n\nČapek: ČŁź\nAfzender: ł\n\n"
                                "Wilt u ze vervangen door de dichtstbijzijnde gewone letters (bijvoorbeeld \"Ł\" door "
                                "\"L\")? Bij Nee wordt er niets opgeslagen."));
        QCOMPARE(readBytes(path), before);
        QCOMPARE(form.result(), -1);
        QCOMPARE(form.Lijstbox[1].last(), QStringLiteral("Čapek"));

        dialogs.answers = {true};
        form.OkKnop_Click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        const std::optional<AddressBook> saved = AddressFile::load(path);
        QCOMPARE(saved->senderLine, QStringLiteral("Ewa Kolodziej"));
        QCOMPARE(fieldsOf(saved->records[1]), (QStringList{"Capek", "Weg 1", "Lódz", "-"}));
    }

    void newControlsHaveWholeCaptions()
    {
        QTemporaryDir dir;
        Dataform form(nullptr, dir.filePath("Adressen.cat"));
        for (QWidget* widget : {static_cast<QWidget*>(form.ImportKnop), static_cast<QWidget*>(form.ExportKnop),
                                static_cast<QWidget*>(form.ZoekLabel)}) {
            QVERIFY(widget->sizeHint().width() <= widget->width());
            QVERIFY(form.Frame1->rect().contains(widget->geometry()));
        }
        QCOMPARE(form.ZoekLabel->text(), QStringLiteral("Zoeken"));
        QVERIFY(!form.ZoekLabel->geometry().intersects(form.ImportKnop->geometry()));
    }
};

PRENTVEL_TEST(DataformContactsTest)
#include "DataformContactsTest.moc"
