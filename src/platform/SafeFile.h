#pragma once
// Writes a file so that the target is either the complete new file or left as
// it was: the data goes to a temporary file beside it that replaces the target
// only after every byte reached the disk.
#include <QByteArray>
#include <QString>

// Refuses a target that exists but is no plain file (a folder, FIFO or device,
// also behind a symbolic link), which must never be replaced by a file.
bool writeFileAtomically(const QString& path, const QByteArray& bytes);
