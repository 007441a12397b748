#pragma once
// The small pictures of the list of steps, one per kind of operation.
#include "editor/CardOperation.h"

#include <QIcon>

// 16 x 16 logical pixels, drawn sharp at device pixel ratios 1, 2 and 3.
QIcon stepIcon(OperationKind kind);
