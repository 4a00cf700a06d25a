#pragma once

#include <QColor>
#include <QString>

// A layout's colour: a system colour by name ("clBtnFace", "clWindow",
// "clWindowText", "clInactiveBorder", "clHighlight", "clHighlightText"), a
// named colour ("clBlue") or "#rrggbb". System colours come from the
// application palette where it has the role, else from a fixed table.
QColor ResolveColour(const QString& name);

// The bits per pixel of the primary screen; 32 without one.
int DisplayBitsPerPixel();
