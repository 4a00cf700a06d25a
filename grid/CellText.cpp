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
    const int width = textWidth(canvas, font, layout.alignment, text);
    // Rectangles end past their last pixel here, as the alignment rules count.
    const int right = rect.left() + rect.width();
    int x = rect.left() + layout.dx;
    if (layout.alignment == TextAlignment::Right)
        x = right - width - 3;
    else if (layout.alignment == TextAlignment::Center)
        x = rect.isEmpty() ? 0 : rect.left() + rect.width() / 2 - width / 2;
    canvas.textRect(rect, x, rect.top() + layout.dy, text, layout.fill ? &brush : nullptr);
}

} // namespace

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
