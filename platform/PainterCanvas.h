#pragma once

#include "Canvas.h"

#include <QFont>
#include <QPainter>

// The canvas over a QPainter: a widget's paint event or an image.
class PainterCanvas : public TCanvas {
public:
    explicit PainterCanvas(QPainter& painter) : painter_(painter) {}

    void SetFont(const TFontSpec& font, const QColor& colour) override;
    TFontMetricsEh FontMetrics() const override;
    QSize TextExtent(const QString& text) const override;
    void FillRect(const QRect& rect, const QColor& colour) override;
    void TextRect(const QRect& rect, int x, int y, const QString& text, const QColor* background) override;
    void DrawText(const QRect& rect, const QString& text, int format) override;
    void SetPen(const QColor& colour, int width, TPenStyleEh style) override;
    void PolyPolyline(const QList<QPolygon>& lines) override;
    void XorDottedLine(const QPoint& from, const QPoint& to) override;
    void DrawEdge(const QRect& rect, TEdgeEh edge, const QColor& light, const QColor& dark) override;
    void DrawFocusRect(const QRect& rect) override;
    void DrawPixmap(const QPoint& at, const QPixmap& pixmap) override;
    void SetClipRect(const QRect& rect) override;
    void RestoreClip() override;

private:
    QPainter& painter_;
    QColor textColour_ = Qt::black;
    int clipDepth_ = 0;
};
