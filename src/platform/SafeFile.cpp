#include "platform/SafeFile.h"

#include <QFileInfo>
#include <QSaveFile>

bool writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QFileInfo existing(path);
    if (path.isEmpty() || (existing.exists() && !existing.isFile()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A full disk may only show when the buffer is flushed; commit() would not
    // notice it and would put an empty file in place of the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
