#include "app/Subsystems.h"

#include "app/Main.h"
#include "platform/Twips.h"
#include "drawing/ColorKeuze.h"
#include "drawing/MouseDrawing.h"
#include "drawing/ToolActions.h"
#include "drawing/ToolTable.h"
#include "editor/PhotoAdjusting.h"
#include "editor/TextSelection.h"
#include "platform/BusyGuard.h"
#include "platform/ClickableLabel.h"
#include "platform/PictureBox.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace {

// Opens the palette beside the tool panel and stores the picked colour, shifted
// by one, in `target`.
void pickSwatchColour(Main& main, Rgb& target, int topOffsetTwips)
{
    const QRect window = main.frameGeometry();
    openColorPalette(main.context(), window.x() * TwipsPerPixel + 9660, window.y() * TwipsPerPixel + topOffsetTwips);
    target = ToolActions::shiftedPaletteColor(main.state.paletteColor);
    main.paintSwatches();
    // A selected text takes the colour at once.
    textPanelChanged(main.context());
}

void setLayerColour(Main& main, int index)
{
    static const Rgb colours[] = {{0, 0, 0}, {255, 255, 255}, {120, 120, 120}, {0, 0, 0}};
    main.state.layerColor = colours[index];
    const Rgb& c = main.state.layerColor;
    main.Layer->setStyleSheet(QString("background: transparent; border: 1px solid rgb(%1,%2,%3);").arg(c.r).arg(c.g).arg(c.b));
    for (int i = 1; i <= 3; ++i)
        main.ToolsColorLayer[i]->setChecked(i == index);
}

}

void showLineWidth(Main& main)
{
    main.Label9->setText(Main::tr("Lijndikte is %1 pixels").arg(main.Slider1->value()));
    main.Label9->adjustSize();
}

void installDrawingTools(Main& main)
{
    for (int n = 1; n <= ToolCount; ++n) {
        QPushButton* button = main.Knop[n];
        button->setToolTip(drawingToolTip(n));
        button->setIcon(toolIcon(n));
        QObject::connect(button, &QPushButton::clicked, &main, [&main, n] { Knop_Click(main.context(), n); });
    }

    QObject::connect(main.Label3, &ClickableLabel::clicked, &main,
                     [&main] { pickSwatchColour(main, main.state.drawColor, 1130); });
    QObject::connect(main.Label4, &ClickableLabel::clicked, &main,
                     [&main] { pickSwatchColour(main, main.state.fillColor, 1920); });

    QObject::connect(main.Slider1, &QSlider::valueChanged, &main, [&main] { showLineWidth(main); });

    // While other work lets window events through, the card takes no new gesture.
    QObject::connect(main.Voorkant, &PictureBox::mouseDown, &main, [&main](int button, int shift, double x, double y) {
        if (!BusyGuard::held())
            Voorkant_MouseDown(main.context(), button, shift, x, y);
    });
    QObject::connect(main.Voorkant, &PictureBox::mouseMove, &main, [&main](int button, int shift, double x, double y) {
        if (!BusyGuard::held())
            Voorkant_MouseMove(main.context(), button, shift, x, y);
    });
    QObject::connect(main.Voorkant, &PictureBox::mouseUp, &main,
                     [&main](int button, int shift, double x, double y) { Voorkant_MouseUp(main.context(), button, shift, x, y); });

    // Placed photos: a double click resets one, the wheel and + and − zoom it.
    QObject::connect(main.Voorkant, &PictureBox::mouseDoubleClick, &main,
                     [&main](int button, int, double x, double y) { photoDoubleClick(main.context(), button, x, y); });
    main.Voorkant->wheelOverCard = [&main](int steps, int, double x, double y) { return zoomPhotoAt(main.context(), steps, x, y); };
    QObject::connect(main.Voorkant, &PictureBox::keyDown, &main, [&main](int keyCode, int shift) {
        if (BusyGuard::held())
            return;
        Voorkant_KeyDown(main.context(), keyCode, shift);
        zoomPhotoByKey(main.context(), keyCode, shift);
    });

    for (int i = 1; i <= 3; ++i)
        QObject::connect(main.ToolsColorLayer[i], &QAction::triggered, &main, [&main, i] { setLayerColour(main, i); });
}
