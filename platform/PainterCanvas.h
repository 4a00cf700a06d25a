#pragma once

#include "Canvas.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>

// The canvas over a QPainter: a widget's paint event or an image.
class PainterCanvas : public Canvas {
public:
    explicit PainterCanvas(QPainter& painter) : painter_(painter) {}

    void SetFont(const FontSpec& font, const QColor& colour) override;
    TextMetrics FontMetrics() const override;
    QSize TextExtent(const QString& text) const override;
    int LaidOutTextWidth(const QString& text) const override;
    // True colour shows every colour; 16 bits keep 5, 6 and 5 bits of red,
    // green and blue; fewer bits take the nearest of a 6 × 6 × 6 cube.
    QColor NearestColour(const QColor& colour) const override;
    void FillRect(const QRect& rect, const QColor& colour) override;
    void TextRect(const QRect& rect, int x, int y, const QString& text, const QColor* background) override;
    void DrawText(const QRect& rect, const QString& text, TextFormats format) override;
    void SetPen(const QColor& colour, int width, Canvas::PenStyle style) override;
    void PolyPolyline(const QList<QPolygon>& lines) override;
    void XorDottedLine(const QPoint& from, const QPoint& to) override;
    void DrawEdge(const QRect& rect, Canvas::Edge edge, const QColor& light, const QColor& dark) override;
    void DrawFocusRect(const QRect& rect) override;
    void DrawPixmap(const QPoint& at, const QPixmap& pixmap) override;
    void SetClipRect(const QRect& rect) override;
    void RestoreClip() override;

private:
    QPainter& painter_;
    QColor textColour_ = Qt::black;
    mutable QString measuredText_;
    mutable QFont measuredFont_;
    mutable int measuredWidth_ = 0;
    int clipDepth_ = 0;
};

// A canvas that draws on an image of its own: for measuring text where no
// window is at hand, and for pixel tests.
class ImageCanvas : public PainterCanvas {
public:
    explicit ImageCanvas(QSize size = QSize(1, 1), QImage::Format format = QImage::Format_RGB32);
    const QImage& Image() const { return image_->Image; }

private:
    // The image and its painter exist before the canvas that paints through them.
    struct Surface {
        Surface(QSize size, QImage::Format format) : Image(size, format), Painter(&Image) {}
        QImage Image;
        QPainter Painter;
    };
    explicit ImageCanvas(std::unique_ptr<Surface> surface);
    std::unique_ptr<Surface> image_;
};
