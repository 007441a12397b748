// Builds the menu tree of the main window; every entry carries its design name.
#include "app/Main.h"

#include "editor/CardLayouts.h"
#include "editor/ClockAndHelp.h"
#include "drawing/Frames.h"
#include "drawing/Gradients.h"
#include "filters/FilterOperation.h"

#include <QAction>
#include <QCoreApplication>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <utility>

namespace {

QString indexed(const char* name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QAction* addEntry(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QAction* addSeparator(QMenu* menu, const QString& name)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

QMenu* addSubmenu(QMenu* parent, const QString& name, const QString& caption)
{
    QMenu* menu = parent->addMenu(caption);
    menu->setObjectName(name + QStringLiteral("Menu"));
    menu->menuAction()->setObjectName(name);
    return menu;
}

QMenu* addTopMenu(QMenuBar* bar, const QString& name, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name + QStringLiteral("Menu"));
    menu->menuAction()->setObjectName(name);
    return menu;
}

}

void Main::buildMenus()
{
    QMenuBar* bar = menuBar();

    File = addTopMenu(bar, "File", tr("Bestand"));
    FileNieuw = addEntry(File, "FileNieuw", tr("Nieuw"));
    FileOpen = addEntry(File, "FileOpen", tr("Open Foto / Kaart"));
    FileKaartBewaren = addEntry(File, "FileKaartBewaren", tr("Kaart bewaren"));
    FileKaartBewarenAls = addEntry(File, "FileKaartBewarenAls", tr("Kaart bewaren als..."));
    FileRecent = addSubmenu(File, "FileRecent", tr("Recente kaarten"));
    for (int index = 1; index < int(FileRecentKaart.size()); ++index)
        FileRecentKaart[index] = addEntry(FileRecent, indexed("FileRecent", index), QString());
    addSeparator(FileRecent, "FileRecentStreep");
    FileRecentWissen = addEntry(FileRecent, "FileRecentWissen", tr("Lijst wissen"));
    FileSave = addSubmenu(File, "FileSave", tr("Kaart Opslaan"));
    FileSaveAs[1] = addEntry(FileSave, indexed("FileSaveAs", 1), tr("Als Bmp"));
    FileSaveAs[2] = addEntry(FileSave, indexed("FileSaveAs", 2), tr("Als Jpg"));
    FileSaveAs[3] = addEntry(FileSave, indexed("FileSaveAs", 3), tr("Als Jpg (afdrukkwaliteit)"));
    FileSaveAs[4] = addEntry(FileSave, indexed("FileSaveAs", 4), tr("Als Png (afdrukkwaliteit)"));
    addSeparator(File, "FileStreep2");
    FilePrint = addEntry(File, "FilePrint", tr("Afdrukken"));
    FileSetupPrinter = addEntry(File, "FileSetupPrinter", tr("Printer Setup"));
    FilePrintMarges = addEntry(File, "FilePrintMarges", tr("Print Marges"));
    addSeparator(File, "FileStreep4");
    FileExit = addEntry(File, "FileExit", tr("Exit"));

    layout = addTopMenu(bar, "layout", tr("Layout"));
    for (int index = Layout::FirstPhotoLayout; index <= Layout::LastPhotoLayout; ++index)
        LayoutKaart[index] = addEntry(layout, indexed("LayoutKaart", index), layoutCaption(index));
    LayoutKaart[Layout::Separator] = addSeparator(layout, indexed("LayoutKaart", Layout::Separator));
    LayoutKaart[Layout::FreeDrawing] = addEntry(layout, indexed("LayoutKaart", Layout::FreeDrawing), tr("Zelf Tekenen"));
    LayoutKaart[Layout::AddressSide] = addEntry(layout, indexed("LayoutKaart", Layout::AddressSide), tr("Adreszijde"));
    for (QAction* entry : LayoutKaart)
        if (entry && !entry->isSeparator())
            entry->setCheckable(true);
    LayoutKaart[Layout::FirstPhotoLayout]->setChecked(true);
    addSeparator(layout, "LayoutStreep1");
    LayoutBijsnijden = addEntry(layout, "LayoutBijsnijden", tr("Foto's bijsnijden"));
    LayoutBijsnijden->setCheckable(true);

    Bewerken = addTopMenu(bar, "Bewerken", tr("Bewerken"));
    EditBewerken = addSubmenu(Bewerken, "EditBewerken", tr("Filters"));
    for (int index = filterMenuFirst(FilterMenu::Filters); index < filterMenuEnd(FilterMenu::Filters); ++index) {
        const QString caption = filterMenuCaption(FilterMenu::Filters, index);
        if (index == 5) {
            EditContrastConvertMenu = addSubmenu(EditBewerken, indexed("EditConvert", index), caption);
            EditConvert[index] = EditContrastConvertMenu->menuAction();
            for (int entry = filterMenuFirst(FilterMenu::Contrast); entry < filterMenuEnd(FilterMenu::Contrast); ++entry)
                EditContrastConvert[entry] = addEntry(EditContrastConvertMenu, indexed("EditContrastConvert", entry),
                                                      filterMenuCaption(FilterMenu::Contrast, entry));
        } else if (index == 8) {
            EditSwapMenu = addSubmenu(EditBewerken, indexed("EditConvert", index), caption);
            EditConvert[index] = EditSwapMenu->menuAction();
            for (int swap = filterMenuFirst(FilterMenu::Swap); swap < filterMenuEnd(FilterMenu::Swap); ++swap)
                EditSwap[swap] = addEntry(EditSwapMenu, indexed("EditSwap", swap), filterMenuCaption(FilterMenu::Swap, swap));
        } else {
            EditConvert[index] = addEntry(EditBewerken, indexed("EditConvert", index), caption);
        }
    }
    for (int index = filterMenuFirst(FilterMenu::Flips); index < filterMenuEnd(FilterMenu::Flips); ++index)
        EditFlipConvert[index] = addEntry(Bewerken, indexed("EditFlipConvert", index), filterMenuCaption(FilterMenu::Flips, index));
    addSeparator(Bewerken, "EditStreep1");
    EditKaders = addSubmenu(Bewerken, "EditKaders", tr("Kaders"));
    for (int width : BorderWidths)
        EditLijstrand[width] = addEntry(EditKaders, indexed("EditLijstrand", width), borderCaption(width));
    for (int index : {1, 2})
        EditLijst[index] = addEntry(EditKaders, indexed("EditLijst", index), centreShapeCaption(index));

    Beeld = addTopMenu(bar, "Beeld", tr("Beeld"));
    BeeldPassend = addEntry(Beeld, "BeeldPassend", tr("Passend in venster"));
    BeeldPassend->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    auto* zooms = new QActionGroup(Beeld);
    zooms->addAction(BeeldPassend);
    for (int index = 1; index < int(BeeldZoom.size()); ++index) {
        BeeldZoom[index] = addEntry(Beeld, indexed("BeeldZoom", index), QStringLiteral("%1%").arg(index * 100));
        zooms->addAction(BeeldZoom[index]);
    }
    for (QAction* entry : zooms->actions())
        entry->setCheckable(true);
    BeeldZoom[1]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    addSeparator(Beeld, "BeeldStreep1");
    BeeldInzoomen = addEntry(Beeld, "BeeldInzoomen", tr("Inzoomen"));
    BeeldInzoomen->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    BeeldUitzoomen = addEntry(Beeld, "BeeldUitzoomen", tr("Uitzoomen"));
    BeeldUitzoomen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));

    Tools = addTopMenu(bar, "Tools", tr("Tools"));
    ToolsUndo = addEntry(Tools, "ToolsUndo", tr("Undo"));
    ToolsRedo = addEntry(Tools, "ToolsRedo", tr("Redo"));
    ToolsKleurLayer = addSubmenu(Tools, "ToolsKleurLayer", tr("Kleur Layer"));
    const QString layerColours[4] = {QString(), tr("Wit"), tr("Grijs"), tr("Zwart")};
    for (int index = 1; index <= 3; ++index) {
        ToolsColorLayer[index] = addEntry(ToolsKleurLayer, indexed("ToolsColorLayer", index), layerColours[index]);
        ToolsColorLayer[index]->setCheckable(true);
    }
    ToolsColorLayer[3]->setChecked(true);
    ToolsGradient = addSubmenu(Tools, "ToolsGradient", tr("Verloopkleuren"));
    for (int index = 0; index <= GradientCircularEntry; ++index)
        GradientRichting[index] = addEntry(ToolsGradient, indexed("GradientRichting", index), gradientCaption(index));
    addSeparator(Tools, "Toolsstreep1");
    ToolsConfig = addEntry(Tools, "ToolsConfig", tr("Configuratie"));
    ToolsDatabase = addEntry(Tools, "ToolsDatabase", tr("Adressenbestand"));
    // Undo and Redo also head "Bewerken", where a desktop program keeps them.
    QAction* firstEdit = Bewerken->actions().constFirst();
    Bewerken->insertActions(firstEdit, {ToolsUndo, ToolsRedo});
    Bewerken->insertSeparator(firstEdit)->setObjectName("EditStreep0");

    // The usual shortcuts of a desktop program.
    const std::pair<QAction*, QKeySequence> shortcuts[] = {
        {FileNieuw, QKeySequence(Qt::CTRL | Qt::Key_N)},      {FileOpen, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {FileKaartBewaren, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {FileKaartBewarenAls, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {FileSaveAs[3], QKeySequence(Qt::CTRL | Qt::Key_E)},  {FilePrint, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {FileExit, QKeySequence(Qt::CTRL | Qt::Key_Q)}};
    for (const auto& [entry, keys] : shortcuts)
        entry->setShortcut(keys);

    Help = addTopMenu(bar, "Help", tr("Help"));
    HelpHelp = addEntry(Help, "HelpHelp", tr("Help"));
    HelpHelp->setCheckable(true);
    HelpHelppdf = addEntry(Help, "HelpHelppdf", "Help.pdf");
    addSeparator(Help, "HelpStreep1");
    HelpSoftware = addEntry(Help, "HelpSoftware", tr("Meer Software"));
    HelpZilverhoek = addEntry(Help, "HelpZilverhoek", QCoreApplication::translate("Main", SecondSiteCaption));
    HelpDownload = addEntry(Help, "HelpDownload", tr("Download Kaarten"));

    Tussenlijn = bar->addAction("|");
    Tussenlijn->setObjectName("Tussenlijn");
    NaamEnGrootte = bar->addAction("*.*");
    NaamEnGrootte->setObjectName("NaamEnGrootte");
}
