#include "editor/TextPlacer.h"

#include "app/Main.h"
#include "editor/TextOnCard.h"
#include "platform/ClickableLabel.h"
#include "platform/Rounding.h"

#include <QCheckBox>
#include <QLabel>

namespace {
constexpr int PreviewGap = 5;
constexpr int QuarterTurn = 900; // tenths of a degree
constexpr int VerticalTextGap = 2;
}

QPointF previewTopLeft(double x, double y, QSizeF size)
{
    return QPointF(x - size.width() - PreviewGap, y - size.height() - PreviewGap);
}

void movePreview(Main& main, double x, double y)
{
    const QPointF place = previewTopLeft(x, y, main.Label12->size());
    main.Label12->move(int(roundHalfEven(place.x())), int(roundHalfEven(place.y())));
}

void placeTextAt(Main& main, double x, double y)
{
    const std::optional<TextFont> font = chosenTextFont(main);
    if (!font)
        return;
    CardHistory::Change change(main.history);
    const QString text = main.Text1->text();
    const TextInk ink = chosenTextInk(main);
    if (main.CheckVer->isChecked()) {
        MaakTekstVertikaal(main.card, text, *font, QuarterTurn, int(roundHalfEven(x - VerticalTextGap)),
                           int(roundHalfEven(y - VerticalTextGap)), ink);
        return;
    }
    // Where the preview stands, so the text lands exactly there.
    const QPointF place = previewTopLeft(x, y, main.Label12->size());
    MaakTekst(main.card, *font, ink, double(roundHalfEven(place.x())), double(roundHalfEven(place.y())), text);
}
