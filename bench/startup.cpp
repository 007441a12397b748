// The program's start: the main window built and shown, with its texts as
// they were before translations (only Qt's Dutch texts loaded), in Dutch
// through the program's translator, and in English. The benchmarks run in
// this order, because the program's translator stays once installed.
#include "OffscreenMain.h"
#include "app/Main.h"
#include "app/Titel.h"
#include "platform/Language.h"
#include "platform/TextRoom.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>

namespace {

void startWindows(benchmark::State& state)
{
    // Start values, never this machine's settings.
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    for (auto _ : state) {
        Titel start;
        start.show();
        Main main;
        main.show();
        QCoreApplication::processEvents();
    }
}

void BM_Start_WithoutTranslations(benchmark::State& state)
{
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    QTranslator qt;
    if (qt.load(QLocale(QLocale::Dutch), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    startWindows(state);
    QCoreApplication::removeTranslator(&qt);
}
BENCHMARK(BM_Start_WithoutTranslations)->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_Start_Dutch(benchmark::State& state)
{
    TextRoom::fitWindowsWhenShown();
    Translations::use(Language::Dutch);
    startWindows(state);
}
BENCHMARK(BM_Start_Dutch)->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_Start_English(benchmark::State& state)
{
    Translations::use(Language::English);
    startWindows(state);
}
BENCHMARK(BM_Start_English)->Unit(benchmark::kMillisecond)->MinTime(3);

}

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks<QApplication>(argc, argv);
}
