#pragma once

#include "GridColumn.h"

#include "platform/Canvas.h"

#include <QColor>
#include <QRect>
#include <QString>

// How a cell's text is written into its rectangle.
struct CellTextLayout {
    int dx = 2;  // offsets from the rectangle's left and top
    int dy = 2;
    TextAlignment alignment = TextAlignment::Left;
};

// Fills a cell with a brush and writes its text in a font and colour, one line clipped to
// the rectangle. A brush the device cannot show exactly is drawn through an
// off-screen image.
void writeCellText(Canvas& canvas, const QRect& rect, const CellTextLayout& layout, const GridFont& font,
                   const QColor& textColour, const QColor& brush, const QString& text);
