#include "Cursors.h"

#include "Errors.h"

#include <QPixmap>
#include <map>

using namespace Qt::StringLiterals;

namespace {

struct ResourceCursor {
    const char* path;
    QPoint hotSpot;  // the arrow's tip
};

const std::map<CursorShape, ResourceCursor> kResourceCursors = {
    {CursorShape::MoveDown, {":/cursors/cursor-move-down.xpm", {7, 14}}},
    {CursorShape::MoveRight, {":/cursors/cursor-move-right.xpm", {14, 7}}},
    {CursorShape::MoveLeft, {":/cursors/cursor-move-left.xpm", {1, 7}}},
};

std::map<CursorShape, QCursor>& loadedCursors()
{
    static std::map<CursorShape, QCursor> cursors;
    return cursors;
}

} // namespace

void loadCursors()
{
    if (!loadedCursors().empty())
        return;
    std::map<CursorShape, QCursor> cursors;
    for (const auto& [shape, resource] : kResourceCursors) {
        const QPixmap picture(QString::fromLatin1(resource.path));
        if (picture.isNull())
            throw Exception(u"Cannot load cursor resource"_s);
        cursors.emplace(shape, QCursor(picture, resource.hotSpot.x(), resource.hotSpot.y()));
    }
    loadedCursors() = std::move(cursors);
}

QCursor cursorFor(CursorShape shape)
{
    switch (shape) {
    case CursorShape::Default: return QCursor(Qt::ArrowCursor);
    case CursorShape::HorizontalSplit: return QCursor(Qt::SplitHCursor);
    case CursorShape::VerticalSplit: return QCursor(Qt::SplitVCursor);
    default: break;
    }
    loadCursors();
    return loadedCursors().at(shape);
}
