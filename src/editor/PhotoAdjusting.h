#pragma once
// The photos of a photo layout as the user handles them on the card: the
// frames' outlines, picking the frame the next photo goes to, and moving and
// zooming a placed photo inside its frame, at any time while the layout it
// was placed in is current. The photo is drawn again and every later
// operation is replayed over it.
#include <memory>

class CardContext;
class PhotoSource;
struct EditorState;

// A photo layout is current.
bool frameOutlinesShow(const EditorState& state);
// The card view shows the current layout's frames, the current one
// highlighted, or none, as frameOutlinesShow says.
void showFrameOutlines(CardContext& context);

// Puts a photo into the current frame: a new operation of the card.
void placePhoto(CardContext& context, std::shared_ptr<const PhotoSource> source);

// The message of the help line for a photo that a later flip, mirror, tilt
// or address side keeps from being adjusted.
extern const char* const PhotoFixedMessage;

// Picks the frame under (x, y) as the current frame, by the overlap rule.
// False outside every frame or outside the photo layouts.
bool pickFrameAt(CardContext& context, double x, double y);

// The mouse on the card (card pixels). Each returns true when it used the
// event: a press on the card in a photo layout, a drag of a placed photo, the
// release that ends either (a click without a drag picks the frame).
bool photoMouseDown(CardContext& context, int button, double x, double y);
bool photoMouseMove(CardContext& context, int button, double x, double y);
bool photoMouseUp(CardContext& context, int button, double x, double y);
// Ends a photo drag still under way (the window goes, the card is reset):
// the card is drawn on both copies again.
void endPhotoDrag(CardContext& context);
// A double click on a placed photo brings it back to 100%, centred.
bool photoDoubleClick(CardContext& context, int button, double x, double y);
// Zooms the placed photo under (x, y) by `steps` around that point; a series
// of steps without a pause of a second is one step of the history. False when
// no adjustable photo is there (the view then scrolls).
bool zoomPhotoAt(CardContext& context, int steps, double x, double y);
// + and − zoom the photo under the pointer's last place on the card.
bool zoomPhotoByKey(CardContext& context, int keyCode, int shift);
