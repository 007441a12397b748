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
#include <algorithm>
#include <cmath>

namespace {

constexpr double Tolerance = 1e-9;
constexpr int WheelNotch = 120;
const QColor FrameOutline(200, 200, 200);

QString droppedFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1)
        return QString();
    const QUrl url = mime->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

QFont grown(QFont font, double factor)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * factor))));
    return font;
}

}

PictureBox::PictureBox(DrawingSurface* surface, QWidget* parent)
    : QWidget(parent), surface_(surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAcceptDrops(true);
    resize(surface_->width(), surface_->height());
    connect(surface_, &DrawingSurface::areaChanged, this, &PictureBox::surfaceChanged);
}

int PictureBox::buttonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) | (buttons & Qt::MiddleButton ? 4 : 0);
}

int PictureBox::shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) | (modifiers & Qt::AltModifier ? 4 : 0);
}

void PictureBox::setZoom(int percent)
{
    percent = std::max(percent, 1);
    if (percent == zoom_)
        return;
    zoom_ = percent;
    resize(int(std::ceil(surface_->width() * zoom_ / 100.0 - Tolerance)),
           int(std::ceil(surface_->height() * zoom_ / 100.0 - Tolerance)));
    for (Overlay& overlay : overlays_)
        placeOverlay(overlay);
    update();
    Q_EMIT zoomChanged(zoom_);
}

QPointF PictureBox::picturePixelAt(QPointF position) const
{
    return QPointF(std::floor(position.x() * 100.0 / zoom_ + Tolerance), std::floor(position.y() * 100.0 / zoom_ + Tolerance));
}

QRect PictureBox::viewRect(const QRect& pictureArea) const
{
    const auto at = [this](int pixels) { return int(std::lround(pixels * zoom_ / 100.0)); };
    const int left = at(pictureArea.x()), top = at(pictureArea.y());
    return QRect(left, top, at(pictureArea.x() + pictureArea.width()) - left, at(pictureArea.y() + pictureArea.height()) - top);
}

PictureBox::Overlay* PictureBox::overlayOf(const QWidget* widget)
{
    overlays_.erase(std::remove_if(overlays_.begin(), overlays_.end(), [](const Overlay& o) { return o.widget.isNull(); }),
                    overlays_.end());
    for (Overlay& overlay : overlays_)
        if (overlay.widget == widget)
            return &overlay;
    return nullptr;
}

void PictureBox::placeOverlay(QWidget* overlay, const QRect& pictureArea)
{
    Overlay* known = overlayOf(overlay);
    if (!known) {
        overlays_.push_back({overlay, pictureArea, std::nullopt});
        known = &overlays_.back();
    }
    known->area = pictureArea;
    placeOverlay(*known);
}

QRect PictureBox::overlayArea(const QWidget* overlay) const
{
    for (const Overlay& known : overlays_)
        if (known.widget == overlay)
            return known.area;
    const QRect shown = overlay->geometry();
    const auto back = [this](int pixels) { return int(std::lround(pixels * 100.0 / zoom_)); };
    const int left = int(std::floor(shown.x() * 100.0 / zoom_ + Tolerance));
    const int top = int(std::floor(shown.y() * 100.0 / zoom_ + Tolerance));
    return QRect(left, top, back(shown.width()), back(shown.height()));
}

void PictureBox::setOverlayFont(QWidget* overlay, const QFont& font)
{
    Overlay* known = overlayOf(overlay);
    if (!known) {
        overlays_.push_back({overlay, overlayArea(overlay), font});
        known = &overlays_.back();
    }
    known->font = font;
    placeOverlay(*known);
}

void PictureBox::placeOverlay(Overlay& overlay)
{
    if (!overlay.widget)
        return;
    QRect shown = viewRect(overlay.area);
    if (overlay.font) {
        overlay.widget->setFont(grown(*overlay.font, zoom_ / 100.0));
        shown.setSize(shown.size().expandedTo(overlay.widget->sizeHint()));
    }
    overlay.widget->setGeometry(shown);
}

void PictureBox::setFrameOutlines(const QVector<QRect>& frames, int current)
{
    if (frames == frames_ && current == currentFrame_)
        return;
    frames_ = frames;
    currentFrame_ = current;
    update();
}

void PictureBox::surfaceChanged(const QRect& area)
{
    if (area.isEmpty())
        return;
    pending_ |= area;
    update(viewRect(area).adjusted(-1, -1, 1, 1));
}

void PictureBox::setSelectionRectangle(const QRect& area)
{
    if (area == selection_)
        return;
    selection_ = area;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    const double ratio = devicePixelRatioF();
    const double scale = zoom_ / 100.0 * ratio;
    if (!cache_.fits(*surface_, scale))
        cache_.rebuild(*surface_, scale);
    else if (!pending_.isEmpty())
        cache_.update(*surface_, pending_);
    pending_ = QRect();

    QPainter p(this);
    const QImage& picture = cache_.image();
    const auto logical = [ratio](const QRect& device) {
        return QRectF(device.x() / ratio, device.y() / ratio, device.width() / ratio, device.height() / ratio);
    };
    for (const QRect& area : event->region()) {
        const QRect device = QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio)
                                 .toAlignedRect()
            & picture.rect();
        if (!device.isEmpty())
            p.drawImage(logical(device), picture, device);
    }
    // A view larger than its picture shows the window colour beyond it.
    const QRegion beyond = event->region() - QRegion(logical(picture.rect()).toAlignedRect());
    for (const QRect& area : beyond)
        p.fillRect(area, palette().window());

    // The frames' outlines, over the card and never in it: the current one last, on top.
    p.setBrush(Qt::NoBrush);
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < frames_.size(); ++i) {
            if ((i == currentFrame_) != (pass == 1))
                continue;
            p.setPen(QPen(i == currentFrame_ ? palette().color(QPalette::Highlight) : FrameOutline, 1, Qt::DashLine));
            p.drawRect(QRectF(viewRect(frames_.at(i))).adjusted(0.5, 0.5, -0.5, -0.5));
        }
    // The selection: dark dashes on light ones, seen on any card.
    if (!selection_.isEmpty()) {
        const QRectF around = QRectF(viewRect(selection_)).adjusted(-1.5, -1.5, 1.5, 1.5);
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(around);
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawRect(around);
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = picturePixelAt(event->position());
    Q_EMIT mouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = picturePixelAt(event->position());
    Q_EMIT mouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), at.x(), at.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = picturePixelAt(event->position());
    Q_EMIT mouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}

// The second press of a double click is a press as well, as it always was.
void PictureBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
    const QPointF at = picturePixelAt(event->position());
    Q_EMIT mouseDoubleClick(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}

// Ctrl+wheel and every turn nobody takes go on to the scroll area around the view.
void PictureBox::wheelEvent(QWheelEvent* event)
{
    event->ignore();
    if ((event->modifiers() & Qt::ControlModifier) || !wheelOverCard)
        return;
    const QPoint delta = event->angleDelta();
    wheelRest_ += delta.y() != 0 ? delta.y() : delta.x();
    const int notches = wheelRest_ / WheelNotch;
    if (notches == 0)
        return;
    wheelRest_ -= notches * WheelNotch;
    const QPointF at = picturePixelAt(event->position());
    if (wheelOverCard(notches, shiftCode(event->modifiers()), at.x(), at.y()))
        event->accept();
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
    const QPointF at = picturePixelAt(event->position());
    Q_EMIT fileDroppedAt(path, at.x(), at.y());
}
