#include "GridStyle.h"

#include "platform/Colours.h"
#include "platform/Cursors.h"
#include "platform/PainterCanvas.h"

using namespace Qt::StringLiterals;

namespace {

QPixmap picture(const QString& name)
{
    return QPixmap(u":/indicators/"_s + name + u".xpm"_s);
}

} // namespace

GridStyle& GridStyle::instance()
{
    static GridStyle style;
    return style;
}

GridStyle::GridStyle()
{
    loadCursors();
    recordMark_ = picture(u"indicator-arrow"_s);
}

GridStyle::~GridStyle() = default;

ImageCanvas& GridStyle::textBitmap(QSize size)
{
    if (!textBitmap_ || textBitmap_->image().width() < size.width() || textBitmap_->image().height() < size.height()) {
        const QSize grown = textBitmap_ ? textBitmap_->image().size().expandedTo(size) : size;
        textBitmap_ = std::make_unique<ImageCanvas>(grown, QImage::Format_RGB32);
    }
    return *textBitmap_;
}
