#include "app/Subsystems.h"

#include "app/Main.h"
#include "editor/CardSaving.h"
#include "editor/PhotoOpen.h"
#include "editor/TextOnCard.h"
#include "platform/ClickableLabel.h"
#include "platform/PictureBox.h"

#include <QAction>
#include <QPushButton>

void installPhotosTextAndSaving(Main& main)
{
    Main* window = &main;
    QObject::connect(main.FileOpen, &QAction::triggered, window, [window] { FileOpen_Click(*window); });
    QObject::connect(main.Voorkant, &PictureBox::fileDropped, window,
                     [window](const QString& path) { openPhotoFile(*window, path); });
    for (int index : {1, 2, 3})
        QObject::connect(main.FileSaveAs[index], &QAction::triggered, window,
                         [window, index] { FileSaveAs_Click(*window, index); });
    QObject::connect(main.PlaatsKnop, &QPushButton::clicked, window, [window] { PlaatsKnop_Click(*window); });
    QObject::connect(main.Text1, &TextBox::doubleClicked, window, [window] { Text1_DblClick(*window); });
}
