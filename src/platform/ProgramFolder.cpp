#include "platform/ProgramFolder.h"

#include "platform/Language.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

bool isFolderWritable(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(".prentvel-write-test-XXXXXX"));
    return probe.open();
}

QString manualPath()
{
    // Each translation has its manual, "help-<code>.pdf"; Dutch is "help.pdf".
    const QString language = Translations::current();
    const QString name = language == Language::Dutch ? QStringLiteral("help.pdf")
                                                     : QStringLiteral("help-%1.pdf").arg(language);
    const QDir folder(programFolder());
    const QString besideProgram = folder.filePath(name);
    const QString installed = QDir::cleanPath(folder.filePath(QStringLiteral("../share/prentvel/") + name));
    if (!QFileInfo::exists(besideProgram) && QFileInfo::exists(installed))
        return installed;
    return besideProgram;
}
