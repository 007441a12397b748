#pragma once
// The photos of a photo layout as the user handles them on the card: the
// frames' outlines, picking the frame the next photo goes to, and moving and
// zooming a placed photo inside its frame while the outlines show.
class CardContext;
class QImage;
struct EditorState;

// A photo layout is current and the card changed only by photos since it was chosen.
bool frameOutlinesShow(const EditorState& state);
// The card view shows the current layout's frames, the current one
// highlighted, or none, as frameOutlinesShow says.
void showFrameOutlines(CardContext& context);

// Paints a decoded photo into the current frame; while the outlines show it
// keeps its source so that it can be adjusted. Inside the caller's change.
void placePhoto(CardContext& context, const QImage& decoded);

// Picks the frame under (x, y) as the current frame, by the overlap rule.
// False outside every frame or outside the photo layouts.
bool pickFrameAt(CardContext& context, double x, double y);

// The mouse on the card (card pixels). Each returns true when it used the
// event: a press on the card in a photo layout, a drag of a placed photo, the
// release that ends either (a click without a drag picks the frame).
bool photoMouseDown(CardContext& context, int button, double x, double y);
bool photoMouseMove(CardContext& context, int button, double x, double y);
bool photoMouseUp(CardContext& context, int button, double x, double y);
// A double click on a placed photo brings it back to 100%, centred.
bool photoDoubleClick(CardContext& context, int button, double x, double y);
// Zooms the placed photo under (x, y) by `steps` around that point; a series
// of steps without a pause of a second is one step of the history. False when
// no adjustable photo is there (the view then scrolls).
bool zoomPhotoAt(CardContext& context, int steps, double x, double y);
// + and − zoom the photo under the pointer's last place on the card.
bool zoomPhotoByKey(CardContext& context, int keyCode, int shift);
