#include "common/TestRegistry.h"

#include "common/ScriptedDialogs.h"
#include "platform/Settings.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {
struct Entry {
    const char* name;
    TestRegistry::Factory factory;
};
std::vector<Entry>& entries()
{
    static std::vector<Entry> list;
    return list;
}
}

int TestRegistry::add(const char* name, Factory factory)
{
    entries().push_back({name, std::move(factory)});
    return int(entries().size());
}

// Runs every registered class; "-only Name" limits the run to one class, other
// arguments go to QTest as usual.
int TestRegistry::runAll(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Remembered settings go to a fresh folder of this run, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    applyProgramLook(app);
    QStringList args = app.arguments();
    QString only;
    const int onlyIndex = args.indexOf("-only");
    if (onlyIndex >= 0 && onlyIndex + 1 < args.size()) {
        only = args.at(onlyIndex + 1);
        args.remove(onlyIndex, 2);
    }
    int failures = 0;
    for (const Entry& entry : entries()) {
        if (!only.isEmpty() && only != entry.name)
            continue;
        Settings::open().clear();   // every test class starts from the start values
        // Autosaves of this run stay in its own folder: no test meets another's.
        Settings::setAutosaveFolder(settingsFolder.filePath(QStringLiteral("autosave")));
        std::unique_ptr<QObject> test(entry.factory());
        ScriptedDialogs dialogs; // no test ever waits for a person
        failures += QTest::qExec(test.get(), args);
    }
    return failures == 0 ? 0 : 1;
}

int main(int argc, char** argv)
{
    return TestRegistry::runAll(argc, argv);
}
