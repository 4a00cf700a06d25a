// The data grid: options, settings and appearance, the columns and their
// widths, the window's creation and size, and the current column.
#include "DataGrid.h"

#include "db/Query.h"
#include "platform/PainterCanvas.h"

#include <QScopeGuard>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using Option = DataGrid::Option;
using ExtraOption = DataGrid::ExtraOption;

const DataGrid::OptionSet kDefaultOptions{Option::Editing, Option::Titles,   Option::Indicator,     Option::ColumnResize,
                                          Option::ColLines, Option::RowLines, Option::Tabs,          Option::ConfirmDelete,
                                          Option::CancelOnExit};
const DataGrid::ExtraOptionSet kDefaultExtraOptions =
    {ExtraOption::Fixed3D, ExtraOption::HighlightFocus, ExtraOption::DialogFind,
     ExtraOption::ColumnResize, ExtraOption::ColumnMove};

// The grid width of a column: hidden ones take no room, or -1 to hide their line too.
int GridWidthOf(const GridColumn& column, DataGrid::OptionSet options)
{
    if (column.Visible())
        return column.Width();
    return options.Has(Option::ColLines) ? -1 : 0;
}

} // namespace

DataGrid::DataGrid()
    : options_(kDefaultOptions), extraOptions_(kDefaultExtraOptions), columnDefValues_(this), columns_(this),
      lineColours_(*this)
{
    appearance_.Font = appearance_.TitleFont = appearance_.FooterFont = GridFont{{u"宋体"_s, -15}, SystemColour::WindowText()};
    sumList_.OwnerLoading = [this] { return loading_; };
    // The footer rows repaint whenever the values may have changed.
    sumList_.Changed = [this] {
        for (int row = RowCount(); row < RowCount() + ContraRowCount(); ++row)
            InvalidateRow(row);
    };
    SetColCount(2);
    SetRowCount(2);
    ApplyBaseOptions();
}

DataGrid::~DataGrid()
{
    // No more layout work while the grid goes; the sum list still gives the
    // result set's event slots back as the link lets go.
    destroying_ = true;
    link_.SetDataSource(nullptr);
}

void DataGrid::SetDataSource(::DataSource* source)
{
    link_.SetDataSource(source);
    sumList_.SetDataSet(source ? source->DataSet() : nullptr);
    sumList_.RecalculateAll();
    RequestLayout();
}

Canvas& DataGrid::MeasuringCanvas() const
{
    if (measuringCanvas_)
        return *measuringCanvas_;
    // A screen device borrowed for measuring text.
    if (!screenCanvas_)
        screenCanvas_ = std::make_unique<ImageCanvas>();
    return *screenCanvas_;
}

// --- options and settings ------------------------------------------------------

void DataGrid::ApplyBaseOptions()
{
    CellGrid::OptionSet base;
    base.Set(CellGrid::Option::FixedVertLine, options_.Has(Option::ColLines));
    base.Set(CellGrid::Option::VertLine, options_.Has(Option::ColLines));
    base.Set(CellGrid::Option::FixedHorzLine, options_.Has(Option::RowLines));
    base.Set(CellGrid::Option::HorzLine, options_.Has(Option::RowLines));
    base.Set(CellGrid::Option::ColSizing, true);
    base.Set(CellGrid::Option::ColMoving, true);
    base.Set(CellGrid::Option::Editing, options_.Has(Option::Editing));
    base.Set(CellGrid::Option::Tabs, options_.Has(Option::Tabs));
    base.Set(CellGrid::Option::RowSelect, options_.Has(Option::RowSelect));
    base.Set(CellGrid::Option::AlwaysShowEditor, options_.Has(Option::AlwaysShowEditor));
    SetCellOptions(base);
}

void DataGrid::SetOptions(DataGrid::OptionSet options)
{
    if (options.Has(Option::RowSelect)) {
        options.Set(Option::Editing, false);
        options.Set(Option::AlwaysShowEditor, false);
    }
    if (options == options_)
        return;
    options_ = options;
    ApplyBaseOptions();
    RequestLayout();
}

void DataGrid::SetExtraOptions(DataGrid::ExtraOptionSet options)
{
    if (options == extraOptions_)
        return;
    extraOptions_ = options;
    RequestLayout();
}

void DataGrid::ChangeLayoutSettings(const std::function<void(GridLayoutSettings&)>& change)
{
    GridLayoutSettings changed = settings_;
    change(changed);
    if (changed.FrozenCols < 0)
        changed.FrozenCols = settings_.FrozenCols;
    if (changed.FooterRowCount < 0)
        changed.FooterRowCount = settings_.FooterRowCount;
    for (int* height : {&changed.RowHeight, &changed.RowLines, &changed.TitleHeight, &changed.TitleLines})
        *height = qMax(0, *height);
    settings_ = changed;
    RequestLayout();
}

void DataGrid::ChangeAppearance(const std::function<void(GridAppearance&)>& change)
{
    change(appearance_);
    RequestLayout();
    InvalidateGrid();
}

void DataGrid::SetReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    InvalidateGrid();
    if (!Loading())
        ApplyColumnWidths();
}

// --- cells, heights and widths ---------------------------------------------------


void DataGrid::ApplyColumnWidths()
{
    const int o = metrics_.IndicatorOffset();
    for (int i = 0; i < columns_.Count() && i + o < ColCount(); ++i) {
        const GridColumn& column = columns_.Item(i);
        // Tab stops at the columns whose value could be edited.
        const Field* field = column.BoundField();
        SetTabStop(i + o, column.Visible() && !column.ReadOnly() && link_.Active() && field
                              && !field->ReadOnly());
        const int width = GridWidthOf(column, options_);
        if (ColWidth(i + o) != width)
            SetColWidth(i + o, width);
    }
    if (options_.Has(Option::Indicator) && ColWidth(0) != metrics_.IndicatorWidth())
        SetColWidth(0, metrics_.IndicatorWidth());
}

void DataGrid::ReplaceColumns(const std::function<void(GridColumns&)>& build)
{
    const bool wasLoading = loading_;
    loading_ = true;
    {
        const auto restore = qScopeGuard([this, wasLoading] { loading_ = wasLoading; });
        build(columns_);
    }
    RebuildSortColumns();
    RequestLayout();
}

void DataGrid::RebuildVisibleColumns()
{
    visibleColumns_.Clear();
    for (int i = 0; i < columns_.Count(); ++i)
        if (columns_.Item(i).Visible())
            visibleColumns_.Add(columns_.Item(i));
}

void DataGrid::RebuildSortColumns()
{
    // A column whose title has SortIndex k > 0 goes to place k - 1.
    std::vector<std::pair<int, GridColumn*>> sorted;
    for (int i = 0; i < columns_.Count(); ++i)
        if (const int k = columns_.Item(i).Title().SortIndex(); k > 0)
            sorted.emplace_back(k, &columns_.Item(i));
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    sortColumns_.Clear();
    for (const auto& [k, column] : sorted)
        sortColumns_.Add(*column);
}

void DataGrid::ColumnsChanged(GridColumn* column)
{
    if (Loading())
        return;
    if (column) {
        const int gridCol = column->Index() + metrics_.IndicatorOffset();
        InvalidateRect(gridCol, gridCol, 0, RowCount() + ContraRowCount() - 1);
        if (gridCol < ColCount() && ColWidth(gridCol) != GridWidthOf(*column, options_))
            SetColWidth(gridCol, GridWidthOf(*column, options_));
        else if (settings_.UseMultiTitle)
            RequestLayout();
        return;
    }
    RebuildSortColumns();
    RequestLayout();
    // An invisible current column gives way to the first visible one.
    const int current = Current().Col - metrics_.IndicatorOffset();
    if (columns_.Count() > 0 && current >= 0 && current < columns_.Count() && !columns_.Item(current).Visible()
        && visibleColumns_.Count() > 0)
        SetCurrent({visibleColumns_.Item(0).Index() + metrics_.IndicatorOffset(), Current().Row});
}

GridColumn* DataGrid::CurrentColumn()
{
    const int index = Current().Col - metrics_.IndicatorOffset();
    return index >= 0 && index < columns_.Count() ? &columns_.Item(index) : nullptr;
}

void DataGrid::InvalidateRow(int row)
{
    for (int col = 0; col < ColCount() + ContraColCount(); ++col)
        InvalidateRect(col, col, row, row);
}

void DataGrid::TopLeftChanged()
{
    // Titles repaint when the first scrolling column comes or goes at the left.
    const bool atFirst = LeftCol() == FixedCols();
    const bool wasAtFirst = lastLeftCol_ < 0 || lastLeftCol_ == FixedCols();
    if (atFirst != wasAtFirst)
        for (int row = 0; row < metrics_.TitleOffset(); ++row)
            InvalidateRow(row);
    lastLeftCol_ = LeftCol();
    editor_.Refresh();
    if (ControlWindow* external = HorzScrollBar.ExtScrollBar)
        external->SetScrollInfo(ScrollBarKind::Horizontal,
                                {0, kScrollRange, Layout().Columns.WholeCellsInView(), HorzScrollPosition(MaxTopLeft().Col)});
}

// --- the vertical bar and scaling ------------------------------------------------

void DataGrid::ApplyScrollBarSettings()
{
    const bool horizontal = HorzScrollBar.Visible() && !HorzScrollBar.ExtScrollBar;
    SetShowsHorzBar(horizontal);
    if (Window() && horizontal)
        Window()->SetScrollBarShown(ScrollBarKind::Horizontal, HorzScrollBar.VisibleMode() == GridScrollBar::Showing::Always,
                                    MaxTopLeft().Col > FixedCols());
}

void DataGrid::ColWidthsChanged()
{
    if (!(link_.Active() || columns_.PersistentState()) || !batch_.TryLock())
        return;
    const int o = metrics_.IndicatorOffset();
    for (int i = 0; i < columns_.Count() && i + o < ColCount(); ++i) {
        GridColumn& column = columns_.Item(i);
        if (!column.Visible())
            continue;
        int width = ColWidth(i + o);
        if (column.MaxWidth() > 0 && column.MaxWidth() < width)
            width = column.MaxWidth();
        if (column.MinWidth() > 0 && column.MinWidth() > width)
            width = column.MinWidth();
        column.SetWidth(width);
    }
    batch_.Unlock();
}

// --- the window and the current column ---------------------------------------------

void DataGrid::WindowCreated()
{
    if (batch_.Depth() == 0) {
        link_.Size();
        link_.SyncCurrentRow();
    }
    vertBar_.Update();
}

void DataGrid::Loaded()
{
    loading_ = false;
    ApplyBaseOptions();
    if (columns_.Count() > 0)
        SetColCount(columns_.Count());
    RebuildSortColumns();
    if (DataSource())
        sumList_.RecalculateAll();
    RequestLayout();
    batch_.Defer();
}

void DataGrid::Resized()
{
    CellGrid::Resized();
    if (UpdateLocked()) {
        sizeChangedWhileLocked_ = true;
        return;
    }
    link_.Size();
    vertBar_.Update();
}

void DataGrid::CatchUpResize()
{
    if (!UpdateLocked() && sizeChangedWhileLocked_) {
        sizeChangedWhileLocked_ = false;
        Resized();
    }
}

void DataGrid::MoveCol(int gridCol, int direction)
{
    const int first = metrics_.IndicatorOffset();
    const int last = ColCount() - 1;
    if (last < first)
        return;
    int col = qBound(first, gridCol, last);
    if (direction != 0) {
        while (col >= first && col <= last && ColWidth(col) < 1)
            col += direction;
        if (col < first || col > last)
            return;
    }
    if (col == Current().Col)
        return;
    if (!options_.Has(Option::AlwaysShowEditor))
        editor_.Hide();
    InvalidateRow(Current().Row);
    SetCurrent({col, Current().Row});
    BringCellIntoView(col, Current().Row);
    InvalidateRow(Current().Row);
    if (options_.Has(Option::AlwaysShowEditor))
        editor_.Show();
}
