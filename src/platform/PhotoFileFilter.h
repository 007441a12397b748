#pragma once
// The file-dialog filter of every dialog that opens a photo, in the
// "Description|*.a;*.b" form of the dialog seam.
#include <QString>

// As written in the source.
extern const char* const PhotoFileFilter;
// With its descriptions in the language of the interface.
QString photoFileFilter();
