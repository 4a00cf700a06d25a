#include "CellText.h"

#include "GridStyle.h"

#include "platform/Colours.h"
#include "platform/PainterCanvas.h"

using namespace Qt::StringLiterals;

namespace {

// numerator / denominator, both at least 0, rounded to the nearest; halves to even.
int roundedHalfEven(int numerator, int denominator)
{
    const int quotient = numerator / denominator;
    const int twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 == 1))
        return quotient + 1;
    return quotient;
}

int textWidth(const Canvas& canvas, const GridFont& font, TextAlignment alignment, const QString& text)
{
    // Bold and italic glyphs may overhang their advance: right and centred text is measured as laid out.
    if (alignment != TextAlignment::Left && (font.face.bold || font.face.italic))
        return canvas.laidOutTextWidth(text);
    return canvas.textExtent(text).width();
}

void writeDirectly(Canvas& canvas, const QRect& rect, const CellTextLayout& layout, const GridFont& font,
                   const QColor& textColour, const QColor& brush, const QString& text)
{
    canvas.setFont(font.face, textColour);
    if (layout.wordWrap) {
        if (layout.fill)
            canvas.fillRect(rect, brush);
        Canvas::TextFormats format = Canvas::TextFormat::WordBreak;
        if (layout.alignment == TextAlignment::Center)
            format.set(Canvas::TextFormat::Center, true);
        if (layout.alignment == TextAlignment::Right)
            format.set(Canvas::TextFormat::Right, true);
        if (layout.vertical == TextLayout::Center)
            format.set(Canvas::TextFormat::VCenter, true);
        if (layout.vertical == TextLayout::Bottom)
            format.set(Canvas::TextFormat::Bottom, true);
        canvas.drawText(rect.adjusted(layout.dx, layout.dy, 0, 0), text, format);
        return;
    }
    const QString shown = layout.endEllipsis ? elidedCellText(canvas, text, rect.width() - layout.dx) : text;
    const int width = textWidth(canvas, font, layout.alignment, shown);
    const int height = canvas.textExtent(shown).height();
    // Rectangles end past their last pixel here, as the alignment rules count.
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    int x = rect.left() + layout.dx;
    if (layout.alignment == TextAlignment::Right)
        x = right - width - 3;
    else if (layout.alignment == TextAlignment::Center)
        x = rect.isEmpty() ? 0 : rect.left() + rect.width() / 2 - width / 2;
    int y = rect.top() + layout.dy;
    if (layout.vertical == TextLayout::Center && height < rect.height() - layout.dy)
        y = (rect.top() + bottom - height) / 2;
    else if (layout.vertical == TextLayout::Bottom)
        y = bottom - height;
    canvas.textRect(rect, x, y, shown, layout.fill ? &brush : nullptr);
}

} // namespace

QString elidedCellText(const Canvas& canvas, const QString& text, int width)
{
    QString shown = text;
    for (int i = 1; canvas.textExtent(shown).width() > width && i <= text.size(); ++i)
        shown = text.left(qMax(0, int(text.size()) - i - 1)) + u"..."_s;
    return shown;
}

void writeCellText(Canvas& canvas, const QRect& rect, const CellTextLayout& layout, const GridFont& font,
                   const QColor& textColour, const QColor& brush, const QString& text)
{
    if (canvas.nearestColour(brush) == brush || rect.isEmpty()) {
        writeDirectly(canvas, rect, layout, font, textColour, brush, text);
        return;
    }
    // The brush is written into an image of its own, which then goes to the cell whole.
    ImageCanvas& bitmap = GridStyle::instance().textBitmap(rect.size());
    const QRect local(QPoint(0, 0), rect.size());
    bitmap.fillRect(local, brush);
    writeDirectly(bitmap, local, layout, font, textColour, brush, text);
    canvas.drawPixmap(rect.topLeft(), QPixmap::fromImage(bitmap.image().copy(local)));
}

QColor blendedHighlight(const QColor& background, const QColor& highlight, bool raiseContrast)
{
    // c = a + (g - a) / 2; c += (225 - c) × 0.6; raised: c -= (122 - c) / 4.
    // In whole numbers: (a + g + 675) / 5, raised (a + g + 553) / 4.
    const auto channel = [raiseContrast](int a, int g) {
        const int value = raiseContrast ? roundedHalfEven(a + g + 553, 4) : roundedHalfEven(a + g + 675, 5);
        return qBound(0, value, 255);
    };
    return QColor(channel(background.red(), highlight.red()), channel(background.green(), highlight.green()),
                  channel(background.blue(), highlight.blue()));
}
