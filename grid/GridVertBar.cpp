// The vertical bar over the records.
#include "GridVertBar.h"

#include "DataGrid.h"

#include "db/Query.h"

namespace {

// Without a result set the bar has five positions, at the first.
enum UnnumberedBar { kFirst, kLast = 4 };

} // namespace

void GridVertBar::Update()
{
    if (!grid_.Window())
        return;
    const Query* dataSet = grid_.DataSet();
    if (!dataSet) {
        Show({kFirst, kLast, 0, kFirst});
        return;
    }
    const int page = qMax(0, grid_.RowCount() - grid_.Metrics().TopDataOffset());
    Show({1, dataSet->RecordCount() + page - 1, page, dataSet->RecNo()});
}

void GridVertBar::Scroll(ScrollCode code, int position)
{
    ControlWindow* window = grid_.Window();
    // A grid that cannot take the focus takes no scroll requests either.
    if (!window || !window->CanFocus())
        return;
    window->SetFocus();
    Query* dataSet = grid_.DataSet();
    const GridRecordWindow& records = grid_.RecordWindow();
    if (!records.Active() || !dataSet)
        return;
    const int rows = grid_.RowCount() - grid_.Metrics().TopDataOffset();
    switch (code) {
    case ScrollCode::LineUp: dataSet->MoveBy(-(records.ActiveRecord() + 1)); break;
    case ScrollCode::LineDown: dataSet->MoveBy(records.RecordCount() - records.ActiveRecord()); break;
    case ScrollCode::PageUp: dataSet->MoveBy(-rows); break;
    case ScrollCode::PageDown: dataSet->MoveBy(rows); break;
    case ScrollCode::Top: dataSet->First(); break;
    case ScrollCode::Bottom: dataSet->Last(); break;
    case ScrollCode::Track:
        if (grid_.VertScrollBar.Tracking) {
            dataSet->MoveBy(position - dataSet->RecNo());
            ignoreThumbPosition_ = true;
        }
        break;
    case ScrollCode::Position:
        if (ignoreThumbPosition_) {
            ignoreThumbPosition_ = false;
            break;
        }
        if (position <= 1)
            dataSet->First();
        else if (position < dataSet->RecordCount())
            dataSet->SetRecNo(position);
        else
            dataSet->Last();
        break;
    case ScrollCode::EndScroll: break;
    }
}

void GridVertBar::Show(const ScrollBarInfo& info)
{
    ControlWindow* window = grid_.Window();
    if (!window)
        return;
    const GridScrollBar& settings = grid_.VertScrollBar;
    if (!settings.Visible() || settings.ExtScrollBar) {
        // An empty range hides the grid's own bar, also one that was always shown.
        window->SetScrollBarShown(ScrollBarKind::Vertical, false, true);
        lastMode_.reset();
        window->SetScrollInfo(ScrollBarKind::Vertical, {info.Min, info.Min, 0, info.Min});
        if (ControlWindow* external = settings.ExtScrollBar)
            external->SetScrollInfo(ScrollBarKind::Vertical, info);
        return;
    }
    const GridScrollBar::Showing mode = settings.VisibleMode();
    if (window->ScrollInfo(ScrollBarKind::Vertical) == info && lastMode_ == mode)
        return;
    // Always shown: disabled while the page covers the range. Shown as
    // needed: the bar goes by itself when the page covers the range.
    const bool nothingToScroll = info.Min >= info.Max || info.Page >= info.Max - info.Min;
    window->SetScrollBarShown(ScrollBarKind::Vertical, mode == GridScrollBar::Showing::Always,
                              mode != GridScrollBar::Showing::Always || !nothingToScroll);
    window->SetScrollInfo(ScrollBarKind::Vertical, info);
    lastMode_ = mode;
}
