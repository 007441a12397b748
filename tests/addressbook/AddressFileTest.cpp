#include "addressbook/AddressFile.h"
#include "addressbook/AddressFileFormat.h"
#include "addressbook/AddressFileLocation.h"
#include "common/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

bool operator==(const AddressRecord& a, const AddressRecord& b)
{
    return a.naam == b.naam && a.adres == b.adres && a.postcodeWoonplaats == b.postcodeWoonplaats && a.land == b.land;
}

const QByteArray separatorLine = "----------------------------\r\n";

// Makes writes beyond `bytes` fail in this process, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit old_{};
    void (*previousHandler_)(int) = nullptr;
};

}

class AddressFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savesTheExactLayout()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Adressen.cat");

        QVERIFY(AddressFile::save({"Piet", {}}, path));
        QCOMPARE(readBytes(path), "Piet\r\n" + separatorLine);

        const AddressBook book{"Afzender: Jan",
                               {{"Klaas", "Dorpsstraat 1", "1234 AB Ergens", "Nederland"},
                                {"Ma", "-", "-", "-"}}};
        QVERIFY(AddressFile::save(book, path));
        QCOMPARE(readBytes(path), "Afzender: Jan\r\n" + separatorLine
                                      + "Klaas\r\nDorpsstraat 1\r\n1234 AB Ergens\r\nNederland\r\n" + separatorLine
                                      + "Ma\r\n-\r\n-\r\n-\r\n" + separatorLine);

        const std::optional<AddressBook> loaded = AddressFile::load(path);
        QVERIFY(loaded);
        QCOMPARE(loaded->senderLine, book.senderLine);
        QCOMPARE(loaded->records.size(), 2);
        QVERIFY(loaded->records[0] == book.records[0]);
        QVERIFY(loaded->records[1] == book.records[1]);
    }

    void textIsWindows1252()
    {
        // As another program on the original platform would have written it.
        const QByteArray bytes = "Ren\xE9\r\n" + separatorLine + "Zo\xEB \xE9\xE9n\r\n\x80 5\r\n\x93x\x94\r\nBelgi\xEB\r\n"
                                 + separatorLine;
        const std::optional<AddressBook> book = AddressFileFormat::parse(bytes);
        QVERIFY(book);
        QCOMPARE(book->senderLine, QStringLiteral("René"));
        QCOMPARE(book->records[0].naam, QStringLiteral("Zoë één"));
        QCOMPARE(book->records[0].adres, QStringLiteral("€ 5"));
        QCOMPARE(book->records[0].postcodeWoonplaats, QStringLiteral("“x”"));
        QCOMPARE(AddressFileFormat::format(*book), bytes);

        // Outside the code page: one "?" per character, never a control byte.
        const AddressBook foreign{QStringLiteral("Ωmega 😀 中"), {}};
        QCOMPARE(AddressFileFormat::format(foreign), "?mega ? ?\r\n" + separatorLine);
    }

    void lineBreaksInAFieldBecomeBlanks()
    {
        const AddressBook book{"a\r\nb", {{"Jan\nJansen", "x\ry", "-", "-"}}};
        const std::optional<AddressBook> loaded = AddressFileFormat::parse(AddressFileFormat::format(book));
        QCOMPARE(loaded->senderLine, QStringLiteral("a b"));
        QCOMPARE(loaded->records.size(), 1);
        QCOMPARE(loaded->records[0].naam, QStringLiteral("Jan Jansen"));
        QCOMPARE(loaded->records[0].adres, QStringLiteral("x y"));
    }

    void loadsDamagedFilesByPosition()
    {
        // Separator lines are skipped by position, whatever they hold; LF alone ends a line too.
        auto book = AddressFileFormat::parse("Me\nwhatever\nA\nB\nC\nD\nnot a separator\nE\nF\nG\nH\n");
        QCOMPARE(book->records.size(), 2);
        QCOMPARE(book->records[1].naam, QStringLiteral("E"));
        QCOMPARE(book->records[1].land, QStringLiteral("H"));

        // A record cut short repeats the last line read.
        book = AddressFileFormat::parse("Me\r\n" + separatorLine + "Jan\r\nStraat 2");
        QCOMPARE(book->records.size(), 1);
        QVERIFY(book->records[0] == (AddressRecord{"Jan", "Straat 2", "Straat 2", "Straat 2"}));

        // Only a sender and a separator: no records.
        book = AddressFileFormat::parse("Me\r\n" + separatorLine);
        QCOMPARE(book->senderLine, QStringLiteral("Me"));
        QVERIFY(book->records.isEmpty());

        QVERIFY(!AddressFileFormat::parse(QByteArray()));

        // Hostile contents load without trouble.
        book = AddressFileFormat::parse(QByteArray("a\0b\r\n", 5) + separatorLine + QByteArray(1, '\0'));
        QCOMPARE(book->senderLine, QString::fromLatin1("a\0b", 3));
        QCOMPARE(book->records.size(), 1);
        book = AddressFileFormat::parse(QByteArray(10 * 1024 * 1024, 'x'));
        QCOMPARE(book->senderLine.size(), 10 * 1024 * 1024);
        QVERIFY(book->records.isEmpty());
        book = AddressFileFormat::parse(separatorLine.repeated(12));
        QCOMPARE(book->records.size(), 2);
        QCOMPARE(book->records[0].naam, QStringLiteral("----------------------------"));
    }

    void missingEmptyOrFolderLoadsNothing()
    {
        QTemporaryDir dir;
        QVERIFY(!AddressFile::load(dir.filePath("missing.cat")));
        writeBytes(dir.filePath("empty.cat"), QByteArray());
        QVERIFY(!AddressFile::load(dir.filePath("empty.cat")));
        QVERIFY(!AddressFile::load(dir.path()));
    }

    void failedSaveLeavesTheOldFile()
    {
        QTemporaryDir dir;
        const AddressBook book{"Me", {{"Jan", "-", "-", "-"}}};
        QVERIFY(!AddressFile::save(book, dir.filePath("missing/Adressen.cat")));

        // A folder where the file should be stays as it was.
        QVERIFY(QDir(dir.path()).mkpath("folder/inside"));
        QVERIFY(!AddressFile::save(book, dir.filePath("folder")));
        QVERIFY(QFileInfo(dir.filePath("folder/inside")).isDir());

        // The disk fills up halfway: the old file stays whole and no half-written file is left.
        const QString path = dir.filePath("Adressen.cat");
        const QByteArray old = AddressFileFormat::format(book);
        writeBytes(path, old);
        // Small enough to sit in the write buffer until it is flushed, and large enough to spill.
        const AddressBook bigger{"Me", QList<AddressRecord>(40, AddressRecord{"Jan", "Straat", "1234", "NL"})};
        const AddressBook biggest{"Me", QList<AddressRecord>(20000, AddressRecord{"Jan", "Straat", "1234", "NL"})};
        {
            FileSizeLimit limit(old.size() + 10);
            QVERIFY(!AddressFile::save(bigger, path));
            QVERIFY(!AddressFile::save(biggest, path));
        }
        QCOMPARE(readBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Adressen.cat"});
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
