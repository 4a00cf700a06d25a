#include "CellText.h"

#include "GridStyle.h"

#include "platform/Colours.h"
#include "platform/PainterCanvas.h"

namespace {

void writeDirectly(Canvas& canvas, const QRect& rect, const CellTextLayout& layout, const GridFont& font,
                   const QColor& textColour, const QColor& brush, const QString& text)
{
    canvas.setFont(font.face, textColour);
    const int width = canvas.textExtent(text).width();
    // Rectangles end past their last pixel here, as the alignment rules count.
    const int right = rect.left() + rect.width();
    int x = rect.left() + layout.dx;
    if (layout.alignment == TextAlignment::Right)
        x = right - width - 3;
    else if (layout.alignment == TextAlignment::Center)
        x = rect.isEmpty() ? 0 : rect.left() + rect.width() / 2 - width / 2;
    canvas.textRect(rect, x, rect.top() + layout.dy, text, &brush);
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
