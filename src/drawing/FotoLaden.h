#pragma once
// Photo import: a photo from disk stretched into a rectangle dragged on the card.
class CardContext;

// Asks for a photo and paints it into the rectangle from (x1, y1) to (x2, y2);
// a cancelled dialog or an unreadable file (reported in a message) leaves the
// card as it was.
void FotoLaden(CardContext& context, double x1, double y1, double x2, double y2);
