// The vertical bar over the records.
#include "GridVertBar.h"

#include "DataGrid.h"

#include "db/Query.h"

namespace {

// Without a result set the bar has five positions, at the first.
enum UnnumberedBar { kFirst, kLast = 4 };

} // namespace

void GridVertBar::update()
{
    if (!grid_.window())
        return;
    const Query* dataSet = grid_.dataSet();
    if (!dataSet) {
        show({kFirst, kLast, 0, kFirst});
        return;
    }
    const int page = qMax(0, grid_.rowCount() - grid_.metrics().topDataOffset());
    show({1, dataSet->recordCount() + page - 1, page, dataSet->recNo()});
}

void GridVertBar::scroll(ScrollCode code, int position)
{
    ControlWindow* window = grid_.window();
    // A grid that cannot take the focus takes no scroll requests either.
    if (!window || !window->canFocus())
        return;
    window->takeFocus();
    Query* dataSet = grid_.dataSet();
    const GridRecordWindow& records = grid_.recordWindow();
    if (!records.active() || !dataSet)
        return;
    const int rows = grid_.rowCount() - grid_.metrics().topDataOffset();
    switch (code) {
    case ScrollCode::LineUp: dataSet->moveBy(-(records.activeRecord() + 1)); break;
    case ScrollCode::LineDown: dataSet->moveBy(records.recordCount() - records.activeRecord()); break;
    case ScrollCode::PageUp: dataSet->moveBy(-rows); break;
    case ScrollCode::PageDown: dataSet->moveBy(rows); break;
    case ScrollCode::Top: dataSet->first(); break;
    case ScrollCode::Bottom: dataSet->last(); break;
    case ScrollCode::Position:
        if (position <= 1)
            dataSet->first();
        else if (position < dataSet->recordCount())
            dataSet->setRecNo(position);
        else
            dataSet->last();
        break;
    }
}

void GridVertBar::show(const ScrollBarInfo& info)
{
    ControlWindow* window = grid_.window();
    if (!window || (window->scrollInfo(ScrollBarKind::Vertical) == info && shown_))
        return;
    window->setScrollBarEnabled(ScrollBarKind::Vertical, true);
    window->setScrollInfo(ScrollBarKind::Vertical, info);
    shown_ = true;
}
