#pragma once

#include "platform/Canvas.h"

#include <QList>
#include <QStringList>

// A canvas for tests: fixed metrics (a font of height h measures |h| pixels
// high; a character is |h| / 2 wide, or |h| wide beyond ASCII) and a log of
// every drawing call as a line of text.
class RecordingCanvas : public Canvas {
public:
    QStringList calls;

    void setFont(const FontSpec& font, const QColor& colour) override
    {
        font_ = font;
        calls.append(QStringLiteral("font %1 %2 %3").arg(font.name).arg(font.height).arg(colour.name()));
    }
    QSize textExtent(const QString& text) const override
    {
        const int h = qAbs(font_.height);
        int width = 0;
        for (QChar ch : text)
            width += ch.unicode() < 128 ? h / 2 : h;
        return QSize(width, h);
    }
    // Every colour shows as it is, but for those listed as not displayable.
    QColor nearestColour(const QColor& c) const override { return undisplayable.contains(c.rgb()) ? QColor(Qt::black) : c; }
    QList<QRgb> undisplayable;
    void fillRect(const QRect& r, const QColor& c) override { calls.append(QStringLiteral("fill %1 %2").arg(rect(r), c.name())); }
    void textRect(const QRect& r, int x, int y, const QString& text, const QColor* background) override
    {
        calls.append(QStringLiteral("text %1 at %2,%3 \"%4\"%5")
                         .arg(rect(r)).arg(x).arg(y).arg(text, background ? QStringLiteral(" on ") + background->name() : QString()));
    }
    void setPen(const QColor& c, int width, Canvas::PenStyle style) override
    {
        calls.append(QStringLiteral("pen %1 %2%3").arg(c.name()).arg(width).arg(style == Canvas::PenStyle::Dot ? QStringLiteral(" dot") : QString()));
    }
    void polyPolyline(const QList<QPolygon>& lines) override
    {
        QStringList parts;
        for (const QPolygon& line : lines) {
            QStringList points;
            for (const QPoint& p : line)
                points.append(QStringLiteral("%1,%2").arg(p.x()).arg(p.y()));
            parts.append(points.join(u'-'));
        }
        calls.append(QStringLiteral("lines ") + parts.join(u' '));
    }
    void xorDottedLine(const QPoint& a, const QPoint& b) override
    {
        calls.append(QStringLiteral("xor %1,%2-%3,%4").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y()));
    }
    void drawEdge(const QRect& r, const QColor&, const QColor&) override { calls.append(QStringLiteral("edge %1 raised").arg(rect(r))); }
    void drawFocusRect(const QRect& r) override { calls.append(QStringLiteral("focus ") + rect(r)); }
    void drawPixmap(const QPoint& at, const QPixmap& p) override
    {
        calls.append(QStringLiteral("pixmap %1,%2 %3x%4").arg(at.x()).arg(at.y()).arg(p.width()).arg(p.height()));
    }
    void setClipRect(const QRect& r) override { calls.append(QStringLiteral("clip ") + rect(r)); }
    void restoreClip() override { calls.append(QStringLiteral("unclip")); }

private:
    static QString rect(const QRect& r)
    {
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    FontSpec font_;
};
