#pragma once

#include <QWidget>

enum class TAnchor { Left = 1, Top = 2, Right = 4, Bottom = 8 };

// Keeps a child's distances to the sides it is anchored to when its parent
// changes size: anchored to both sides of an axis it stretches, to the far
// side only it moves. The distances are those at the parent's first size.
void SetAnchors(QWidget* child, int anchors);
