// The card file's MIME type as the desktop resolves it, from the package file
// installed beside the shared types in the folder that the desktop_mime test
// makes XDG_DATA_DIRS: by name, and by content whatever the file is called.
#include "TestCardFiles.h"
#include "common/TestRegistry.h"

#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>

class MimeTypeTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder;
    QMimeDatabase mimes;

    QString path(const QString& name) const { return folder.filePath(name); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(mimes.mimeTypeForName(CardFile::MimeType).isValid(),
                 "the MIME package is not installed: run through `ctest -R desktop_mime`");
    }

    void byName()
    {
        const QMimeType type = mimes.mimeTypeForName(CardFile::MimeType);
        QVERIFY(type.inherits(QStringLiteral("application/zip")));
        QCOMPARE(type.globPatterns(), QStringList{"*.prentvel"});
        QVERIFY(!type.comment().isEmpty());
        QCOMPARE(mimes.mimeTypeForFile(path("Kerst.prentvel"), QMimeDatabase::MatchExtension).name(), CardFile::MimeType);
    }

    void byContent_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("expected");
        QVERIFY(writeCardFile(path("kaart"), quarters(QSize(64, 48))));
        QVERIFY(QFile::copy(path("kaart"), path("kaart.zip")));
        QVERIFY(QFile::copy(path("kaart"), path("kaart.prentvel")));
        QVERIFY(writeZip(path("archief"), {{"mimetype", "application/x-other"}, {"a.txt", "a"}}));
        QVERIFY(writeZip(path("leeg"), {{"a.txt", "a"}}));
        const int byDefault = QMimeDatabase::MatchDefault, byContent = QMimeDatabase::MatchContent;
        QTest::newRow("card file") << "kaart.prentvel" << byDefault << CardFile::MimeType;
        QTest::newRow("card without extension") << "kaart" << byDefault << CardFile::MimeType;
        QTest::newRow("card named .zip") << "kaart.zip" << byContent << CardFile::MimeType;
        QTest::newRow("other mimetype") << "archief" << byDefault << "application/zip";
        QTest::newRow("plain zip") << "leeg" << byDefault << "application/zip";
    }

    void byContent()
    {
        QFETCH(QString, name);
        QFETCH(int, mode);
        QFETCH(QString, expected);
        QCOMPARE(mimes.mimeTypeForFile(path(name), QMimeDatabase::MatchMode(mode)).name(), expected);
    }
};

PRENTVEL_TEST(MimeTypeTest)
#include "MimeTypeTest.moc"
