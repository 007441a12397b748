#include "platform/CardScrollArea.h"

#include "platform/CardZoom.h"
#include "platform/DrawingSurface.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
constexpr int WheelNotch = 120;
const QColor PanelColour(60, 60, 60);
}

CardScrollArea::CardScrollArea(PictureBox* view, QWidget* parent)
    : QScrollArea(parent), view_(view), choice_(view->zoom())
{
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignCenter);
    setWidgetResizable(false);
    setBackground(viewport(), PanelColour);
    setWidget(view_);
}

int CardScrollArea::fittingZoom() const
{
    const DrawingSurface& card = *view_->surface();
    return CardZoom::fitting(QSize(card.width(), card.height()), maximumViewportSize());
}

void CardScrollArea::setZoomChoice(int choice)
{
    choice = choice == CardZoom::Fit ? choice : CardZoom::bounded(choice);
    choose(choice, choice == CardZoom::Fit ? fittingZoom() : choice, QRectF(viewport()->rect()).center());
}

void CardScrollArea::zoomIn()
{
    const int percent = CardZoom::stepIn(view_->zoom());
    choose(percent, percent, QRectF(viewport()->rect()).center());
}

void CardScrollArea::zoomOut()
{
    const int percent = CardZoom::stepOut(view_->zoom());
    choose(percent, percent, QRectF(viewport()->rect()).center());
}

void CardScrollArea::zoomAround(int percent, QPointF viewportPosition)
{
    percent = CardZoom::bounded(percent);
    choose(percent, percent, viewportPosition);
}

void CardScrollArea::choose(int choice, int percent, QPointF viewportPosition)
{
    // The card point under the anchor, in card pixels, before the zoom changes.
    const QPointF onView = viewportPosition - QPointF(view_->pos());
    const double before = view_->zoom() / 100.0;
    const QPointF card(onView.x() / before, onView.y() / before);
    view_->setZoom(percent);
    // A hidden view gets its resize event only when shown: the scroll bars need it now.
    if (!view_->isVisible()) {
        QResizeEvent resized(view_->size(), view_->size());
        QApplication::sendEvent(view_, &resized);
    }
    horizontalScrollBar()->setValue(CardZoom::anchoredScroll(card.x(), viewportPosition.x(), percent));
    verticalScrollBar()->setValue(CardZoom::anchoredScroll(card.y(), viewportPosition.y(), percent));
    if (choice != choice_) {
        choice_ = choice;
        Q_EMIT zoomChoiceChanged(choice_);
    }
}

void CardScrollArea::layOutNow()
{
    QResizeEvent resized(size(), size());
    QApplication::sendEvent(this, &resized);
}

void CardScrollArea::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    if (choice_ == CardZoom::Fit)
        view_->setZoom(fittingZoom());
}

void CardScrollArea::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        wheelRest_ += delta.y() != 0 ? delta.y() : delta.x();
        const int notches = wheelRest_ / WheelNotch;
        wheelRest_ -= notches * WheelNotch;
        int percent = view_->zoom();
        for (int n = 0; n < std::abs(notches); ++n)
            percent = notches > 0 ? CardZoom::stepIn(percent) : CardZoom::stepOut(percent);
        if (percent != view_->zoom())
            zoomAround(percent, event->position());
        event->accept();
        return;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        // Sideways: the same turn, as a plain turn of a sideways wheel.
        QWheelEvent sideways(event->position(), event->globalPosition(), event->pixelDelta().transposed(),
                             delta.transposed(), event->buttons(), Qt::NoModifier, event->phase(), event->inverted(),
                             event->source());
        QApplication::sendEvent(horizontalScrollBar(), &sideways);
        event->setAccepted(sideways.isAccepted());
        return;
    }
    QScrollArea::wheelEvent(event);
}
