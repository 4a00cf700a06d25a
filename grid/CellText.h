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
    TextLayout vertical = TextLayout::Top;
    bool endEllipsis = false;
    bool wordWrap = false;
};

// Writes a cell's text in a font and colour on a brush: one line clipped to
// the rectangle (with "..." when it is too wide and EndEllipsis asks), or a
// word-wrapped block. A brush the device cannot show exactly is drawn
// through an off-screen image.
void writeCellText(Canvas& canvas, const QRect& rect, const CellTextLayout& layout, const GridFont& font,
                   const QColor& textColour, const QColor& brush, const QString& text);

// The text shortened for a width: the i-th attempt keeps the first
// length - i - 1 characters and adds "...", until it fits or none are left.
QString elidedCellText(const Canvas& canvas, const QString& text, int width);

// A selected cell's colour: its background blended half with the highlight,
// then lightened towards 225; with raised contrast pushed away from 122.
// Each channel is rounded to the nearest, halves to even.
QColor blendedHighlight(const QColor& background, const QColor& highlight, bool raiseContrast);
