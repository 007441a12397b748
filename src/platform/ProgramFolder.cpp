#include "platform/ProgramFolder.h"

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
    const QDir folder(programFolder());
    const QString besideProgram = folder.filePath(QStringLiteral("help.pdf"));
    const QString installed = QDir::cleanPath(folder.filePath(QStringLiteral("../share/prentvel/help.pdf")));
    if (!QFileInfo::exists(besideProgram) && QFileInfo::exists(installed))
        return installed;
    return besideProgram;
}
