// The data grid's geometry: options, cell kinds, row heights, column widths,
// line colours, the vertical bar and scaling.
#include "DBGridEh.h"

#include "db/Query.h"
#include "platform/FormatNumber.h"
#include "platform/PainterCanvas.h"

#include <algorithm>
#include <cmath>

namespace {

const TDBGridOptions kDefaultOptions = dgEditing | dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines
                                       | dgTabs | dgConfirmDelete | dgCancelOnExit;
const TDBGridEhOptions kDefaultOptionsEh =
    dghFixed3D | dghHighlightFocus | dghClearSelection | dghDialogFind | dghColumnResize | dghColumnMove;
const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);

} // namespace

QColor TGridLineColorsEh::DataLineColor() const
{
    if (dataLine_)
        return *dataLine_;
    return grid_.Color() == u"clSilver" || grid_.Color() == kSilver.name() ? kGrey : kSilver;
}

QColor TGridLineColorsEh::ColourAt(TGridLinePlaceEh place) const
{
    if (const auto slot = slots_.at(size_t(place)))
        return *slot;
    switch (place) {
    case glDataCells:
        return DataLineColor();
    case glFooterCells:
        return grid_.OptionsEh().Has(dghFooter3D) || grid_.FooterColor() != u"clWindow" ? FixedLineColor()
                                                                                          : DataLineColor();
    default:
        return FixedLineColor();
    }
}

TCustomDBGridEh::TCustomDBGridEh()
    : options_(kDefaultOptions), optionsEh_(kDefaultOptionsEh), columnDefValues_(this), columns_(this),
      lineColours_(*this)
{
    font_ = titleFont_ = footerFont_ = TFontEh{{u"宋体"_qs, -15}, u"clWindowText"_qs};
    sumList_.OwnerLoading = [this] { return loading_; };
    // The footer rows repaint whenever the values may have changed.
    sumList_.SumListChanged = [this](TDBSumListProducer&) {
        for (int row = RowCount(); row < RowCount() + ContraRowCount(); ++row)
            InvalidateRow(row);
    };
    SetColCount(2);
    SetRowCount(2);
    ApplyBaseOptions();
    SetScrollBars(ssHorizontalEh);
}

TCustomDBGridEh::~TCustomDBGridEh()
{
    for (DbField* field : watchedFields_)
        field->RemoveWatcher(this);
    watchedFields_.clear();
    loading_ = true;  // no more layout work while the grid goes
    link_.SetDataSource(nullptr);
}

void TCustomDBGridEh::SetDataSource(TDataSource* source)
{
    link_.SetDataSource(source);
    sumList_.SetDataSet(source ? source->DataSet() : nullptr);
    RequestLayout();
}

QString TCustomDBGridEh::GetFooterText(int footerRow, TColumnEh& column)
{
    TColumnFooterEh& footer = column.FooterForRow(footerRow);
    switch (footer.ValueType()) {
    case fvtNon:
        return QString();
    case fvtSum:
    case fvtAvg: {
        DbQuery* dataSet = DataSet();
        DbField* field = dataSet ? dataSet->FindField(footer.FieldName().isEmpty() ? column.FieldName()
                                                                                    : footer.FieldName())
                                 : nullptr;
        if (!field)
            return u"0"_qs;
        const TDBSum* sum = sumList_.SumCollection().FindSum(footer.ValueType() == fvtSum ? goSum : goAvg,
                                                             field->FieldName());
        const double value = sum ? FromFixedPoint(sum->Result) : 0;
        switch (field->DataType()) {
        case ftSmallint:
        case ftInteger:
        case ftLargeint:
            return footer.DisplayFormat.isEmpty() ? QString::number(qint64(std::llround(value)))
                                                  : FormatFloat(footer.DisplayFormat, value);
        case ftFloat:
            return footer.DisplayFormat.isEmpty() ? QString::number(value, 'g', 15)
                                                  : FormatFloat(footer.DisplayFormat, value);
        default:
            return u"0"_qs;
        }
    }
    case fvtCount: {
        const TDBSum* sum = sumList_.SumCollection().FindSum(goCount, QString());
        const double value = sum ? FromFixedPoint(sum->Result) : 0;
        return footer.DisplayFormat.isEmpty() ? QString::number(value, 'g', 15)
                                              : FormatFloat(footer.DisplayFormat, value);
    }
    case fvtFieldValue: {
        DbQuery* dataSet = DataSet();
        if (!dataSet || !dataSet->Active() || footer.FieldName().isEmpty())
            return QString();
        DbField& field = dataSet->FieldByName(footer.FieldName());
        if (footer.DisplayFormat.isEmpty())
            return field.DisplayText();
        if (field.IsNull())
            return QString();
        if (field.IsNumeric())
            return FormatFloat(footer.DisplayFormat, field.AsFloat());
        if (field.DataType() == ftDateTime)
            return FormatDateTime(footer.DisplayFormat, field.AsDateTime());
        return QString();
    }
    case fvtStaticText:
        return footer.Value;
    }
    return QString();
}

TCanvas& TCustomDBGridEh::MeasuringCanvas()
{
    if (measuringCanvas_)
        return *measuringCanvas_;
    if (!screenCanvas_) {
        // A screen device borrowed for measuring text.
        screenImage_ = std::make_unique<QImage>(1, 1, QImage::Format_RGB32);
        screenPainter_ = std::make_unique<QPainter>(screenImage_.get());
        screenCanvas_ = std::make_unique<PainterCanvas>(*screenPainter_);
    }
    return *screenCanvas_;
}

// --- options and settings ------------------------------------------------------

void TCustomDBGridEh::ApplyBaseOptions()
{
    TGridOptionsEh base;
    base.Set(goFixedVertLineEh, options_.Has(dgColLines));
    base.Set(goVertLineEh, options_.Has(dgColLines));
    base.Set(goFixedHorzLineEh, options_.Has(dgRowLines));
    base.Set(goHorzLineEh, options_.Has(dgRowLines));
    base.Set(goColSizingEh, true);
    base.Set(goColMovingEh, true);
    base.Set(goEditingEh, options_.Has(dgEditing));
    base.Set(goTabsEh, options_.Has(dgTabs));
    base.Set(goRowSelectEh, options_.Has(dgRowSelect));
    base.Set(goAlwaysShowEditorEh, options_.Has(dgAlwaysShowEditor));
    TCustomGridEh::SetOptions(base);
}

void TCustomDBGridEh::SetOptions(TDBGridOptions options)
{
    if (options.Has(dgRowSelect)) {
        options.Set(dgEditing, false);
        options.Set(dgAlwaysShowEditor, false);
    }
    if (options == options_)
        return;
    options_ = options;
    ApplyBaseOptions();
    RequestLayout();
}

void TCustomDBGridEh::SetOptionsEh(TDBGridEhOptions options)
{
    if (options == optionsEh_)
        return;
    optionsEh_ = options;
    RequestLayout();
}

void TCustomDBGridEh::SetFrozenCols(int count)
{
    if (count < 0 || count == frozenCols_)
        return;
    frozenCols_ = count;
    RequestLayout();
}

void TCustomDBGridEh::SetFooterRowCount(int count)
{
    if (count < 0 || count == footerRowCount_)
        return;
    footerRowCount_ = count;
    RequestLayout();
}

void TCustomDBGridEh::SetRowHeight(int height)
{
    rowHeight_ = qMax(0, height);
    RequestLayout();
}

void TCustomDBGridEh::SetRowLines(int lines)
{
    rowLines_ = qMax(0, lines);
    RequestLayout();
}

void TCustomDBGridEh::SetTitleHeight(int height)
{
    titleHeight_ = qMax(0, height);
    RequestLayout();
}

void TCustomDBGridEh::SetTitleLines(int lines)
{
    titleLines_ = qMax(0, lines);
    RequestLayout();
}

void TCustomDBGridEh::SetFlat(bool flat)
{
    flat_ = flat;
    RequestLayout();
}

void TCustomDBGridEh::SetReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    InvalidateGrid();
}

void TCustomDBGridEh::SetUseMultiTitle(bool on)
{
    useMultiTitle_ = on;
    RequestLayout();
}

void TCustomDBGridEh::SetFont(const TFontEh& font)
{
    font_ = font;
    RequestLayout();
}

void TCustomDBGridEh::SetTitleFont(const TFontEh& font)
{
    titleFont_ = font;
    if (options_.Has(dgTitles))
        RequestLayout();
}

void TCustomDBGridEh::SetFooterFont(const TFontEh& font)
{
    footerFont_ = font;
    if (footerRowCount_ > 0)
        RequestLayout();
}

void TCustomDBGridEh::SetColor(const QString& colour)
{
    colour_ = colour;
    InvalidateGrid();
}

void TCustomDBGridEh::SetFooterColor(const QString& colour)
{
    footerColour_ = colour;
    if (footerRowCount_ > 0)
        InvalidateGrid();
}

// --- cells, heights and widths ---------------------------------------------------

int TCustomDBGridEh::IndicatorOffset() const
{
    return options_.Has(dgIndicator) || optionsEh_.Has(dghShowRecNo) ? 1 : 0;
}

int TCustomDBGridEh::IndicatorWidth() const
{
    return options_.Has(dgIndicator) ? 11 : 0;
}

TCellTypeEh TCustomDBGridEh::GetCellType(int col, int row) const
{
    TCellTypeEh type{};
    const int o = IndicatorOffset();
    type.Horz = col < o ? ctIndicatorEh : ctDataColEh;
    type.DataCol = col - o;
    const int t = TitleOffset();
    if (row >= 0 && row < t) {
        type.Vert = ctTitleEh;
        type.DataRow = row - t;
    } else if (row >= TopDataOffset() && row < RowCount()) {
        type.Vert = ctDataRowEh;
        type.DataRow = row - TopDataOffset();
    } else if (row >= RowCount() && row < RowCount() + ContraRowCount()) {
        type.Vert = ctFooterEh;
        type.DataRow = row - RowCount();
    } else {
        throw EInvalidGridOperationEh(u"Algorithm error in TCustomDBGridEh.GetCellType"_qs);
    }
    return type;
}

int TCustomDBGridEh::DataRowsThatFit()
{
    const int line = options_.Has(dgRowLines) ? GridLineWidth() : 0;
    const int dataRow = DataRowHeight();
    int used = 0;
    if (options_.Has(dgTitles))
        used += TitleRowHeight() + line;
    for (int i = 1; i < TopDataOffset(); ++i)
        used += dataRow + line;
    for (int i = 0; i < footerRowCount_; ++i)
        used += dataRow + line;
    if (footerRowCount_ > 0)
        used += line;
    const int client = Window() ? Window()->ClientSize().height() : 0;
    return qMax(1, (client - used) / (dataRow + line));
}

int TCustomDBGridEh::DataRowHeight()
{
    TCanvas& canvas = MeasuringCanvas();
    canvas.SetFont(font_.Face, QColor());
    const TFontMetricsEh metrics = canvas.FontMetrics();
    const int text = canvas.TextExtent(u"Wg"_qs).height();
    const int margin = (flat_ ? 1 : 3) + (options_.Has(dgRowLines) ? GridLineWidth() : 0);
    int height = rowHeight_ > 0 || rowLines_ > 0 ? rowHeight_ + (metrics.ExternalLeading + metrics.Height) * rowLines_
                                                 : text + margin;
    if (optionsEh_.Has(dghFitRowHeightToText) && text > 0) {
        const int lines = (height - margin) / text;
        const int rest = (height - margin) % text;
        height = rest <= text / 2 && lines != 0 ? lines * text + margin : (lines + 1) * text + margin;
        rowLines_ = (height - margin) / text;
        rowHeight_ = margin;
    }
    return height;
}

int TCustomDBGridEh::TitleRowHeight()
{
    TCanvas& canvas = MeasuringCanvas();
    const bool explicitHeight = titleHeight_ != 0 || titleLines_ != 0;
    int tallest = 0;
    TFontMetricsEh tallestMetrics;
    const auto measure = [&](const TFontEh& font) {
        canvas.SetFont(font.Face, QColor());
        const int height = canvas.TextExtent(u"Wg"_qs).height();
        if (height > tallest) {
            tallest = height;
            tallestMetrics = canvas.FontMetrics();
        }
    };
    for (int i = 0; i < columns_.Count(); ++i)
        measure(columns_.Item(i).Title().Font());
    if (tallest == 0)
        measure(titleFont_);
    if (!explicitHeight)
        return tallest + 4;
    return titleLines_ * tallestMetrics.Height + tallestMetrics.ExternalLeading + titleHeight_ + 2
           + (options_.Has(dgRowLines) ? 1 : 0);
}

int TCustomDBGridEh::GridWidthOf(TColumnEh& column)
{
    if (column.Visible())
        return column.Width();
    return options_.Has(dgColLines) ? -1 : 0;
}

void TCustomDBGridEh::ApplyColumnWidths()
{
    const int o = IndicatorOffset();
    for (int i = 0; i < columns_.Count() && i + o < ColCount(); ++i) {
        const int width = GridWidthOf(columns_.Item(i));
        if (ColWidth(i + o) != width)
            TCustomGridEh::SetColWidth(i + o, width);
    }
    if (options_.Has(dgIndicator) && ColWidth(0) != IndicatorWidth())
        TCustomGridEh::SetColWidth(0, IndicatorWidth());
}

std::optional<QJsonArray> TCustomDBGridEh::StoredColumns() const
{
    if (!columns_.PersistentState())
        return std::nullopt;
    return columns_.Write();
}

void TCustomDBGridEh::ReadStoredColumns(const QJsonArray& columns)
{
    const bool wasLoading = loading_;
    loading_ = true;
    columns_.Read(columns);
    loading_ = wasLoading;
    RebuildSortColumns();
    RequestLayout();
}

void TCustomDBGridEh::RebuildVisibleColumns()
{
    visibleColumns_.Clear();
    for (int i = 0; i < columns_.Count(); ++i)
        if (columns_.Item(i).Visible())
            visibleColumns_.Add(columns_.Item(i));
}

void TCustomDBGridEh::RebuildSortColumns()
{
    // A column whose title has SortIndex k > 0 goes to place k - 1.
    std::vector<std::pair<int, TColumnEh*>> sorted;
    for (int i = 0; i < columns_.Count(); ++i)
        if (const int k = columns_.Item(i).Title().SortIndex(); k > 0)
            sorted.emplace_back(k, &columns_.Item(i));
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    sortColumns_.Clear();
    for (const auto& [k, column] : sorted)
        sortColumns_.Add(*column);
}

void TCustomDBGridEh::ColumnsChanged(TColumnEh* column)
{
    if (loading_)
        return;
    if (column) {
        const int gridCol = column->Index() + IndicatorOffset();
        InvalidateRect(gridCol, gridCol, 0, RowCount() + ContraRowCount() - 1);
        if (gridCol < ColCount() && ColWidth(gridCol) != GridWidthOf(*column))
            TCustomGridEh::SetColWidth(gridCol, GridWidthOf(*column));
        else if (useMultiTitle_)
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

TColumnEh* TCustomDBGridEh::CurrentColumn()
{
    const int index = Current().Col - IndicatorOffset();
    return index >= 0 && index < columns_.Count() ? &columns_.Item(index) : nullptr;
}

void TCustomDBGridEh::MoveToColumn(int columnIndex)
{
    const int col = columnIndex + IndicatorOffset();
    if (col < 0 || col >= ColCount())
        return;
    SetCurrent({col, Current().Row});
    BringCellIntoView(col, Current().Row);
    InvalidateRow(Current().Row);
}

void TCustomDBGridEh::ApplyFixedLineColour()
{
    lineColours_.SetFixedLineColor(flat_ ? kGrey : QColor(0, 0, 0));
}

void TCustomDBGridEh::InvalidateRow(int row)
{
    for (int col = 0; col < ColCount() + ContraColCount(); ++col)
        InvalidateCell(col, row);
}

void TCustomDBGridEh::TopLeftChanged()
{
    // Titles repaint when the first scrolling column comes or goes at the left.
    const bool atFirst = LeftCol() == FixedCols();
    const bool wasAtFirst = lastLeftCol_ < 0 || lastLeftCol_ == FixedCols();
    if (atFirst != wasAtFirst)
        for (int row = 0; row < TitleOffset(); ++row)
            InvalidateRow(row);
    lastLeftCol_ = LeftCol();
    if (TControlWindow* external = HorzScrollBar.ExtScrollBar) {
        const int maxLeft = MaxTopLeft().Col;
        const int span = maxLeft - FixedCols();
        const int position = span > 0 ? int((qint64(LeftCol() - FixedCols()) * 127 * 2 + span) / (2 * qint64(span))) : 0;
        external->SetScrollInfo(TScrollBarKind::Horizontal, {0, 127, WholeColsInView(), position});
    }
}

// --- the vertical bar and scaling ------------------------------------------------

void TCustomDBGridEh::SetVertScrollBarValues(const TScrollInfo& info)
{
    TControlWindow* window = Window();
    if (!window)
        return;
    if (!VertScrollBar.Visible() || VertScrollBar.ExtScrollBar) {
        window->SetScrollInfo(TScrollBarKind::Vertical, {info.Min, info.Min, 0, info.Min});
        if (TControlWindow* external = VertScrollBar.ExtScrollBar)
            external->SetScrollInfo(TScrollBarKind::Vertical, info);
        return;
    }
    const TScrollBarVisibleModeEh mode = VertScrollBar.VisibleMode();
    if (window->ScrollInfo(TScrollBarKind::Vertical) == info && lastVertMode_ == mode)
        return;
    // Always shown: disabled while the page covers the range. Shown as
    // needed: the bar goes by itself when the page covers the range.
    const bool nothingToScroll = info.Min >= info.Max || info.Page >= info.Max - info.Min;
    window->SetScrollBarShown(TScrollBarKind::Vertical, mode == sbAlwaysShowEh,
                              mode != sbAlwaysShowEh || !nothingToScroll);
    window->SetScrollInfo(TScrollBarKind::Vertical, info);
    lastVertMode_ = mode;
}

void TCustomDBGridEh::ScaleColumns(int m, int d)
{
    if (m == d || d == 0)
        return;
    const auto scaled = [m, d](qint64 value) { return int((value * m * 2 + (value >= 0 ? d : -d)) / (2 * qint64(d))); };
    columns_.BeginUpdate();
    qint64 sum = 0;
    for (int i = 0; i < columns_.Count(); ++i) {
        TColumnEh& column = columns_.Item(i);
        if (column.IsAssigned(cvFont)) {
            TFontEh font = column.Font();
            font.Face.Height = scaled(font.Face.Height);
            column.SetFont(font);
        }
        // Widths are scaled cumulatively, so that rounding does not add up.
        const int width = column.Width();
        const int before = scaled(sum);
        sum += width;
        column.SetWidth(scaled(sum) - before);
    }
    columns_.EndUpdate();
}
