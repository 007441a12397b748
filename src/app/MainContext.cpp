#include "app/MainContext.h"

#include "app/Main.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include "platform/ClickableLabel.h"
#include <QProgressBar>

MainContext::MainContext(Main& main) : main_(main), strip_(main), bar_(main) {}

CardSurface& MainContext::card() { return main_.card; }
CardHistory& MainContext::history() { return main_.history; }
CardReplay& MainContext::replay() { return main_.replay; }
EditorState& MainContext::state() { return main_.state; }
QImage& MainContext::photoBuffer() { return main_.BackPic; }
QWidget* MainContext::window() { return &main_; }
void MainContext::setPhotoCaption(const QString& caption) { main_.setPhotoCaption(caption); }
void MainContext::setToolCaption(const QString& caption) { main_.setToolCaption(caption); }
void MainContext::setInformation(const QString& text) { main_.setInformation(text); }
void MainContext::colorsChanged() { main_.paintSwatches(); }

void MainContext::showRubberFrame(const QRect& frame)
{
    main_.Voorkant->placeOverlay(main_.Layer, frame);
    main_.Layer->show();
}

void MainContext::hideRubberFrame()
{
    main_.Layer->hide();
}

void MainContext::showTextPreview(const QString& text, const QFont& font, const QColor& color)
{
    // The card's text sizes are points at 96 dots per inch.
    QLabel* preview = main_.Label12;
    QFont shown = font;
    shown.setPointSizeF(font.pointSizeF() * 96.0 / preview->logicalDpiY());
    preview->setAutoFillBackground(false);
    preview->setMargin(0);
    preview->setIndent(0);
    setTextColor(preview, color);
    preview->setText(text);
    // Its size in card pixels is its size at 100%; the view grows it with the zoom.
    preview->setFont(shown);
    preview->adjustSize();
    const QRect onCard(main_.Voorkant->overlayArea(preview).topLeft(), preview->size());
    main_.Voorkant->placeOverlay(preview, onCard);
    main_.Voorkant->setOverlayFont(preview, shown);
    preview->show();
}

QSize MainContext::textPreviewSize() const
{
    return main_.Voorkant->overlayArea(main_.Label12).size();
}

void MainContext::moveTextPreview(const QPoint& topLeft)
{
    main_.Voorkant->placeOverlay(main_.Label12, QRect(topLeft, textPreviewSize()));
}

void MainContext::hideTextPreview()
{
    main_.Label12->hide();
}

void MainContext::showCoordinates(const QString& caption)
{
    main_.CorLabel->setText(caption);
}

void MainContext::showFrameOutlines(const QVector<QRect>& frames, int current)
{
    main_.Voorkant->setFrameOutlines(frames, current);
}

void MainContext::StripProgress::begin()
{
    main_.startProgressStrip();
}

void MainContext::StripProgress::show(int percent)
{
    main_.state.progressPercent = percent;
}

void MainContext::StripProgress::end()
{
    main_.stopProgressStrip();
}

void MainContext::BarProgress::begin()
{
    main_.ProgBar->setVisible(true);
}

void MainContext::BarProgress::show(int percent)
{
    main_.ProgBar->setValue(percent);
}

void MainContext::BarProgress::end()
{
    main_.ProgBar->setVisible(false);
    main_.ProgBar->setValue(0);
}

void MainContext::showSelection(const QRect& area)
{
    main_.Voorkant->setSelectionRectangle(area);
}

// The panel shows the choice without reporting it back as a change.
void MainContext::textChoiceChanged()
{
    const EditorState::TextChoice& choice = main_.state.textChoice;
    const QSignalBlocker text(main_.Text1), size(main_.ComboSize), font(main_.ListFonts), bold(main_.CheckBold),
        italic(main_.CheckItalic), underline(main_.CheckOnderstreept), vertical(main_.CheckVer), halo(main_.Check1);
    main_.Text1->setText(choice.text);
    main_.ComboSize->setCurrentText(choice.size);
    main_.ListFonts->setCurrentText(choice.fontName);
    main_.CheckBold->setChecked(choice.bold);
    main_.CheckItalic->setChecked(choice.italic);
    main_.CheckOnderstreept->setChecked(choice.underline);
    main_.CheckVer->setChecked(choice.vertical);
    main_.Check1->setChecked(choice.halo);
}

void MainContext::markTextSize(bool valid)
{
    const QColor background = valid ? QColor(190, 230, 190) : QColor(255, 150, 150); // the panel's green, or red
    setBackground(main_.ComboSize, background);
}
