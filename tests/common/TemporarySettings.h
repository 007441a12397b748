#pragma once
// Points the program's remembered settings at a fresh folder for one test and
// back to the previous folder afterwards.
#include "platform/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

class TemporarySettings {
public:
    TemporarySettings()
        : previous_(QFileInfo(QFileInfo(Settings::open().fileName()).absolutePath()).absolutePath())
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
        Settings::setAutosaveFolder(folder_.filePath(QStringLiteral("autosave")));
    }
    ~TemporarySettings() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, previous_); }
    TemporarySettings(const TemporarySettings&) = delete;
    TemporarySettings& operator=(const TemporarySettings&) = delete;

    // The settings file itself, for tests that damage it.
    QString file() const { return Settings::open().fileName(); }
    QString path() const { return folder_.path(); }

private:
    QString previous_;
    QTemporaryDir folder_;
};
