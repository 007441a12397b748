#pragma once
// A line of text on the card: its words, font, size, styles, colours,
// outline, direction and place.
#include "editor/CardOperation.h"
#include "editor/OperationParameters.h"
#include "editor/TextPrinting.h"

#include <QPoint>
#include <QRect>

class TextOperation : public CardOperation {
public:
    // `at`: the text's top-left corner, or for a vertical text its reference point.
    TextOperation(QString text, TextFont font, TextInk ink, bool vertical, QPoint at);

    OperationKind kind() const override { return OperationKind::Text; }
    QString name() const override;
    void draw(CardSurface& card, const ProgressDisplays& progress) const override;
    QJsonObject parameters(PhotoList& photos) const override;
    static Operation read(ParameterReader& parameters);

    const QString& text() const { return text_; }
    const TextFont& font() const { return font_; }
    const TextInk& ink() const { return ink_; }
    bool vertical() const { return vertical_; }
    QPoint at() const { return at_; }
    // The rectangle of its glyphs on the card (card pixels), with the outline when it has one.
    QRect area() const;
    // The same text with other words, font, colours or direction, or at another place.
    Operation changed(QString text, TextFont font, TextInk ink, bool vertical) const;
    Operation movedBy(QPoint distance) const;

private:
    QString text_;
    TextFont font_;
    TextInk ink_;
    bool vertical_;
    QPoint at_;
};
