#include "PainterCanvas.h"

#include <QFontMetrics>

void PainterCanvas::setFont(const FontSpec& font, const QColor& colour)
{
    painter_.setFont(resolveFont(font));
    textColour_ = colour;
}

QSize PainterCanvas::textExtent(const QString& text) const
{
    const QFontMetrics m(painter_.font());
    // Text is usually measured right before it is written: the width is kept for that.
    if (text != measuredText_ || painter_.font() != measuredFont_) {
        measuredText_ = text;
        measuredFont_ = painter_.font();
        measuredWidth_ = m.horizontalAdvance(text);
    }
    return QSize(measuredWidth_, m.ascent() + m.descent());
}

QColor PainterCanvas::nearestColour(const QColor& colour) const
{
    const int depth = painter_.device() ? painter_.device()->depth() : 32;
    if (depth >= 24)
        return colour;
    // Keeps the top bits of a channel, repeated into the low ones as the device reads them back.
    const auto keep = [](int value, int bits) {
        const int kept = value >> (8 - bits);
        return (kept << (8 - bits)) | (kept >> (2 * bits - 8));
    };
    if (depth >= 15)
        return QColor(keep(colour.red(), 5), keep(colour.green(), 6), keep(colour.blue(), 5));
    const auto cube = [](int value) { return (value + 25) / 51 * 51; };
    return QColor(cube(colour.red()), cube(colour.green()), cube(colour.blue()));
}

void PainterCanvas::fillRect(const QRect& rect, const QColor& colour)
{
    painter_.fillRect(rect, colour);
}

void PainterCanvas::textRect(const QRect& rect, int x, int y, const QString& text, const QColor* background)
{
    if (background)
        painter_.fillRect(rect, *background);
    painter_.setPen(textColour_);
    const QFontMetrics metrics(painter_.font());
    const QPoint baseline(x, y + metrics.ascent());
    // Clipping costs: only text that reaches out of the rectangle is clipped.
    if (rect.contains(QRect(QPoint(x, y), textExtent(text)))) {
        painter_.drawText(baseline, text);
        return;
    }
    painter_.save();
    painter_.setClipRect(rect, Qt::IntersectClip);
    painter_.drawText(baseline, text);
    painter_.restore();
}

void PainterCanvas::setPen(const QColor& colour, int width, Canvas::PenStyle style)
{
    QPen pen(colour, width, style == Canvas::PenStyle::Dot ? Qt::DotLine : Qt::SolidLine, Qt::SquareCap);
    pen.setCosmetic(true);
    painter_.setPen(pen);
}

void PainterCanvas::polyPolyline(const QList<QPolygon>& lines)
{
    for (const QPolygon& line : lines) {
        if (line.size() == 1)
            painter_.drawPoint(line.first());
        else
            painter_.drawPolyline(line);
    }
}

void PainterCanvas::xorDottedLine(const QPoint& from, const QPoint& to)
{
    painter_.save();
    painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen pen(Qt::white, 1, Qt::DotLine);
    pen.setCosmetic(true);
    painter_.setPen(pen);
    painter_.drawLine(from, to);
    painter_.restore();
}

void PainterCanvas::drawEdge(const QRect& rect, const QColor& light, const QColor& dark)
{
    painter_.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), light);
    painter_.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), light);
    painter_.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), dark);
    painter_.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), dark);
}

void PainterCanvas::drawFocusRect(const QRect& rect)
{
    // Every other pixel of the border, inverted.
    painter_.save();
    painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (int x = rect.left(); x <= rect.right(); x += 2) {
        painter_.fillRect(QRect(x, rect.top(), 1, 1), Qt::white);
        painter_.fillRect(QRect(x, rect.bottom(), 1, 1), Qt::white);
    }
    for (int y = rect.top() + 2; y < rect.bottom(); y += 2) {
        painter_.fillRect(QRect(rect.left(), y, 1, 1), Qt::white);
        painter_.fillRect(QRect(rect.right(), y, 1, 1), Qt::white);
    }
    painter_.restore();
}

void PainterCanvas::drawPixmap(const QPoint& at, const QPixmap& pixmap)
{
    painter_.drawPixmap(at, pixmap);
}

void PainterCanvas::setClipRect(const QRect& rect)
{
    painter_.save();
    ++clipDepth_;
    painter_.setClipRect(rect, Qt::IntersectClip);
}

void PainterCanvas::restoreClip()
{
    if (clipDepth_ == 0)
        return;
    --clipDepth_;
    painter_.restore();
}

ImageCanvas::ImageCanvas(QSize size, QImage::Format format) : ImageCanvas(std::make_unique<Surface>(size, format)) {}

ImageCanvas::ImageCanvas(std::unique_ptr<Surface> surface) : PainterCanvas(surface->painter), image_(std::move(surface)) {}
