#include "GridStyle.h"

#include "platform/Colours.h"
#include "platform/Cursors.h"
#include "platform/PainterCanvas.h"

#include <QImage>

using namespace Qt::StringLiterals;

namespace {

QPixmap Picture(const QString& name)
{
    return QPixmap(u":/indicators/"_s + name + u".xpm"_s);
}

// The white arrow with its white turned to another colour.
QPixmap Recoloured(const QPixmap& picture, const QColor& colour)
{
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == QColor(Qt::white))
                image.setPixelColor(x, y, colour);
    return QPixmap::fromImage(image);
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
    const QPixmap whiteArrow = Picture(u"indicator-arrow-white"_s);
    indicators_ = {
        {Indicator::Browse, Picture(u"indicator-arrow"_s)},
        {Indicator::Selected, whiteArrow},
        {Indicator::Edit, Picture(u"indicator-edit"_s)},
        {Indicator::Insert, Picture(u"indicator-insert"_s)},
        {Indicator::IncrementalSearch, Recoloured(whiteArrow, QColor(255, 255, 0))},
    };
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
