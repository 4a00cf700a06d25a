#pragma once

#include "platform/Canvas.h"

#include <QList>
#include <QStringList>

// A canvas for tests: fixed metrics (a font of height h measures |h| pixels
// high; a character is |h| / 2 wide, or |h| wide beyond ASCII) and a log of
// every drawing call as a line of text.
class RecordingCanvas : public Canvas {
public:
    QStringList Calls;

    void SetFont(const FontSpec& font, const QColor& colour) override
    {
        font_ = font;
        Calls.append(QStringLiteral("font %1 %2 %3").arg(font.Name).arg(font.Height).arg(colour.name()));
    }
    TextMetrics FontMetrics() const override
    {
        const int h = qAbs(font_.Height);
        return {h, h - h / 5, h / 5, 0, 0, 0, h / 2};
    }
    QSize TextExtent(const QString& text) const override
    {
        const int h = qAbs(font_.Height);
        int width = 0;
        for (QChar ch : text)
            width += ch.unicode() < 128 ? h / 2 : h;
        return QSize(width, h);
    }
    // Bold and italic glyphs overhang by one pixel.
    int LaidOutTextWidth(const QString& text) const override
    {
        return TextExtent(text).width() + (font_.Bold || font_.Italic ? 1 : 0);
    }
    // Every colour shows as it is, but for those listed as not displayable.
    QColor NearestColour(const QColor& c) const override { return Undisplayable.contains(c.rgb()) ? QColor(Qt::black) : c; }
    QList<QRgb> Undisplayable;
    void FillRect(const QRect& r, const QColor& c) override { Calls.append(QStringLiteral("fill %1 %2").arg(Rect(r), c.name())); }
    void TextRect(const QRect& r, int x, int y, const QString& text, const QColor* background) override
    {
        Calls.append(QStringLiteral("text %1 at %2,%3 \"%4\"%5")
                         .arg(Rect(r)).arg(x).arg(y).arg(text, background ? QStringLiteral(" on ") + background->name() : QString()));
    }
    void DrawText(const QRect& r, const QString& text, TextFormats format) override
    {
        Calls.append(QStringLiteral("drawtext %1 \"%2\" %3").arg(Rect(r), text).arg(format.Value()));
    }
    void SetPen(const QColor& c, int width, Canvas::PenStyle style) override
    {
        Calls.append(QStringLiteral("pen %1 %2%3").arg(c.name()).arg(width).arg(style == Canvas::PenStyle::Dot ? QStringLiteral(" dot") : QString()));
    }
    void PolyPolyline(const QList<QPolygon>& lines) override
    {
        QStringList parts;
        for (const QPolygon& line : lines) {
            QStringList points;
            for (const QPoint& p : line)
                points.append(QStringLiteral("%1,%2").arg(p.x()).arg(p.y()));
            parts.append(points.join(u'-'));
        }
        Calls.append(QStringLiteral("lines ") + parts.join(u' '));
    }
    void XorDottedLine(const QPoint& a, const QPoint& b) override
    {
        Calls.append(QStringLiteral("xor %1,%2-%3,%4").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y()));
    }
    void DrawEdge(const QRect& r, Canvas::Edge edge, const QColor&, const QColor&) override
    {
        Calls.append(QStringLiteral("edge %1 %2").arg(Rect(r), edge == Canvas::Edge::Raised ? QStringLiteral("raised") : QStringLiteral("sunken")));
    }
    void DrawFocusRect(const QRect& r) override { Calls.append(QStringLiteral("focus ") + Rect(r)); }
    void DrawPixmap(const QPoint& at, const QPixmap& p) override
    {
        Calls.append(QStringLiteral("pixmap %1,%2 %3x%4").arg(at.x()).arg(at.y()).arg(p.width()).arg(p.height()));
    }
    void SetClipRect(const QRect& r) override { Calls.append(QStringLiteral("clip ") + Rect(r)); }
    void RestoreClip() override { Calls.append(QStringLiteral("unclip")); }

private:
    static QString Rect(const QRect& r)
    {
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    FontSpec font_;
};
