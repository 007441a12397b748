#include "app/Subsystems.h"

#include "app/Main.h"
#include "editor/CardSaving.h"
#include "editor/PhotoOpen.h"
#include "editor/TextOnCard.h"
#include "editor/TextSelection.h"
#include "platform/ClickableLabel.h"
#include "platform/PictureBox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>

namespace {

// The editor state follows the controls whose values the subsystems use.
void followControls(Main& main)
{
    EditorState& state = main.state;
    EditorState::TextChoice& text = state.textChoice;
    // A selected text changes with every change of the panel.
    const auto changed = [&main] { textPanelChanged(main.context()); };
    const auto follow = [&main, changed](QCheckBox* box, bool& value) {
        value = box->isChecked();
        QObject::connect(box, &QCheckBox::toggled, &main, [&value, changed](bool on) {
            value = on;
            changed();
        });
    };
    follow(main.CheckBold, text.bold);
    follow(main.CheckItalic, text.italic);
    follow(main.CheckOnderstreept, text.underline);
    follow(main.CheckVer, text.vertical);
    follow(main.Check1, text.halo);

    text.text = main.Text1->text();
    QObject::connect(main.Text1, &QLineEdit::textChanged, &main, [&text, changed](const QString& value) {
        text.text = value;
        changed();
    });
    text.size = main.ComboSize->currentText();
    QObject::connect(main.ComboSize, &QComboBox::currentTextChanged, &main, [&text, changed](const QString& value) {
        text.size = value;
        changed();
    });
    text.fontName = main.ListFonts->currentText();
    QObject::connect(main.ListFonts, &QComboBox::currentTextChanged, &main, [&text, changed](const QString& value) {
        text.fontName = value;
        changed();
    });

    state.lineWidth = main.Slider1->value();
    QObject::connect(main.Slider1, &QSlider::valueChanged, &main, [&state](int value) { state.lineWidth = value; });
    state.cropPhotos = main.LayoutBijsnijden->isChecked();
    QObject::connect(main.LayoutBijsnijden, &QAction::toggled, &main, [&state](bool on) { state.cropPhotos = on; });
}

}

void installPhotosTextAndSaving(Main& main)
{
    followControls(main);
    CardContext& context = main.context();
    const CardFileOpener openCard = [&main](const QString& path) { return main.openCardFileIfCard(path); };
    QObject::connect(main.FileOpen, &QAction::triggered, &main, [&context, openCard] { FileOpen_Click(context, openCard); });
    QObject::connect(main.Voorkant, &PictureBox::fileDroppedAt, &main,
                     [&context, openCard](const QString& path, double x, double y) {
                         if (!openCard(path))
                             dropPhotoFile(context, path, x, y);
                     });
    // The flat pictures are exports: only the card file keeps the work.
    for (int index : {1, 2, 3, 4})
        QObject::connect(main.FileSaveAs[index], &QAction::triggered, &main, [&context, index] {
            finishTextEditing(context);
            FileSaveAs_Click(context, index);
        });
    // "Plaats" ends a selection and starts a new text.
    QObject::connect(main.PlaatsKnop, &QPushButton::clicked, &main, [&context] {
        endTextSelection(context);
        PlaatsKnop_Click(context);
    });
    // Double-click on the text box empties it.
    QObject::connect(main.Text1, &TextBox::doubleClicked, main.Text1, &QLineEdit::clear);
}
