#include "CellText.h"

#include "GridStyle.h"

#include "platform/Colours.h"
#include "platform/PainterCanvas.h"

using namespace Qt::StringLiterals;

namespace {

// numerator / denominator, both at least 0, rounded to the nearest; halves to even.
int RoundedHalfEven(int numerator, int denominator)
{
    const int quotient = numerator / denominator;
    const int twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 == 1))
        return quotient + 1;
    return quotient;
}

int TextWidth(const Canvas& canvas, const GridFont& font, TextAlignment alignment, const QString& text)
{
    // Bold and italic glyphs may overhang their advance: right and centred text is measured as laid out.
    if (alignment != TextAlignment::Left && (font.Face.Bold || font.Face.Italic))
        return canvas.LaidOutTextWidth(text);
    return canvas.TextExtent(text).width();
}

void WriteDirectly(Canvas& canvas, const QRect& rect, const CellTextLayout& layout, const GridFont& font,
                   const QColor& textColour, const QColor& brush, const QString& text)
{
    canvas.SetFont(font.Face, textColour);
    if (layout.WordWrap) {
        if (layout.Fill)
            canvas.FillRect(rect, brush);
        Canvas::TextFormats format = Canvas::TextFormat::WordBreak;
        if (layout.Alignment == TextAlignment::Center)
            format.Set(Canvas::TextFormat::Center, true);
        if (layout.Alignment == TextAlignment::Right)
            format.Set(Canvas::TextFormat::Right, true);
        if (layout.Vertical == TextLayout::Center)
            format.Set(Canvas::TextFormat::VCenter, true);
        if (layout.Vertical == TextLayout::Bottom)
            format.Set(Canvas::TextFormat::Bottom, true);
        canvas.DrawText(rect.adjusted(layout.Dx, layout.Dy, 0, 0), text, format);
        return;
    }
    const QString shown = layout.EndEllipsis ? ElidedCellText(canvas, text, rect.width() - layout.Dx) : text;
    const int width = TextWidth(canvas, font, layout.Alignment, shown);
    const int height = canvas.TextExtent(shown).height();
    // Rectangles end past their last pixel here, as the alignment rules count.
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    int x = rect.left() + layout.Dx;
    if (layout.Alignment == TextAlignment::Right)
        x = right - width - 3;
    else if (layout.Alignment == TextAlignment::Center)
        x = rect.isEmpty() ? 0 : rect.left() + rect.width() / 2 - width / 2;
    int y = rect.top() + layout.Dy;
    if (layout.Vertical == TextLayout::Center && height < rect.height() - layout.Dy)
        y = (rect.top() + bottom - height) / 2;
    else if (layout.Vertical == TextLayout::Bottom)
        y = bottom - height;
    canvas.TextRect(rect, x, y, shown, layout.Fill ? &brush : nullptr);
}

} // namespace

QString ElidedCellText(const Canvas& canvas, const QString& text, int width)
{
    QString shown = text;
    for (int i = 1; canvas.TextExtent(shown).width() > width && i <= text.size(); ++i)
        shown = text.left(qMax(0, int(text.size()) - i - 1)) + u"..."_s;
    return shown;
}

void WriteCellText(Canvas& canvas, const QRect& rect, const CellTextLayout& layout, const GridFont& font,
                   const QColor& textColour, const QColor& brush, const QString& text)
{
    if (canvas.NearestColour(brush) == brush || rect.isEmpty()) {
        WriteDirectly(canvas, rect, layout, font, textColour, brush, text);
        return;
    }
    // The brush is written into an image of its own, which then goes to the cell whole.
    ImageCanvas& bitmap = GridStyle::Instance().TextBitmap(rect.size());
    const QRect local(QPoint(0, 0), rect.size());
    bitmap.FillRect(local, brush);
    WriteDirectly(bitmap, local, layout, font, textColour, brush, text);
    canvas.DrawPixmap(rect.topLeft(), QPixmap::fromImage(bitmap.Image().copy(local)));
}

QColor BlendedHighlight(const QColor& background, const QColor& highlight, bool raiseContrast)
{
    // c = a + (g - a) / 2; c += (225 - c) × 0.6; raised: c -= (122 - c) / 4.
    // In whole numbers: (a + g + 675) / 5, raised (a + g + 553) / 4.
    const auto channel = [raiseContrast](int a, int g) {
        const int value = raiseContrast ? RoundedHalfEven(a + g + 553, 4) : RoundedHalfEven(a + g + 675, 5);
        return qBound(0, value, 255);
    };
    return QColor(channel(background.red(), highlight.red()), channel(background.green(), highlight.green()),
                  channel(background.blue(), highlight.blue()));
}
