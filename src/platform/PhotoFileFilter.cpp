#include "platform/PhotoFileFilter.h"

// The seam offers each pattern in both cases, and .jpeg beside .jpg; .jpe and
// .jfif are JPEG files too.
const char* const PhotoFileFilter =
    "Foto's (Jpg, Heic, Png, Webp, Avif, Tif, Bmp, Gif, Wmf)"
    "|*.jpg;*.jpe;*.jfif;*.heic;*.heif;*.png;*.webp;*.avif;*.tif;*.tiff;*.bmp;*.gif;*.wmf"
    "|Alle bestanden|*";
