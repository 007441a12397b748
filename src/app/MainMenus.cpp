// Builds the menu tree of the main window; every entry carries its design name.
#include "app/Main.h"

#include "editor/CardLayouts.h"
#include "editor/ClockAndHelp.h"

#include <QAction>
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

    File = addTopMenu(bar, "File", "Bestand");
    FileNieuw = addEntry(File, "FileNieuw", "Nieuw");
    FileOpen = addEntry(File, "FileOpen", "Open Foto / Kaart");
    FileSave = addSubmenu(File, "FileSave", "Kaart Opslaan");
    FileSaveAs[1] = addEntry(FileSave, indexed("FileSaveAs", 1), "Als Bmp");
    FileSaveAs[2] = addEntry(FileSave, indexed("FileSaveAs", 2), "Als Jpg");
    FileSaveAs[3] = addEntry(FileSave, indexed("FileSaveAs", 3), "Als Jpg (afdrukkwaliteit)");
    addSeparator(File, "FileStreep2");
    FilePrint = addEntry(File, "FilePrint", "Afdrukken");
    FileSetupPrinter = addEntry(File, "FileSetupPrinter", "Printer Setup");
    FilePrintMarges = addEntry(File, "FilePrintMarges", "Print Marges");
    addSeparator(File, "FileStreep4");
    FileExit = addEntry(File, "FileExit", "Exit");

    layout = addTopMenu(bar, "layout", "Layout");
    for (int index = Layout::FirstPhotoLayout; index <= Layout::LastPhotoLayout; ++index)
        LayoutKaart[index] = addEntry(layout, indexed("LayoutKaart", index), photoLayout(index)->caption);
    LayoutKaart[Layout::Separator] = addSeparator(layout, indexed("LayoutKaart", Layout::Separator));
    LayoutKaart[Layout::FreeDrawing] = addEntry(layout, indexed("LayoutKaart", Layout::FreeDrawing), "Zelf Tekenen");
    LayoutKaart[Layout::AddressSide] = addEntry(layout, indexed("LayoutKaart", Layout::AddressSide), "Adreszijde");
    for (QAction* entry : LayoutKaart)
        if (entry && !entry->isSeparator())
            entry->setCheckable(true);
    LayoutKaart[Layout::FirstPhotoLayout]->setChecked(true);
    addSeparator(layout, "LayoutStreep1");
    LayoutBijsnijden = addEntry(layout, "LayoutBijsnijden", "Foto's bijsnijden");
    LayoutBijsnijden->setCheckable(true);

    Bewerken = addTopMenu(bar, "Bewerken", "Bewerken");
    EditBewerken = addSubmenu(Bewerken, "EditBewerken", "Filters");
    static const char* const filterCaptions[18] = {
        "Grayscale", "Negative", "Light", "Dark", "Sharpen", "Contrast", "Pixelize", "Reliëf", "Swap Colors",
        "Scattered", "Blur", "Aquarel", "Defuse", "Add noise", "Edge", "Contour", "Transparant", "Sepia"};
    for (int index = 0; index < 18; ++index) {
        const QString caption = QString::fromUtf8(filterCaptions[index]);
        if (index == 5) {
            EditContrastConvertMenu = addSubmenu(EditBewerken, indexed("EditConvert", index), caption);
            EditConvert[index] = EditContrastConvertMenu->menuAction();
            EditContrastConvert[1] = addEntry(EditContrastConvertMenu, indexed("EditContrastConvert", 1), "Positive");
            EditContrastConvert[2] = addEntry(EditContrastConvertMenu, indexed("EditContrastConvert", 2), "Negative");
        } else if (index == 8) {
            EditSwapMenu = addSubmenu(EditBewerken, indexed("EditConvert", index), caption);
            EditConvert[index] = EditSwapMenu->menuAction();
            static const char* const swaps[6] = {"", "RGB --> BRG", "RGB --> GBR", "RGB --> RBG", "RGB --> BGR", "RGB --> GRB"};
            for (int swap = 1; swap <= 5; ++swap)
                EditSwap[swap] = addEntry(EditSwapMenu, indexed("EditSwap", swap), swaps[swap]);
        } else {
            EditConvert[index] = addEntry(EditBewerken, indexed("EditConvert", index), caption);
        }
    }
    static const char* const flips[5] = {"Flip Horizontaal", "Flip Vertikaal", "Flip Rechts", "Flip Boven", "Kaart Kantelen"};
    for (int index = 0; index < 5; ++index)
        EditFlipConvert[index] = addEntry(Bewerken, indexed("EditFlipConvert", index), flips[index]);
    addSeparator(Bewerken, "EditStreep1");
    EditKaders = addSubmenu(Bewerken, "EditKaders", "Kaders");
    EditLijstrand[1] = addEntry(EditKaders, indexed("EditLijstrand", 1), "Smal");
    EditLijstrand[5] = addEntry(EditKaders, indexed("EditLijstrand", 5), "Medium");
    EditLijstrand[10] = addEntry(EditKaders, indexed("EditLijstrand", 10), "Breed");
    EditLijst[1] = addEntry(EditKaders, indexed("EditLijst", 1), "Midden Circel");
    EditLijst[2] = addEntry(EditKaders, indexed("EditLijst", 2), "Midden Ruit");

    Beeld = addTopMenu(bar, "Beeld", "Beeld");
    BeeldPassend = addEntry(Beeld, "BeeldPassend", "Passend in venster");
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
    BeeldInzoomen = addEntry(Beeld, "BeeldInzoomen", "Inzoomen");
    BeeldInzoomen->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    BeeldUitzoomen = addEntry(Beeld, "BeeldUitzoomen", "Uitzoomen");
    BeeldUitzoomen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));

    Tools = addTopMenu(bar, "Tools", "Tools");
    ToolsUndo = addEntry(Tools, "ToolsUndo", "Undo");
    ToolsRedo = addEntry(Tools, "ToolsRedo", "Redo");
    ToolsKleurLayer = addSubmenu(Tools, "ToolsKleurLayer", "Kleur Layer");
    static const char* const layerColours[4] = {"", "Wit", "Grijs", "Zwart"};
    for (int index = 1; index <= 3; ++index) {
        ToolsColorLayer[index] = addEntry(ToolsKleurLayer, indexed("ToolsColorLayer", index), layerColours[index]);
        ToolsColorLayer[index]->setCheckable(true);
    }
    ToolsColorLayer[3]->setChecked(true);
    ToolsGradient = addSubmenu(Tools, "ToolsGradient", "Verloopkleuren");
    static const char* const directions[6] = {"Boven", "Links", "Onderen", "Rechts", "Diagonaal", "Circulair"};
    for (int index = 0; index < 6; ++index)
        GradientRichting[index] = addEntry(ToolsGradient, indexed("GradientRichting", index), directions[index]);
    addSeparator(Tools, "Toolsstreep1");
    ToolsConfig = addEntry(Tools, "ToolsConfig", "Configuratie");
    ToolsDatabase = addEntry(Tools, "ToolsDatabase", "Adressenbestand");
    // Undo and Redo also head "Bewerken", where a desktop program keeps them.
    QAction* firstEdit = Bewerken->actions().constFirst();
    Bewerken->insertActions(firstEdit, {ToolsUndo, ToolsRedo});
    Bewerken->insertSeparator(firstEdit)->setObjectName("EditStreep0");

    // The usual shortcuts of a desktop program.
    const std::pair<QAction*, QKeySequence> shortcuts[] = {
        {FileNieuw, QKeySequence(Qt::CTRL | Qt::Key_N)},      {FileOpen, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {FileSaveAs[3], QKeySequence(Qt::CTRL | Qt::Key_S)},  {FilePrint, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {FileExit, QKeySequence(Qt::CTRL | Qt::Key_Q)}};
    for (const auto& [entry, keys] : shortcuts)
        entry->setShortcut(keys);

    Help = addTopMenu(bar, "Help", "Help");
    HelpHelp = addEntry(Help, "HelpHelp", "Help");
    HelpHelp->setCheckable(true);
    HelpHelppdf = addEntry(Help, "HelpHelppdf", "Help.pdf");
    addSeparator(Help, "HelpStreep1");
    HelpSoftware = addEntry(Help, "HelpSoftware", "Meer Software");
    HelpZilverhoek = addEntry(Help, "HelpZilverhoek", SecondSiteCaption);
    HelpDownload = addEntry(Help, "HelpDownload", "Download Kaarten");

    Tussenlijn = bar->addAction("|");
    Tussenlijn->setObjectName("Tussenlijn");
    NaamEnGrootte = bar->addAction("*.*");
    NaamEnGrootte->setObjectName("NaamEnGrootte");
}
