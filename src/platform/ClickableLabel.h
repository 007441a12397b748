#pragma once
#include <QLabel>
#include <QLineEdit>

// A label that reports clicks, for colour swatches and clickable pictures.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
Q_SIGNALS:
    void clicked();
    void doubleClicked();
protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A one-line text box that reports double-clicks.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
Q_SIGNALS:
    void doubleClicked();
protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
