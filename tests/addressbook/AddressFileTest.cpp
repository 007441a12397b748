#include "AddressTestFiles.h"
#include "addressbook/AddressBookLimits.h"
#include "addressbook/AddressFileFormat.h"
#include "addressbook/AddressFileLocation.h"
#include "common/TestRegistry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QByteArray separatorLine = "----------------------------\r\n";

// Makes writes beyond `bytes` fail in this process, as on a full disk.
struct FileSizeLimit {
    rlimit old{};
    void (*oldHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    }
};

}

class AddressFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savesTheExactLayoutAndReadsItBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Adressen.cat");
        QVERIFY(AddressFile::save({"Piet", {}}, path));
        QCOMPARE(readBytes(path), "Piet\r\n" + separatorLine);

        const AddressBook book{"Afzender: Jan", {{"Klaas", "Dorpsstraat 1", "1234 AB Ergens", "Nederland"},
                                                 {"Ma", "-", "-", "-"}}};
        QVERIFY(AddressFile::save(book, path));
        QCOMPARE(readBytes(path), "Afzender: Jan\r\n" + separatorLine
                                      + "Klaas\r\nDorpsstraat 1\r\n1234 AB Ergens\r\nNederland\r\n" + separatorLine
                                      + "Ma\r\n-\r\n-\r\n-\r\n" + separatorLine);
        QCOMPARE(AddressFileFormat::format(*AddressFile::load(path)), readBytes(path));
    }

    void writesWindows1252OneLinePerField()
    {
        // As written on the original platform.
        const QByteArray bytes = "Ren\xE9\r\n" + separatorLine + "Zo\xEB \xE9\xE9n\r\n\x80 5\r\n\x93x\x94\r\n-\r\n"
                                 + separatorLine;
        const std::optional<AddressBook> book = AddressFileFormat::parse(bytes);
        QCOMPARE(book->senderLine, QStringLiteral("René"));
        QCOMPARE(fieldsOf(book->records[0]), (QStringList{"Zoë één", "€ 5", "“x”", "-"}));
        QCOMPARE(AddressFileFormat::format(*book), bytes);

        // Outside the code page: one "?" per character. Line breaks become blanks.
        const AddressBook odd{QStringLiteral("Ωmega 😀 中"), {{"Jan\r\nJansen", "x\ry", "a\nb", "-"}}};
        QCOMPARE(AddressFileFormat::format(odd),
                 "?mega ? ?\r\n" + separatorLine + "Jan Jansen\r\nx y\r\na b\r\n-\r\n" + separatorLine);
    }

    void readsDamagedFilesByPosition()
    {
        // Separators count by position, whatever they hold; LF alone ends a line too.
        auto book = AddressFileFormat::parse("Me\nwhatever\nA\nB\nC\nD\nnot a separator\nE\nF\nG\nH\n");
        QCOMPARE(book->records.size(), 2);
        QCOMPARE(fieldsOf(book->records[1]), (QStringList{"E", "F", "G", "H"}));

        // A record cut short repeats the last line read.
        book = AddressFileFormat::parse("Me\r\n" + separatorLine + "Jan\r\nStraat 2");
        QCOMPARE(fieldsOf(book->records.value(0)), (QStringList{"Jan", "Straat 2", "Straat 2", "Straat 2"}));

        // Hostile contents.
        book = AddressFileFormat::parse(QByteArray("a\0b\r\n", 5) + separatorLine + QByteArray(1, '\0'));
        QCOMPARE(book->senderLine, QString::fromLatin1("a\0b", 3));
        QCOMPARE(book->records.size(), 1);
        book = AddressFileFormat::parse(QByteArray(10 * 1024 * 1024, 'x'));
        QCOMPARE(book->senderLine.size(), 10 * 1024 * 1024);
        book = AddressFileFormat::parse(separatorLine.repeated(12));
        QCOMPARE(book->records.size(), 2);

        // Missing, empty, or a folder in its place: nothing loaded.
        QTemporaryDir dir;
        writeBytes(dir.filePath("empty.cat"), QByteArray());
        QVERIFY(!AddressFile::load(dir.filePath("empty.cat")));
        QVERIFY(!AddressFile::load(dir.filePath("missing.cat")));
        QVERIFY(!AddressFile::load(dir.path()));
    }

    void failedSaveLeavesTheOldFile()
    {
        QTemporaryDir dir;
        const AddressBook book{"Me", {{"Jan", "-", "-", "-"}}};
        QVERIFY(!AddressFile::save(book, dir.filePath("missing/Adressen.cat")));
        QVERIFY(QDir(dir.path()).mkpath("folder/inside"));
        QVERIFY(!AddressFile::save(book, dir.filePath("folder")));
        QVERIFY(QFileInfo(dir.filePath("folder/inside")).isDir());

        // The disk fills up halfway, once while the text still sits in the write
        // buffer and once beyond it: the old file stays whole, nothing is left over.
        const QString path = dir.filePath("Adressen.cat");
        const QByteArray old = AddressFileFormat::format(book);
        writeBytes(path, old);
        const AddressRecord record{"Jan", "Straat", "1234", "NL"};
        {
            FileSizeLimit limit(old.size() + 10);
            QVERIFY(!AddressFile::save({"Me", QList<AddressRecord>(40, record)}, path));
            QVERIFY(!AddressFile::save({"Me", QList<AddressRecord>(20000, record)}, path));
        }
        QCOMPARE(readBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Adressen.cat"});
    }

    void refusesFilesTooLargeToHold()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Adressen.cat");
        bool tooLarge = true;
        // Bare line breaks: a sender, a separator and five lines a record.
        writeBytes(path, QByteArray(2 + 5 * AddressBookLimits::MaxRecords, '\n'));
        QCOMPARE(AddressFile::load(path, &tooLarge)->records.size(), AddressBookLimits::MaxRecords);
        QVERIFY(!tooLarge);
        writeBytes(path, QByteArray(2 + 5 * AddressBookLimits::MaxRecords + 1, '\n'));
        QVERIFY(!AddressFile::load(path, &tooLarge));
        QVERIFY(tooLarge);

        QFile big(path);
        QVERIFY(big.open(QIODevice::WriteOnly) && big.write("Me\r\n") && big.resize(AddressBookLimits::MaxFileBytes + 1));
        big.close();
        QVERIFY(!AddressFile::load(path, &tooLarge));
        QVERIFY(tooLarge);
        QVERIFY(!AddressFile::load(dir.filePath("missing.cat"), &tooLarge));
        QVERIFY(!tooLarge);
    }

    void savesOnlyOverPlainFiles()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("fifo");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link(fifo, dir.filePath("Adressen.cat")));
        const AddressBook book{"Me", {{"Jan", "-", "-", "-"}}};
        QVERIFY(!AddressFile::save(book, dir.filePath("Adressen.cat")));
        QVERIFY(!AddressFile::save(book, fifo));
        QVERIFY(!AddressFile::saveOrMove(book, dir.filePath("Adressen.cat"), dir.filePath("data")));
        struct stat status {};
        QCOMPARE(stat(QFile::encodeName(fifo).constData(), &status), 0);
        QVERIFY(S_ISFIFO(status.st_mode));
        QVERIFY(QFileInfo(dir.filePath("Adressen.cat")).isSymLink());
        // A link to a plain file saves through it.
        QVERIFY(QFile::remove(dir.filePath("Adressen.cat")));
        writeBytes(dir.filePath("real.cat"), "Oud\r\n");
        QVERIFY(QFile::link(dir.filePath("real.cat"), dir.filePath("Adressen.cat")));
        QVERIFY(AddressFile::save(book, dir.filePath("Adressen.cat")));
        QCOMPARE(AddressFile::load(dir.filePath("real.cat"))->senderLine, QString("Me"));
    }

    void movesToTheDataFolderWhenTheProgramFolderTakesNoTemporaryFile()
    {
        QTemporaryDir dir;
        const QString folder = folderWithoutRoomForTemporaryFiles(dir.path());
        const QString inProgramFolder = folder + "/Adressen.cat";
        writeBytes(inProgramFolder, AddressFileFormat::format({"Oud", {}}));
        QVERIFY(QFileInfo(inProgramFolder).isFile());

        const QString data = dir.filePath("data/Prentvel");
        const AddressBook book{"Me", {{"Jan", "-", "-", "-"}}};
        QCOMPARE(AddressFile::pathIn(folder, data), inProgramFolder);
        QCOMPARE(AddressFile::saveOrMove(book, inProgramFolder, data), std::optional<QString>(data + "/Adressen.cat"));
        QCOMPARE(AddressFile::load(data + "/Adressen.cat")->senderLine, QString("Me"));
        QCOMPARE(AddressFile::load(inProgramFolder)->senderLine, QString("Oud"));
        QCOMPARE(AddressFile::pathIn(folder, data), data + "/Adressen.cat");
        QCOMPARE(AddressFile::saveOrMove(book, data + "/Adressen.cat", data), std::optional<QString>(data + "/Adressen.cat"));
    }

    void fileGoesToTheDataFolderWhenTheProgramFolderIsNotWritable()
    {
        QTemporaryDir dir;
        QCOMPARE(AddressFile::pathIn(dir.path(), dir.filePath("data")), dir.filePath("Adressen.cat"));
        const QString data = dir.filePath("data/Prentvel");
        QCOMPARE(AddressFile::pathIn(dir.filePath("not-there"), data), data + "/Adressen.cat");
        QVERIFY(QFileInfo(data).isDir());
    }
};

PRENTVEL_TEST(AddressFileTest)
#include "AddressFileTest.moc"
