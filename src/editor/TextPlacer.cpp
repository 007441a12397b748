#include "editor/TextPlacer.h"

#include "editor/CardContext.h"
#include "editor/CardEditing.h"
#include "editor/EditorState.h"
#include "editor/TextOnCard.h"
#include "editor/TextOperation.h"
#include "platform/Rounding.h"

#include <QPoint>

namespace {
constexpr int PreviewGap = 5;
constexpr int VerticalTextGap = 2;
}

QPointF previewTopLeft(double x, double y, QSizeF size)
{
    return QPointF(x - size.width() - PreviewGap, y - size.height() - PreviewGap);
}

void movePreview(CardContext& context, double x, double y)
{
    CardOverlays& overlays = context.overlays();
    const QPointF place = previewTopLeft(x, y, overlays.textPreviewSize());
    overlays.moveTextPreview(QPoint(int(roundHalfEven(place.x())), int(roundHalfEven(place.y()))));
}

void placeTextAt(CardContext& context, double x, double y)
{
    const std::optional<TextFont> font = chosenTextFont(context);
    if (!font)
        return;
    const EditorState::TextChoice& choice = context.state().textChoice;
    // A vertical text turns around a point just above and left of the pointer;
    // a horizontal one lands where the preview stands.
    const QPointF place = choice.vertical ? QPointF(x - VerticalTextGap, y - VerticalTextGap)
                                          : previewTopLeft(x, y, context.overlays().textPreviewSize());
    const QPoint at(int(roundHalfEven(place.x())), int(roundHalfEven(place.y())));
    addOperation(context, std::make_shared<TextOperation>(choice.text, *font, chosenTextInk(context), choice.vertical, at));
}
