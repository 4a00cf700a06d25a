#pragma once

#include "ControlWindow.h"

#include <QCursor>

// The cursor of a shape: the platform's own, or one loaded from the
// program's resources (":/cursors/...").
QCursor cursorFor(CursorShape shape);

// Loads the resource cursors once; raises "Cannot load cursor resource"
// when one is missing.
void loadCursors();
