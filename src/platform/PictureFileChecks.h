#pragma once
// Structural checks that Qt's decoders do not make: they fill a truncated JPEG
// or BMP with grey or black and report success. Each check walks the file's
// own framing without decoding pixels.
#include <QByteArray>

namespace PictureFileChecks {

// Every segment fits in the file and the entropy-coded data is followed by the
// end-of-image marker.
bool jpegIsComplete(const QByteArray& data);

// The headers agree with each other and with the file length, and a
// run-length encoded bitmap stays inside its rows up to its end code.
bool bmpIsComplete(const QByteArray& data);

// The first image (with its colour tables and data blocks) is entirely present.
bool gifFirstFrameIsComplete(const QByteArray& data);

}
