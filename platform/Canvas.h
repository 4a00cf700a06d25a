#pragma once

#include "Fonts.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPolygon>
#include <QRect>
#include <QString>

// The drawing surface of a custom-painted control. Colours are resolved by
// the caller; coordinates are device pixels.
class Canvas {
public:
    enum class PenStyle { Solid, Dot };
    virtual ~Canvas() = default;

    virtual void setFont(const FontSpec& font, const QColor& colour) = 0;
    virtual QSize textExtent(const QString& text) const = 0;
    // The colour the device shows for a wanted one.
    virtual QColor nearestColour(const QColor& colour) const = 0;

    virtual void fillRect(const QRect& rect, const QColor& colour) = 0;
    // One line of text at (x, y), its top-left, clipped to rect; with a
    // background the rectangle is filled first (opaque output).
    virtual void textRect(const QRect& rect, int x, int y, const QString& text, const QColor* background) = 0;

    virtual void setPen(const QColor& colour, int width, PenStyle style) = 0;
    // Each polyline from its first point to its last, both ends inked.
    virtual void polyPolyline(const QList<QPolygon>& lines) = 0;
    // A dotted line drawn by inverting pixels; drawing it again removes it.
    virtual void xorDottedLine(const QPoint& from, const QPoint& to) = 0;
    // A raised one-pixel 3-D frame inside rect: light top-left, dark bottom-right.
    virtual void drawEdge(const QRect& rect, const QColor& light, const QColor& dark) = 0;
    virtual void drawFocusRect(const QRect& rect) = 0;
    virtual void drawPixmap(const QPoint& at, const QPixmap& pixmap) = 0;

    // Narrows painting to a rectangle until the clip is restored.
    virtual void setClipRect(const QRect& rect) = 0;
    virtual void restoreClip() = 0;
};
