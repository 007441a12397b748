#pragma once
// What the editor, the drawing tools and the filters see of the main window:
// the card with its history, the editor state, the photo buffer, the two
// progress displays and the overlays of the card view. The main window hands
// its own over; the subsystems never reach its widgets.
#include <QSize>
#include <QtContainerFwd>

class CardHistory;
class CardReplay;
class CardSurface;
class Progress;
class QColor;
class QFont;
class QImage;
class QPoint;
class QRect;
class QString;
class QWidget;

struct EditorState;

// What the card view shows over the card, in card pixels. Overlays are never
// part of the card's pixels.
class CardOverlays {
public:
    virtual ~CardOverlays() = default;
    // The rubber-band frame of the drawing tools.
    virtual void showRubberFrame(const QRect& frame) = 0;
    virtual void hideRubberFrame() = 0;
    // The text preview that follows the pointer: `font` is sized in points at
    // 96 dots per inch, as text on the card is.
    virtual void showTextPreview(const QString& text, const QFont& font, const QColor& color) = 0;
    virtual QSize textPreviewSize() const = 0;
    virtual void moveTextPreview(const QPoint& topLeft) = 0;
    virtual void hideTextPreview() = 0;
    // The pointer's position on the card, as a caption.
    virtual void showCoordinates(const QString& caption) = 0;
    // Outlines of the layout's frames over the card; `current` is highlighted. Empty: none.
    virtual void showFrameOutlines(const QVector<QRect>& frames, int current) = 0;
    // A dashed rectangle around the selected text. Empty: none.
    virtual void showSelection(const QRect& area) { (void)area; }
};

class CardContext {
public:
    virtual ~CardContext() = default;
    virtual CardSurface& card() = 0;
    virtual CardHistory& history() = 0;
    // The checkpoints from which the card is drawn again after an edit.
    virtual CardReplay& replay() = 0;
    virtual EditorState& state() = 0;
    // The photo buffer: the picture last loaded, at its decoded size.
    virtual QImage& photoBuffer() = 0;
    // The strip that follows the numbered filters, and the bar of the effects.
    virtual Progress& filterProgress() = 0;
    virtual Progress& effectProgress() = 0;
    virtual CardOverlays& overlays() = 0;
    // The window that dialogs open over.
    virtual QWidget* window() = 0;
    // The photo's name and size on the menu bar, kept as photoCaption() in
    // PhotoOpen.h writes it and shown in the language shown.
    virtual void setPhotoCaption(const QString& caption) = 0;
    // The caption under the tool buttons, and the help line. The help line is
    // kept as given, in Dutch for the lines the editor knows, and shown in
    // the language shown (shownInformation() in ClockAndHelp.h).
    virtual void setToolCaption(const QString& caption) = 0;
    virtual void setInformation(const QString& text) = 0;
    // The colour swatches follow the shared colours again.
    virtual void colorsChanged() = 0;
    // The text panel shows the editor state's text choice again.
    virtual void textChoiceChanged() {}
    // The size in the text panel is not a number: shown in red until it is.
    virtual void markTextSize(bool valid) { (void)valid; }
};
