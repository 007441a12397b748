#include "platform/PictureBox.h"

#include "platform/DrawingSurface.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <QWheelEvent>

namespace {
QString droppedFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1)
        return QString();
    const QUrl url = mime->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}
}

PictureBox::PictureBox(DrawingSurface* surface, QWidget* parent)
    : QWidget(parent), surface_(surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAcceptDrops(true);
    connect(surface_, &DrawingSurface::changed, this, qOverload<>(&QWidget::update));
}

int PictureBox::buttonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) | (buttons & Qt::MiddleButton ? 4 : 0);
}

int PictureBox::shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) | (modifiers & Qt::AltModifier ? 4 : 0);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.drawImage(0, 0, surface_->image());
    // The frames' outlines, over the card and never in it: the current one last, on top.
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < outlines_.size(); ++i) {
            if ((i == currentOutline_) != (pass == 1))
                continue;
            QPen pen(i == currentOutline_ ? palette().color(QPalette::Highlight) : QColor(200, 200, 200), 1, Qt::DashLine);
            p.setPen(pen);
            p.drawRect(outlines_[i].adjusted(0, 0, -1, -1));
        }
}

void PictureBox::setFrameOutlines(const QVector<QRect>& frames, int current)
{
    if (frames == outlines_ && current == currentOutline_)
        return;
    outlines_ = frames;
    currentOutline_ = current;
    update();
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT mouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), event->position().x(), event->position().y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), event->position().x(), event->position().y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT mouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), event->position().x(), event->position().y());
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    Q_EMIT mouseDoubleClick(buttonCode(event->button()), shiftCode(event->modifiers()), event->position().x(),
                            event->position().y());
}

void PictureBox::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep;
    if (!(event->modifiers() & Qt::ControlModifier) && steps != 0 && wheelOverCard
        && wheelOverCard(steps, shiftCode(event->modifiers()), event->position().x(), event->position().y())) {
        event->accept();
        return;
    }
    QWidget::wheelEvent(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    Q_EMIT keyDown(event->key(), shiftCode(event->modifiers()));
    QWidget::keyPressEvent(event);
}

void PictureBox::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void PictureBox::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    Q_EMIT fileDropped(path);
    Q_EMIT fileDroppedAt(path, event->position().x(), event->position().y());
}
