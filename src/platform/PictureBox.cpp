#include "platform/PictureBox.h"

#include "platform/DrawingSurface.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

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
}
