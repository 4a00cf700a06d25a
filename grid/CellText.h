#pragma once

#include "GridColumn.h"

#include "platform/Canvas.h"

#include <QColor>
#include <QRect>
#include <QString>

// How a cell's text is written into its rectangle.
struct CellTextLayout {
    bool fill = true;  // the rectangle is filled with the brush first
    int dx = 2;        // offsets from the rectangle's left and top
    int dy = 2;
    TextAlignment alignment = TextAlignment::Left;
};

// Writes a cell's text in a font and colour on a brush, one line clipped to
// the rectangle. A brush the device cannot show exactly is drawn through an
// off-screen image.
void writeCellText(Canvas& canvas, const QRect& rect, const CellTextLayout& layout, const GridFont& font,
                   const QColor& textColour, const QColor& brush, const QString& text);
