#pragma once
// The main window as the subsystems see it: its card, history, state and
// progress displays, and its card view's overlays (the rubber band `Layer`,
// the text preview `Label12` and the coordinates in `CorLabel`).
#include "editor/CardContext.h"
#include "platform/Progress.h"

class Main;

class MainContext : public CardContext, public CardOverlays {
public:
    explicit MainContext(Main& main);

    CardSurface& card() override;
    CardHistory& history() override;
    CardReplay& replay() override;
    EditorState& state() override;
    QImage& photoBuffer() override;
    Progress& filterProgress() override { return strip_; }
    Progress& effectProgress() override { return bar_; }
    CardOverlays& overlays() override { return *this; }
    QWidget* window() override;
    void setPhotoCaption(const QString& caption) override;
    void setToolCaption(const QString& caption) override;
    void setInformation(const QString& text) override;
    void colorsChanged() override;
    void textChoiceChanged() override;
    void markTextSize(bool valid) override;

    void showRubberFrame(const QRect& frame) override;
    void hideRubberFrame() override;
    void showTextPreview(const QString& text, const QFont& font, const QColor& color) override;
    QSize textPreviewSize() const override;
    void moveTextPreview(const QPoint& topLeft) override;
    void hideTextPreview() override;
    void showCoordinates(const QString& caption) override;
    void showFrameOutlines(const QVector<QRect>& frames, int current) override;
    void showSelection(const QRect& area) override;

private:
    // The strip `Bar`: its timer draws the figure kept in the editor state.
    class StripProgress : public Progress {
    public:
        explicit StripProgress(Main& main) : main_(main) {}
        void begin() override;
        void show(int percent) override;
        void end() override;

    private:
        Main& main_;
    };
    // The progress bar `ProgBar`.
    class BarProgress : public Progress {
    public:
        explicit BarProgress(Main& main) : main_(main) {}
        void begin() override;
        void show(int percent) override;
        void end() override;

    private:
        Main& main_;
    };

    Main& main_;
    StripProgress strip_;
    BarProgress bar_;
};
