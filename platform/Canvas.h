#pragma once

#include "BitSet.h"
#include "Fonts.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPolygon>
#include <QRect>
#include <QString>

// What a font measures on a device.
struct TextMetrics {
    int Height = 0;           // ascent + descent
    int Ascent = 0;
    int Descent = 0;
    int InternalLeading = 0;  // room for accents inside Height
    int ExternalLeading = 0;  // recommended room between lines
    int Overhang = 0;         // extra width of synthesized bold or italic
    int AveCharWidth = 0;
};

// The drawing surface of a custom-painted control. Colours are resolved by
// the caller; coordinates are device pixels.
class Canvas {
public:
    enum class PenStyle { Solid, Dot };
    // Which one-pixel edge a 3-D frame draws.
    enum class Edge { Raised, Sunken };
    // How DrawText lays text out in its rectangle.
    enum class TextFormat : unsigned {
        Left = 0x0000,
        Center = 0x0001,
        Right = 0x0002,
        VCenter = 0x0004,
        Bottom = 0x0008,
        WordBreak = 0x0010,
        EndEllipsis = 0x0020,
    };
    using TextFormats = BitSet<TextFormat>;

    virtual ~Canvas() = default;

    virtual void SetFont(const FontSpec& font, const QColor& colour) = 0;
    virtual TextMetrics FontMetrics() const = 0;
    virtual QSize TextExtent(const QString& text) const = 0;
    // The width a single-line text layout gives the text, overhangs of bold
    // and italic glyphs included.
    virtual int LaidOutTextWidth(const QString& text) const = 0;
    // The colour the device shows for a wanted one.
    virtual QColor NearestColour(const QColor& colour) const = 0;

    virtual void FillRect(const QRect& rect, const QColor& colour) = 0;
    // One line of text at (x, y), its top-left, clipped to rect; with a
    // background the rectangle is filled first (opaque output).
    virtual void TextRect(const QRect& rect, int x, int y, const QString& text, const QColor* background) = 0;
    // Text laid out in a rectangle with TextFormat flags.
    virtual void DrawText(const QRect& rect, const QString& text, TextFormats format) = 0;

    virtual void SetPen(const QColor& colour, int width, PenStyle style) = 0;
    // Each polyline from its first point to its last, both ends inked.
    virtual void PolyPolyline(const QList<QPolygon>& lines) = 0;
    // A dotted line drawn by inverting pixels; drawing it again removes it.
    virtual void XorDottedLine(const QPoint& from, const QPoint& to) = 0;
    // A one-pixel 3-D frame inside rect: light top-left and dark bottom-right
    // when raised, the other way when sunken.
    virtual void DrawEdge(const QRect& rect, Edge edge, const QColor& light, const QColor& dark) = 0;
    virtual void DrawFocusRect(const QRect& rect) = 0;
    virtual void DrawPixmap(const QPoint& at, const QPixmap& pixmap) = 0;

    // Narrows painting to a rectangle until the clip is restored.
    virtual void SetClipRect(const QRect& rect) = 0;
    virtual void RestoreClip() = 0;
};
