#pragma once
// The drawing configuration window: radius of the coloured circles, fill
// pattern of the filled shapes (with a preview) and eraser size. The settings
// change only through "Ok".
#include "platform/PictureSurface.h"

#include <QDialog>

struct EditorState;
class PictureBox;
class QLabel;
class QPushButton;
class QScrollBar;

class Config : public QDialog {
    Q_OBJECT
public:
    explicit Config(EditorState& state, QWidget* parent = nullptr);

    QScrollBar* HScroll1 = nullptr;   // circleSize
    QLabel* Label4 = nullptr;
    QScrollBar* VulScroll = nullptr;  // fillStyleSetting
    QLabel* Label7 = nullptr;
    PictureBox* Picture1 = nullptr;   // fill-pattern preview
    QScrollBar* GumScroll = nullptr;  // eraserSize
    QLabel* Label9 = nullptr;
    QPushButton* OkKnop = nullptr;
    QPushButton* CancelKnop = nullptr;

    const PictureSurface& preview() const { return preview_; }

    void OkKnop_Click();
    void CancelKnop_Click();

private:
    void drawPreview();

    EditorState& state_;
    PictureSurface preview_;
};
