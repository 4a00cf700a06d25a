#include "GridStyle.h"

#include "platform/Colours.h"
#include "platform/Cursors.h"
#include "platform/PainterCanvas.h"

using namespace Qt::StringLiterals;

namespace {

QPixmap Picture(const QString& name)
{
    return QPixmap(u":/indicators/"_s + name + u".xpm"_s);
}

} // namespace

GridStyle& GridStyle::Instance()
{
    static GridStyle style;
    return style;
}

GridStyle::GridStyle()
{
    LoadCursors();
    ReadDisplay(DisplayBitsPerPixel());
    recordMark_ = Picture(u"indicator-arrow"_s);
    sortMarkers_ = {{SortMark::Down, Picture(u"sort-down"_s)}, {SortMark::Up, Picture(u"sort-up"_s)}};
}

GridStyle::~GridStyle() = default;

void GridStyle::ReadDisplay(int bitsPerPixel)
{
    colourCount_ = bitsPerPixel > 8 ? -1 : 1 << bitsPerPixel;
}

ImageCanvas& GridStyle::TextBitmap(QSize size)
{
    if (!textBitmap_ || textBitmap_->Image().width() < size.width() || textBitmap_->Image().height() < size.height()) {
        const QSize grown = textBitmap_ ? textBitmap_->Image().size().expandedTo(size) : size;
        textBitmap_ = std::make_unique<ImageCanvas>(grown, QImage::Format_RGB32);
    }
    return *textBitmap_;
}
