#pragma once
// The small picture of the turn question: how the printed sheets go back into
// the paper tray for their backs.
#include <QImage>

// The sheet as it came out with the fronts, and as it goes back into the tray:
// turned over, printed side the other way up; a portrait page (turned over its
// long edge) goes in with the same edge first, a landscape one (over its short
// edge) with the opposite edge first.
QImage turnSheetsPicture(bool landscape);
