// The data grid's geometry: options, cell kinds, row heights, column widths,
// line colours, the vertical bar and scaling.
#include "DataGrid.h"

#include "db/Query.h"
#include "platform/FormatNumber.h"
#include "platform/PainterCanvas.h"

#include <QScopeGuard>
#include <algorithm>
#include <cmath>

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
const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);

} // namespace

QColor GridLineColours::DataLineColor() const
{
    if (dataLine_)
        return *dataLine_;
    return grid_.Appearance().Color == Colour(kSilver) ? kGrey : kSilver;
}

QColor GridLineColours::ColourAt(Place place) const
{
    if (const auto slot = slots_.at(size_t(place)))
        return *slot;
    switch (place) {
    case Place::DataCells:
        return DataLineColor();
    case Place::FooterCells:
        return grid_.ExtraOptions().Has(ExtraOption::Footer3D) || grid_.Appearance().FooterColor != SystemColour::Window() ? FixedLineColor()
                                                                                          : DataLineColor();
    default:
        return FixedLineColor();
    }
}

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
    SetScrollBars(CellGrid::ScrollStyle::Horizontal);
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

QString DataGrid::GetFooterText(int footerRow, GridColumn& column)
{
    const ColumnFooter& footer = column.FooterForRow(footerRow);
    // Numbers by the footer's pattern, else as plain decimals (integers rounded).
    const auto number = [&footer](double value, bool integral) {
        if (!footer.DisplayFormat.isEmpty())
            return FormatFloat(footer.DisplayFormat, value);
        return integral ? QString::number(qint64(std::llround(value))) : QString::number(value, 'g', 15);
    };
    switch (footer.ValueType()) {
    case FooterValueType::None:
        return QString();
    case FooterValueType::Sum:
    case FooterValueType::Avg: {
        Query* dataSet = DataSet();
        const QString name = footer.FieldName().isEmpty() ? column.FieldName() : footer.FieldName();
        const Field* field = dataSet ? dataSet->FindField(name) : nullptr;
        if (!field)
            return u"0"_s;
        const auto operation = footer.ValueType() == FooterValueType::Sum ? SumItem::Operation::Sum : SumItem::Operation::Avg;
        const SumItem* sum = sumList_.SumCollection().FindSum(operation, field->FieldName());
        const double value = sum ? FromFixedPoint(sum->Result) : 0;
        switch (field->DataType()) {
        case FieldType::Smallint:
        case FieldType::Integer:
        case FieldType::Largeint:
            return number(value, true);
        case FieldType::Float:
            return number(value, false);
        default:
            return u"0"_s;
        }
    }
    case FooterValueType::Count: {
        const SumItem* sum = sumList_.SumCollection().FindSum(SumItem::Operation::Count, QString());
        return number(sum ? FromFixedPoint(sum->Result) : 0, false);
    }
    case FooterValueType::FieldValue: {
        Query* dataSet = DataSet();
        if (!dataSet || !dataSet->Active() || footer.FieldName().isEmpty())
            return QString();
        return dataSet->FieldByName(footer.FieldName()).FormattedText(footer.DisplayFormat);
    }
    case FooterValueType::StaticText:
        return footer.Value;
    }
    return QString();
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

int DataGrid::IndicatorOffset() const
{
    return options_.Has(Option::Indicator) || extraOptions_.Has(ExtraOption::ShowRecNo) ? 1 : 0;
}

int DataGrid::IndicatorWidth() const
{
    return options_.Has(Option::Indicator) ? kIndicatorWidth : 0;
}

CellKind DataGrid::GetCellType(int col, int row) const
{
    CellKind type{};
    const int o = IndicatorOffset();
    type.Horz = col < o ? CellKind::Column::Indicator : CellKind::Column::Data;
    type.DataCol = col - o;
    const int t = TitleOffset();
    if (row >= 0 && row < t) {
        type.Vert = CellKind::Row::Title;
        type.DataRow = row - t;
    } else if (row >= TopDataOffset() && row < RowCount()) {
        type.Vert = CellKind::Row::Data;
        type.DataRow = row - TopDataOffset();
    } else if (row >= RowCount() && row < RowCount() + ContraRowCount()) {
        type.Vert = CellKind::Row::Footer;
        type.DataRow = row - RowCount();
    } else {
        throw GridError(u"Algorithm error in TCustomDataGrid.GetCellType"_s);
    }
    return type;
}

int DataGrid::DataRowsThatFit() const
{
    const int line = options_.Has(Option::RowLines) ? GridLineWidth() : 0;
    const int dataRow = DataRowHeight();
    int used = 0;
    if (options_.Has(Option::Titles))
        used += TitleRowHeight() + line;
    for (int i = 1; i < TopDataOffset(); ++i)
        used += dataRow + line;
    for (int i = 0; i < settings_.FooterRowCount; ++i)
        used += dataRow + line;
    if (settings_.FooterRowCount > 0)
        used += line;
    const int client = Window() ? Window()->ClientSize().height() : 0;
    return qMax(1, (client - used) / (dataRow + line));
}

int DataGrid::RowPad() const
{
    return (appearance_.Flat ? 1 : 3) + (options_.Has(Option::RowLines) ? GridLineWidth() : 0);
}

int DataGrid::DataRowHeight() const
{
    Canvas& canvas = MeasuringCanvas();
    canvas.SetFont(appearance_.Font.Face, QColor());
    const TextMetrics metrics = canvas.FontMetrics();
    const int text = canvas.TextExtent(u"Wg"_s).height();
    const int pad = RowPad();
    const int height = settings_.RowHeight > 0 || settings_.RowLines > 0
                           ? settings_.RowHeight + (metrics.ExternalLeading + metrics.Height) * settings_.RowLines
                           : text + pad;
    if (!extraOptions_.Has(ExtraOption::FitRowHeightToText) || text <= 0)
        return height;
    // Whole lines of text: a rest of up to half a line is dropped, more adds a line.
    const int lines = (height - pad) / text;
    const int rest = (height - pad) % text;
    return rest <= text / 2 && lines != 0 ? lines * text + pad : (lines + 1) * text + pad;
}

void DataGrid::FitRowHeightToText()
{
    if (!extraOptions_.Has(ExtraOption::FitRowHeightToText))
        return;
    const int height = DataRowHeight();
    Canvas& canvas = MeasuringCanvas();
    canvas.SetFont(appearance_.Font.Face, QColor());
    const int text = canvas.TextExtent(u"Wg"_s).height();
    if (text <= 0)
        return;
    settings_.RowLines = (height - RowPad()) / text;
    settings_.RowHeight = RowPad();
}

void DataGrid::NoteMultiLineRows()
{
    Canvas& canvas = MeasuringCanvas();
    canvas.SetFont(appearance_.Font.Face, QColor());
    const TextMetrics metrics = canvas.FontMetrics();
    multiLineRows_ = metrics.ExternalLeading + metrics.Height + metrics.InternalLeading + 4 < DataRowHeight();
}

int DataGrid::TitleRowHeight() const
{
    Canvas& canvas = MeasuringCanvas();
    const bool explicitHeight = settings_.TitleHeight != 0 || settings_.TitleLines != 0;
    int tallest = 0;
    TextMetrics tallestMetrics;
    const auto measure = [&](const GridFont& font) {
        canvas.SetFont(font.Face, QColor());
        const int height = canvas.TextExtent(u"Wg"_s).height();
        if (height > tallest) {
            tallest = height;
            tallestMetrics = canvas.FontMetrics();
        }
    };
    for (int i = 0; i < columns_.Count(); ++i)
        measure(columns_.Item(i).Title().Font());
    if (tallest == 0)
        measure(appearance_.TitleFont);
    if (!explicitHeight)
        return tallest + kTitleTextMargin;
    return settings_.TitleLines * tallestMetrics.Height + tallestMetrics.ExternalLeading + settings_.TitleHeight + 2
           + (options_.Has(Option::RowLines) ? 1 : 0);
}

int DataGrid::GridWidthOf(const GridColumn& column) const
{
    if (column.Visible())
        return column.Width();
    return options_.Has(Option::ColLines) ? -1 : 0;
}

void DataGrid::ApplyColumnWidths()
{
    const int o = IndicatorOffset();
    for (int i = 0; i < columns_.Count() && i + o < ColCount(); ++i) {
        const GridColumn& column = columns_.Item(i);
        // Tab stops at the columns whose value could be edited.
        const Field* field = column.BoundField();
        SetTabStop(i + o, column.Visible() && !column.ReadOnly() && link_.Active() && field
                              && !field->ReadOnly());
        const int width = GridWidthOf(column);
        if (ColWidth(i + o) != width)
            SetColWidth(i + o, width);
    }
    if (options_.Has(Option::Indicator) && ColWidth(0) != IndicatorWidth())
        SetColWidth(0, IndicatorWidth());
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
        const int gridCol = column->Index() + IndicatorOffset();
        InvalidateRect(gridCol, gridCol, 0, RowCount() + ContraRowCount() - 1);
        if (gridCol < ColCount() && ColWidth(gridCol) != GridWidthOf(*column))
            SetColWidth(gridCol, GridWidthOf(*column));
        else if (settings_.UseMultiTitle)
            RequestLayout();
        return;
    }
    RebuildSortColumns();
    RequestLayout();
    // An invisible current column gives way to the first visible one.
    const int current = Current().Col - IndicatorOffset();
    if (columns_.Count() > 0 && current >= 0 && current < columns_.Count() && !columns_.Item(current).Visible()
        && visibleColumns_.Count() > 0)
        SetCurrent({visibleColumns_.Item(0).Index() + IndicatorOffset(), Current().Row});
}

GridColumn* DataGrid::CurrentColumn()
{
    const int index = Current().Col - IndicatorOffset();
    return index >= 0 && index < columns_.Count() ? &columns_.Item(index) : nullptr;
}

void DataGrid::ApplyFixedLineColour()
{
    lineColours_.SetFixedLineColor(appearance_.Flat ? kGrey : QColor(0, 0, 0));
}

void DataGrid::InvalidateRow(int row)
{
    for (int col = 0; col < ColCount() + ContraColCount(); ++col)
        InvalidateCell(col, row);
}

void DataGrid::TopLeftChanged()
{
    // Titles repaint when the first scrolling column comes or goes at the left.
    const bool atFirst = LeftCol() == FixedCols();
    const bool wasAtFirst = lastLeftCol_ < 0 || lastLeftCol_ == FixedCols();
    if (atFirst != wasAtFirst)
        for (int row = 0; row < TitleOffset(); ++row)
            InvalidateRow(row);
    lastLeftCol_ = LeftCol();
    RefreshEditor();
    if (ControlWindow* external = HorzScrollBar.ExtScrollBar)
        external->SetScrollInfo(ScrollBarKind::Horizontal,
                                {0, kScrollRange, WholeColsInView(), HorzScrollPosition(MaxTopLeft().Col)});
}

// --- the vertical bar and scaling ------------------------------------------------

void DataGrid::ApplyScrollBarSettings()
{
    const bool horizontal = HorzScrollBar.Visible() && !HorzScrollBar.ExtScrollBar;
    SetScrollBars(horizontal ? CellGrid::ScrollStyle::Horizontal : CellGrid::ScrollStyle::None);
    if (Window() && horizontal)
        Window()->SetScrollBarShown(ScrollBarKind::Horizontal, HorzScrollBar.VisibleMode() == GridScrollBar::Showing::Always,
                                    MaxTopLeft().Col > FixedCols());
}

void DataGrid::SetVertScrollBarValues(const ScrollBarInfo& info)
{
    ControlWindow* window = Window();
    if (!window)
        return;
    if (!VertScrollBar.Visible() || VertScrollBar.ExtScrollBar) {
        // An empty range hides the grid's own bar, also one that was always shown.
        window->SetScrollBarShown(ScrollBarKind::Vertical, false, true);
        lastVertMode_.reset();
        window->SetScrollInfo(ScrollBarKind::Vertical, {info.Min, info.Min, 0, info.Min});
        if (ControlWindow* external = VertScrollBar.ExtScrollBar)
            external->SetScrollInfo(ScrollBarKind::Vertical, info);
        return;
    }
    const GridScrollBar::Showing mode = VertScrollBar.VisibleMode();
    if (window->ScrollInfo(ScrollBarKind::Vertical) == info && lastVertMode_ == mode)
        return;
    // Always shown: disabled while the page covers the range. Shown as
    // needed: the bar goes by itself when the page covers the range.
    const bool nothingToScroll = info.Min >= info.Max || info.Page >= info.Max - info.Min;
    window->SetScrollBarShown(ScrollBarKind::Vertical, mode == GridScrollBar::Showing::Always,
                              mode != GridScrollBar::Showing::Always || !nothingToScroll);
    window->SetScrollInfo(ScrollBarKind::Vertical, info);
    lastVertMode_ = mode;
}

void DataGrid::ColWidthsChanged()
{
    if (!(link_.Active() || columns_.PersistentState()) || !AcquireLayoutLock())
        return;
    const int o = IndicatorOffset();
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
    UnlockLayout();
}
