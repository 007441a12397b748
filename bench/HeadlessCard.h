#pragma once
// The card, its history and the editor state without a window, as the
// subsystems see the main window, for benchmarks.
#include "editor/CardContext.h"
#include "editor/CardHistory.h"
#include "editor/CardReplay.h"
#include "editor/EditorState.h"
#include "platform/CardSurface.h"
#include "platform/Progress.h"

#include <QFont>
#include <QImage>
#include <QRandomGenerator>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <QVector>
#include <cmath>

class HeadlessCard : public CardContext, public CardOverlays {
public:
    HeadlessCard()
        : history_(card_, [this] { return layoutState(); }, [this](const CardLayoutState& s) { state_.document = s.document; },
                   [this](const CardLayoutState& s) { replay_.replay(card_, s.document); })
    {
        history_.setDocumentKeeper([this](const CardDocument& document) { state_.document = document; });
    }
    ~HeadlessCard() override
    {
        state_.photoDrag.reset();
        state_.toolDrag.reset();
    }

    void chooseLayout(int layout, double x, double y, double width, double height)
    {
        state_.currentLayout = layout;
        state_.frameX = x;
        state_.frameY = y;
        state_.frameWidth = width;
        state_.frameHeight = height;
    }

    CardSurface& card() override { return card_; }
    CardHistory& history() override { return history_; }
    CardReplay& replay() override { return replay_; }
    EditorState& state() override { return state_; }
    QImage& photoBuffer() override { return photo_; }
    Progress& filterProgress() override { return progress_; }
    Progress& effectProgress() override { return progress_; }
    CardOverlays& overlays() override { return *this; }
    QWidget* window() override { return nullptr; }
    void setPhotoCaption(const QString& caption) override { state_.photoCaption = caption; }
    void setToolCaption(const QString&) override {}
    void setInformation(const QString&) override {}
    void colorsChanged() override {}

    void showRubberFrame(const QRect&) override {}
    void hideRubberFrame() override {}
    void showTextPreview(const QString&, const QFont&, const QColor&) override {}
    QSize textPreviewSize() const override { return {}; }
    void moveTextPreview(const QPoint&) override {}
    void hideTextPreview() override {}
    void showCoordinates(const QString&) override {}
    void showFrameOutlines(const QVector<QRect>&, int) override {}

private:
    CardLayoutState layoutState() const
    {
        CardLayoutState s;
        s.layout = state_.currentLayout;
        s.frameX = state_.frameX;
        s.frameY = state_.frameY;
        s.frameWidth = state_.frameWidth;
        s.frameHeight = state_.frameHeight;
        s.document = state_.document;
        return s;
    }

    CardSurface card_;
    EditorState state_;
    CardReplay replay_;
    CardHistory history_;
    QImage photo_;
    NoProgress progress_;
};

// Smooth colour fields with grain, like a photo.
inline QImage photoLike(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random{quint32(seed)};
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int grain = int(random.bounded(16));
            line[x] = qRgb(int(120 + 90 * std::sin((x + seed * 40) / 150.0)) + grain, int(120 + 90 * std::sin(y / 110.0)) + grain,
                           ((x + y) / 40 + grain) & 0xFF);
        }
    }
    return image;
}

// A 4000 x 3000 JPEG of such a picture, written once for the whole program.
inline const QString& twelveMegapixelJpeg()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("foto.jpg"));
        photoLike(4000, 3000, 1).save(file, "JPEG", 90);
        return file;
    }();
    return path;
}
