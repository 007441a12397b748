#pragma once
// Structural checks that Qt's decoders do not make: they fill a truncated JPEG
// or BMP with grey or black and report success. Each check walks the file's
// own framing without decoding pixels.
#include <QByteArray>
#include <QtGlobal>

namespace PictureFileChecks {

// Every segment fits in the file and the entropy-coded data is followed by the
// end-of-image marker.
bool jpegIsComplete(const QByteArray& data);

// The headers agree with each other and with the file length, and a
// run-length encoded bitmap stays inside its rows up to its end code.
bool bmpIsComplete(const QByteArray& data);

// The first image (with its colour tables and data blocks) is entirely present.
bool gifFirstFrameIsComplete(const QByteArray& data);

// What a JPEG's markers tell about the work and memory its decoding takes.
struct JpegLayout {
    int scans = 0;               // start-of-scan markers in the whole file
    bool progressive = false;
    // Bytes the decoder keeps for the coefficients of a progressive file (every
    // block of every component at 2 bytes a coefficient); 0 for a baseline file.
    qint64 coefficientBytes = 0;
};
JpegLayout jpegLayout(const QByteArray& data);

}
