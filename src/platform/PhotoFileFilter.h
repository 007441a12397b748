#pragma once
// The file-dialog filter of every dialog that opens a photo, in the
// "Description|*.a;*.b" form of the dialog seam.
extern const char* const PhotoFileFilter;
