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

    void setFont(const FontSpec& font, const QColor& colour) override;
    QSize textExtent(const QString& text) const override;
    // True colour shows every colour; 16 bits keep 5, 6 and 5 bits of red,
    // green and blue; fewer bits take the nearest of a 6 × 6 × 6 cube.
    QColor nearestColour(const QColor& colour) const override;
    void fillRect(const QRect& rect, const QColor& colour) override;
    void textRect(const QRect& rect, int x, int y, const QString& text, const QColor* background) override;
    void setPen(const QColor& colour, int width, Canvas::PenStyle style) override;
    void polyPolyline(const QList<QPolygon>& lines) override;
    void xorDottedLine(const QPoint& from, const QPoint& to) override;
    void drawEdge(const QRect& rect, const QColor& light, const QColor& dark) override;
    void drawFocusRect(const QRect& rect) override;
    void drawPixmap(const QPoint& at, const QPixmap& pixmap) override;
    void setClipRect(const QRect& rect) override;
    void restoreClip() override;

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
    const QImage& image() const { return image_->image; }

private:
    // The image and its painter exist before the canvas that paints through them.
    struct Surface {
        Surface(QSize size, QImage::Format format) : image(size, format), painter(&image) {}
        QImage image;
        QPainter painter;
    };
    explicit ImageCanvas(std::unique_ptr<Surface> surface);
    std::unique_ptr<Surface> image_;
};
