#include "AddressTestFiles.h"
#include "addressbook/AddressBookLimits.h"
#include "addressbook/Contacts.h"
#include "addressbook/CsvContacts.h"
#include "common/TestRegistry.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

using Rows = QList<QStringList>;

Rows rowsOf(const ContactImport& result)
{
    Rows rows;
    for (const AddressRecord& record : result.records)
        rows.append(fieldsOf(record));
    return rows;
}

ContactImport importBytes(const QByteArray& bytes, const QString& name)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath(name), bytes);
    return Contacts::importFile(dir.filePath(name));
}

QByteArray utf16le(const QString& text)
{
    QByteArray bytes("\xFF\xFE");
    bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return bytes;
}

}

class ContactsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsCsvExports_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Rows>("expected");
        QTest::addColumn<int>("withoutAddress");

        // A mail program's export: commas, every field quoted, Windows-1252, a
        // second street line and a business address that must not be used.
        QTest::newRow("mail program, Windows-1252")
            << QByteArray("\"Title\",\"First Name\",\"Middle Name\",\"Last Name\",\"Company\",\"Business Street\","
                          "\"Home Street\",\"Home Street 2\",\"Home City\",\"Home Postal Code\","
                          "\"Home Country/Region\",\"E-mail Address\"\r\n"
                          "\"\",\"Jos\xE9\",\"van\",\"Dijk\",\"Werk BV\",\"Kantoorweg 1\",\"Dorpsstraat 12\",\"\","
                          "\"Amsterdam\",\"1016 GV\",\"Nederland\",\"jose@example.nl\"\r\n"
                          "\"Mr.\",\"Anna\",\"\",\"Smit\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"anna@example.nl\"\r\n")
            << Rows{{"José van Dijk", "Dorpsstraat 12", "1016 GV Amsterdam", "Nederland"}} << 1;

        // An online contact service: UTF-8, a name column that may be empty,
        // a formatted address over several lines, fields in any order.
        QTest::newRow("contact service, UTF-8")
            << QByteArray("Name,Given Name,Additional Name,Family Name,Address 1 - Type,Address 1 - Formatted,"
                          "Address 1 - Street,Address 1 - City,Address 1 - PO Box,Address 1 - Postal Code,"
                          "Address 1 - Country\n"
                          "Zoë Łukasiewicz,Zoë,,Łukasiewicz,Home,\"ul. Długa 5\n00-001 Warszawa\",ul. Długa 5,"
                          "Warszawa,,00-001,Polen\n"
                          ",Piet,,Bos,Home,,\"Laan 3, achterhuis\",Utrecht,,3511 AB,\n")
            << Rows{{"Zoë Łukasiewicz", "ul. Długa 5", "00-001 Warszawa", "Polen"},
                    {"Piet Bos", "Laan 3, achterhuis", "3511 AB Utrecht", "-"}}
            << 0;

        // Dutch spreadsheet: semicolons, UTF-8 with BOM, doubled quotes, a line
        // break inside a quoted field, a blank line, blanks around fields.
        QTest::newRow("Dutch spreadsheet, BOM and semicolons")
            << QByteArray("\xEF\xBB\xBFVoornaam;Achternaam;Straat;Postcode;Woonplaats;Land\r\n"
                          " Kees ; de \"\"Vries\"\" ;\"Kade 1;\r\nbovenhuis\";9711 AA;Groningen;\r\n\r\n"
                          "Els;Kort;\"Het \"\"Hof\"\" 2\";;Breda;\r\n")
            << Rows{{"Kees de \"\"Vries\"\"", "Kade 1;, bovenhuis", "9711 AA Groningen", "-"},
                    {"Els Kort", "Het \"Hof\" 2", "Breda", "-"}}
            << 0;

        QTest::newRow("separator named in the first line")
            << QByteArray("sep=;\r\nNaam;Adres, straat en huisnummer, toevoeging\r\nJan, Piet;Weg 1\r\n")
            << Rows{{"Jan, Piet", "Weg 1", "-", "-"}} << 0;
        QTest::newRow("tabs, UTF-16 with BOM")
            << utf16le(QStringLiteral("Display Name\tHome Address\tHome ZipCode\tHome City\tHome Country\r\n"
                                      "Ána Núñez\tCalle 7\t28001\tMadrid\tSpanje\r\n"))
            << Rows{{"Ána Núñez", "Calle 7", "28001 Madrid", "Spanje"}} << 0;

        // An exact column name wins over a partial one further left; a partial
        // one is taken when nothing matches exactly, but never an e-mail column.
        QTest::newRow("exact before partial")
            << QByteArray("E-mail Adres;Naam;Adres (werk);Adres;Straat en huisnummer;Postcode en plaats\n"
                          "a@b.nl;Jan;Werkweg 9;Thuisweg 1;;1234 AB Ergens\n")
            << Rows{{"Jan", "Thuisweg 1", "1234 AB Ergens", "-"}} << 0;
        QTest::newRow("partial only")
            << QByteArray("Email Address,Contact Name,Street Address,Town/City,ZIP\nx@y.z,Bo,Weg 2,Ede,6711\n")
            << Rows{{"Bo", "Weg 2", "6711 Ede", "-"}} << 0;
    }

    void readsCsvExports()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Rows, expected);
        QFETCH(int, withoutAddress);
        const ContactImport result = importBytes(bytes, "contacten.csv");
        QCOMPARE(result.error, QString());
        QCOMPARE(rowsOf(result), expected);
        QCOMPARE(result.withoutAddress, withoutAddress);
    }

    void readsVCards_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Rows>("expected");
        QTest::addColumn<int>("withoutAddress");

        // A phone's 2.1 export: quoted-printable with soft line breaks, a
        // charset, N without FN, bare HOME type after a work address.
        QTest::newRow("2.1 quoted-printable")
            << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\n"
                          "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C3=85str=C3=B6m;J=C3=B6rg;;;\r\n"
                          "ADR;WORK:;;Werkweg 1;Ede;;6711 AA;\r\n"
                          "ADR;HOME;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;;Stra=C3=9Fe 1=\r\n"
                          "0;M=C3=BCnchen;;80331;Duitsland\r\n"
                          "END:VCARD\r\n"
                          "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Mo=EBl;Ren=E9\r\n"
                          "ADR;CHARSET=ISO-8859-1:;;Rue 2;Li\xE8ge;;4000;\r\nEND:VCARD\r\n")
            << Rows{{"Jörg Åström", "Straße 10", "80331 München", "Duitsland"}, {"René Moël", "Rue 2", "4000 Liège", "-"}}
            << 0;

        // 3.0 from a contact service: folded lines, escaped commas and
        // semicolons, a group prefix, an embedded photo, a contact without address.
        QTest::newRow("3.0 folded and escaped")
            << QByteArray("BEGIN:VCARD\nVERSION:3.0\nFN:Bakker\\, Marieke\nN:Bakker;Marieke;;;\n"
                          "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgABAQ\n  AAAQABAAD\n"
                          "item1.ADR;type=WORK:;;Kantoor\\; 3e verdieping;Zwolle;;8000 AA;NL\n"
                          "item2.ADR;type=HOME;type=pref:;;Lange \n Laan 5;Zwol\n le;;8011 CC;Nederland\n"
                          "END:VCARD\nBEGIN:VCARD\nVERSION:3.0\nFN:Zonder Adres\nTEL:0612345678\nEND:VCARD\n")
            << Rows{{"Bakker, Marieke", "Lange Laan 5", "8011 CC Zwolle", "Nederland"}} << 1;

        QTest::newRow("4.0 quoted type, no extension")
            << QByteArray("BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ö Test\r\n"
                          "ADR;TYPE=\"work,voice\":;;A 1;X;;1;\r\nADR;TYPE=\"home,pref\";LABEL=\"B 2:x\":;;B 2;Y;;2;\r\n"
                          "END:VCARD\r\n")
            << Rows{{"Ö Test", "B 2", "2 Y", "-"}} << 0;
    }

    void readsVCards()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Rows, expected);
        QFETCH(int, withoutAddress);
        const ContactImport result = importBytes(bytes, QTest::currentDataTag()[0] == '4' ? "contacten" : "c.vcf");
        QCOMPARE(result.error, QString());
        QCOMPARE(rowsOf(result), expected);
        QCOMPARE(result.withoutAddress, withoutAddress);
    }

    void refusesBadFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty") << QByteArray("\r\n  \r\n") << "a.csv" << "Het bestand is leeg.";
        QTest::newRow("binary") << QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200000010") << "a.csv"
                                << "Het bestand is geen tekstbestand";
        QTest::newRow("unbalanced quote") << QByteArray("Naam;Adres\nJan;\"Weg 1\nPiet;Laan 2\n") << "a.csv"
                                          << "Het bestand is onvolledig: een aanhalingsteken";
        QTest::newRow("no name column") << QByteArray("Telefoon;Adres\n0612;Weg 1\n") << "a.csv"
                                        << "In de eerste regel van het bestand staat geen kolom met een naam";
        QTest::newRow("truncated vCard") << QByteArray("BEGIN:VCARD\nVERSION:3.0\nFN:Jan\nADR:;;Weg 1;;;;\n")
                                         << "a.vcf" << "Het bestand is onvolledig: een contact";
        QTest::newRow("no cards") << QByteArray("Hallo\n") << "a.vcf" << "Het bestand bevat geen contacten";
        QByteArray many("Naam;Adres\n");
        for (int k = 0; k <= AddressBookLimits::MaxRecords; ++k)
            many.append("N;A\n");
        QTest::newRow("too many contacts") << many << "a.csv" << "Het bestand bevat meer dan 100000 contacten";
    }

    void refusesBadFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(QString, error);
        const ContactImport result = importBytes(bytes, name);
        QVERIFY2(result.error.startsWith(error), qPrintable(result.error));
        QVERIFY(result.records.isEmpty());
    }

    void refusesWhatIsNoPlainFileOrTooLarge()
    {
        QTemporaryDir dir;
        QFile large(dir.filePath("groot.csv"));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(AddressBookLimits::MaxFileBytes + 1));
        large.close();
        QCOMPARE(Contacts::importFile(large.fileName()).error,
                 QStringLiteral("Het bestand is groter dan 50 MB en wordt niet ingelezen."));

        const QString fifo = dir.filePath("fifo.csv");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        for (const QString& path : {fifo, dir.path(), QStringLiteral("/dev/zero"), dir.filePath("weg.csv")}) {
            const ContactImport result = Contacts::importFile(path);
            QVERIFY2(result.error.contains("geen bestand dat gelezen kan worden"), qPrintable(path));
        }
        QVERIFY(!Contacts::exportFile({{"Jan", "-", "-", "-"}}, dir.path()));
        QVERIFY(!Contacts::exportFile({{"Jan", "-", "-", "-"}}, dir.filePath("geen/map.csv")));
    }

    void exportReadsBackTheSame()
    {
        const QList<AddressRecord> records = {
            {"Jan \"Bolle\" Jansen", "Weg 1; achter", "1016 GV Amsterdam", "Nederland"},
            {"Łucja Čapek, jr.", "Ulice\\ 5", "110 00 Praha 1", "-"},
            {"Zonder adres", "-", "-", "België"},
            {"Alleen plaats", "-", "Ede", "-"},
            {"Streepje als plaats", "Weg 2", "6711 -", "-"},
            {"Lange naam " + QString(90, QChar(u'é')), "Straat", "SW1A  1AA London", "-"},
        };
        QTemporaryDir dir;
        for (const QString name : {"lijst.csv", "lijst.vcf"}) {
            QVERIFY(Contacts::exportFile(records, dir.filePath(name)));
            const ContactImport back = Contacts::importFile(dir.filePath(name));
            QCOMPARE(back.error, QString());
            QCOMPARE(back.withoutAddress, 1);
            QList<AddressRecord> expected = records;
            expected.removeAt(2);
            QCOMPARE(rowsOf(back), rowsOf({expected, 0, {}}));
        }
        const QByteArray csv = readBytes(dir.filePath("lijst.csv"));
        QVERIFY(csv.startsWith("\xEF\xBB\xBFNaam;Adres;Postcode en Woonplaats;Land\r\n"
                               "\"Jan \"\"Bolle\"\" Jansen\";\"Weg 1; achter\";1016 GV Amsterdam;Nederland\r\n"));
        const QByteArray vcf = readBytes(dir.filePath("lijst.vcf"));
        QVERIFY(vcf.contains("VERSION:3.0\r\nFN:Jan \"Bolle\" Jansen\r\n"));
        QVERIFY(vcf.contains("ADR;TYPE=HOME:;;Weg 1\\; achter;Amsterdam;;1016 GV;Nederland\r\n"));
        for (const QByteArray& line : vcf.split('\n'))
            QVERIFY(line.size() <= 76);
    }

    void manualRepeatsTheColumnTable()
    {
        const QString manual = QString::fromUtf8(readBytes(PRENTVEL_SOURCE_DIR "/manual/handleiding.html"));
        for (const CsvContacts::ColumnKind& kind : CsvContacts::columnNames()) {
            const QString row = QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(kind.kind, kind.names.join(", "));
            QVERIFY2(manual.contains(row), qPrintable(row));
        }
    }

    void replacesLettersTheFileCannotHold()
    {
        QCOMPARE(Contacts::toWindows1252Letters(QStringLiteral("Łódź, Čapek, Đorđe, Ørsted, Dvořák")),
                 QStringLiteral("Lódz, Capek, Dorde, Ørsted, Dvorák"));
        QCOMPARE(Contacts::toWindows1252Letters(QStringLiteral("ǘ ﬁ Ő ẞ € „x“ 𝄞 Ж")),
                 QStringLiteral("ü fi O SS € „x“ ? ?"));
    }
};

PRENTVEL_TEST(ContactsTest)
#include "ContactsTest.moc"
