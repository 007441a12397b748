#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
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
