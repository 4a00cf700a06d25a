#pragma once

#include <QWidget>

enum class Anchor { Left = 1, Top = 2, Right = 4, Bottom = 8 };

// Keeps a child's distances to the sides it is anchored to when its parent
// changes size: anchored to both sides of an axis it stretches, to the far
// side only it moves.
void setAnchors(QWidget* child, int anchors);

// Takes the distances as they are now, for every anchored control of a
// window; a window calls it once it stands at its stored size.
void fixAnchorDistances(QWidget* window);
