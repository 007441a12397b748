#include "editor/TextPlacer.h"

#include "editor/CardContext.h"
#include "editor/CardHistory.h"
#include "editor/EditorState.h"
#include "editor/TextOnCard.h"
#include "platform/Rounding.h"

#include <QPoint>

namespace {
constexpr int PreviewGap = 5;
constexpr int QuarterTurn = 900; // tenths of a degree
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
    CardHistory::Change change(context.history());
    const EditorState::TextChoice& choice = context.state().textChoice;
    const QString text = choice.text;
    const TextInk ink = chosenTextInk(context);
    if (choice.vertical) {
        MaakTekstVertikaal(context.card(), text, *font, QuarterTurn, int(roundHalfEven(x - VerticalTextGap)),
                           int(roundHalfEven(y - VerticalTextGap)), ink);
        return;
    }
    // Where the preview stands, so the text lands exactly there.
    const QPointF place = previewTopLeft(x, y, context.overlays().textPreviewSize());
    MaakTekst(context.card(), *font, ink, double(roundHalfEven(place.x())), double(roundHalfEven(place.y())), text);
}
