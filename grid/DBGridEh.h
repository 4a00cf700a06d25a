#pragma once

#include "DBGridEhColumns.h"
#include "GridsEh.h"

#include "db/DataSource.h"

#include <QImage>
#include <QPainter>
#include <array>
#include <memory>
#include <optional>

enum TDBGridOption {
    dgEditing = 1 << 0,
    dgAlwaysShowEditor = 1 << 1,
    dgTitles = 1 << 2,
    dgIndicator = 1 << 3,
    dgColumnResize = 1 << 4,
    dgColLines = 1 << 5,
    dgRowLines = 1 << 6,
    dgTabs = 1 << 7,
    dgRowSelect = 1 << 8,
    dgAlwaysShowSelection = 1 << 9,
    dgConfirmDelete = 1 << 10,
    dgCancelOnExit = 1 << 11,
    dgMultiSelect = 1 << 12,
};
using TDBGridOptions = TOptionSet<TDBGridOption>;

enum TDBGridEhOption : unsigned {
    dghFixed3D = 1u << 0,
    dghFrozen3D = 1u << 1,
    dghFooter3D = 1u << 2,
    dghData3D = 1u << 3,
    dghResizeWholeRightPart = 1u << 4,
    dghHighlightFocus = 1u << 5,
    dghClearSelection = 1u << 6,
    dghFitRowHeightToText = 1u << 7,
    dghAutoSortMarking = 1u << 8,
    dghMultiSortMarking = 1u << 9,
    dghEnterAsTab = 1u << 10,
    dghTraceColSizing = 1u << 11,
    dghIncSearch = 1u << 12,
    dghPreferIncSearch = 1u << 13,
    dghRowHighlight = 1u << 14,
    dghDblClickOptimizeColWidth = 1u << 15,
    dghDialogFind = 1u << 16,
    dghRecordMoving = 1u << 17,
    dghShowRecNo = 1u << 18,
    dghColumnResize = 1u << 19,
    dghColumnMove = 1u << 20,
    dghAutoFitRowHeight = 1u << 21,
};
using TDBGridEhOptions = TOptionSet<TDBGridEhOption>;

enum TScrollBarVisibleModeEh { sbAlwaysShowEh, sbNeverShowEh, sbAutoShowEh };

// The settings of one of the grid's scroll bars.
class TDBGridEhScrollBar {
public:
    bool Visible() const { return visibleMode_ != sbNeverShowEh; }
    void SetVisible(bool visible) { visibleMode_ = visible ? sbAutoShowEh : sbNeverShowEh; }
    TScrollBarVisibleModeEh VisibleMode() const { return visibleMode_; }
    void SetVisibleMode(TScrollBarVisibleModeEh mode) { visibleMode_ = mode; }
    bool Tracking = false;
    // A separate bar that takes the values instead of the grid's own.
    TControlWindow* ExtScrollBar = nullptr;

private:
    TScrollBarVisibleModeEh visibleMode_ = sbAutoShowEh;
};
using TVertDBGridEhScrollBar = TDBGridEhScrollBar;

// Where a grid line lies, for its colour.
enum TGridLinePlaceEh {
    glFixedCells,          // between indicator and title cells
    glDataCells,           // between data cells, frozen or scrolling
    glFrozenSeparator,     // after the last frozen column
    glFooterSeparator,     // between the data area and the footer rows
    glFooterCells,         // between footer cells
    glContraSeparator,     // before the contra columns
};

// The colours of the grid's lines: 18 slots, each a colour or unset; an
// unset slot takes one of the two base colours.
class TGridLineColorsEh {
public:
    static constexpr int kSlots = 18;
    explicit TGridLineColorsEh(class TCustomDBGridEh& grid) : grid_(grid) {}
    // Silver, or grey when the grid itself is silver; unless set.
    QColor DataLineColor() const;
    void SetDataLineColor(const QColor& colour) { dataLine_ = colour; }
    // Grey unless set.
    QColor FixedLineColor() const { return fixedLine_.value_or(QColor(128, 128, 128)); }
    void SetFixedLineColor(const QColor& colour) { fixedLine_ = colour; }
    std::optional<QColor> Slot(int index) const { return slots_.at(size_t(index)); }
    void SetSlot(int index, std::optional<QColor> colour) { slots_.at(size_t(index)) = colour; }
    // The colour a line takes at a place: its slot when set, else a base colour.
    QColor ColourAt(TGridLinePlaceEh place) const;

private:
    TCustomDBGridEh& grid_;
    std::optional<QColor> dataLine_;
    std::optional<QColor> fixedLine_;
    std::array<std::optional<QColor>, kSlots> slots_{};
};

enum TCellHorzTypeEh { ctIndicatorEh, ctDataColEh };
enum TCellVertTypeEh { ctTitleEh, ctFilterEh, ctDataRowEh, ctFooterEh };

struct TCellTypeEh {
    TCellHorzTypeEh Horz;
    TCellVertTypeEh Vert;
    int DataCol;  // the column's index among the grid's columns
    int DataRow;  // data row, or footer index for footer rows
};

// The data-aware grid: one grid column per visible column after an indicator
// column, a title row, the data rows and the footer rows.
class TCustomDBGridEh : public TCustomGridEh, public TColumnsOwnerEh, private TFieldWatcher {
public:
    // The deferred layout message the grid posts to itself.
    static constexpr int kLayoutMessage = 1124;

    TCustomDBGridEh();
    ~TCustomDBGridEh() override;

    TDBGridColumnsEh& Columns() { return columns_; }
    // The visible columns in order, and the columns sorted by their titles' SortIndex.
    const TColumnsEhList& VisibleColumns() const { return visibleColumns_; }
    const TColumnsEhList& SortColumns() const { return sortColumns_; }
    // The stored column list: written only when the columns are persistent.
    std::optional<QJsonArray> StoredColumns() const;
    void ReadStoredColumns(const QJsonArray& columns);
    TGridLineColorsEh& GridLineColors() { return lineColours_; }
    TDBGridEhScrollBar HorzScrollBar;
    TVertDBGridEhScrollBar VertScrollBar;

    TDataSource* DataSource() const { return link_.DataSource(); }
    void SetDataSource(TDataSource* source);

    // The grid's own options; the base grid's follow from them.
    TDBGridOptions Options() const { return options_; }
    void SetOptions(TDBGridOptions options);
    TDBGridEhOptions OptionsEh() const { return optionsEh_; }
    void SetOptionsEh(TDBGridEhOptions options);

    // Data columns that stay in place (the base grid's frozen count follows).
    int FrozenCols() const { return frozenCols_; }
    void SetFrozenCols(int count);
    int FooterRowCount() const { return footerRowCount_; }
    void SetFooterRowCount(int count);
    // An explicit data row height (0: from the font); the base grid's
    // per-row heights stay reachable with a row.
    using TCustomGridEh::RowHeight;
    using TCustomGridEh::SetRowHeight;
    int RowHeight() const { return rowHeight_; }
    void SetRowHeight(int height);
    int RowLines() const { return rowLines_; }
    void SetRowLines(int lines);
    int TitleHeight() const { return titleHeight_; }
    void SetTitleHeight(int height);
    int TitleLines() const { return titleLines_; }
    void SetTitleLines(int lines);
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    void SetReadOnly(bool readOnly);
    void SetUseMultiTitle(bool on);
    void SetFont(const TFontEh& font);
    void SetTitleFont(const TFontEh& font);
    void SetFooterFont(const TFontEh& font);
    void SetColor(const QString& colour);
    void SetFooterColor(const QString& colour);
    // The device text is measured on; the grid borrows a screen device when none is set.
    void SetMeasuringCanvas(TCanvas* canvas) { measuringCanvas_ = canvas; }
    void SetLoading(bool loading) { loading_ = loading; }

    int IndicatorOffset() const;
    int IndicatorWidth() const;
    int TitleOffset() const { return options_.Has(dgTitles) ? 1 : 0; }
    int TopDataOffset() const { return TitleOffset(); }
    int DataRowHeight();
    int TitleRowHeight();
    TCellTypeEh GetCellType(int col, int row) const;
    // How many whole data rows fit between the title row and the footer rows
    // at the current client height (at least 1): the record window's size.
    int DataRowsThatFit();

    // Layout work is batched: changes under the layout lock cost one pass,
    // run by the outermost UnlockLayout; work that cannot run now waits for
    // the deferred layout message.
    void LockLayout();
    void UnlockLayout();
    void DropLayoutLock();
    void RequestLayout() override;
    void PostLayout();
    void HandleLayoutMessage();
    int LayoutLock() const { return layoutLock_; }
    // How many layout passes ran, for tests of the batching.
    int LayoutPassCount() const { return layoutPasses_; }
    int UpdateLock() const { return updateLock_; }
    void TakeUpdateLock() { updateLock_ = quint8(updateLock_ + 1); }
    void ReleaseUpdateLock() { if (updateLock_ > 0) --updateLock_; }

    // The column of the grid's current cell, or null on the indicator.
    TColumnEh* CurrentColumn();
    // Makes a column current and scrolls it into view.
    void MoveToColumn(int columnIndex);

    // The field shown by data column i, or null; built by the layout pass.
    DbField* MappedField(int dataColumn) const;
    int FieldMapCount() const { return int(fieldMap_.size()); }
    int WindowSize() const { return link_.BufferCount(); }
    int RecordsInWindow() const { return link_.RecordCount(); }
    int ActiveRecord() const { return link_.ActiveRecord(); }
    // Painting reads other window rows by selecting their slot for a while.
    void SelectSlotForReading(int slot);
    void RestoreSlot();
    int RecordNumberOfSlot(int slot);

    void SizeRecordWindow();
    void SyncCurrentRow();
    // The vertical bar from the record numbers the sum list knows.
    void UpdateVertScrollBar();
    // A vertical scroll request moves the current record.
    void HandleVertScroll(TScrollCodeEh code, int position);
    // Shows the vertical bar's range, page and position.
    void SetVertScrollBarValues(const TScrollInfo& info);
    // A window at another resolution than the layout's 96 pixels per inch.
    void ScaleColumns(int m, int d);

    // What the columns see.
    DbQuery* DataSet() const override { return link_.DataSet(); }
    bool Loading() const override { return loading_; }
    bool LayoutChangeAnnounced() const override { return layoutAnnounced_; }
    bool HasWindow() const override { return Window() != nullptr; }
    TFontEh Font() const override { return font_; }
    TFontEh TitleFont() const override { return titleFont_; }
    TFontEh FooterFont() const override { return footerFont_; }
    QString Color() const override { return colour_; }
    QString FixedColor() const override { return fixedColour_; }
    QString FooterColor() const override { return footerColour_; }
    bool ReadOnly() const override { return readOnly_; }
    bool UseMultiTitle() const override { return useMultiTitle_; }
    int DefaultColWidth() const override { return TCustomGridEh::DefaultColWidth(); }
    TCanvas& MeasuringCanvas() override;
    TColumnDefValuesEh& ColumnDefValues() override { return columnDefValues_; }
    TDBGridEhSumList* SumList() override { return &sumList_; }
    // The text of a footer cell: the column's footer for that footer row, by
    // its value type, from the sum list's values and the data set.
    QString GetFooterText(int footerRow, TColumnEh& column);
    void ColumnsChanged(TColumnEh* column) override;
    void Repaint() override { InvalidateGrid(); }

    // The data grid repaints a row cell by cell across all columns.
    void InvalidateRow(int row) override;

protected:
    bool ShowsBaseVertScrollBar() const override { return false; }
    void TopLeftChanged() override;

    // What the result set tells the grid through its link.
    void ActiveStateChanged(bool open);
    void WindowContentChanged();
    void RecordMoved(int distance);
    void CurrentRecordChanged(DbField* field);

private:
    bool AcquireLayoutLock();
    void RunLayoutPass();
    void DefineFieldMap();
    void ClearFieldMap();
    void AddFieldMapping(const QString& name);
    void BuildDefaultColumns();
    void FieldDestroyed(DbField* field) override;
    QRect RowBox(int row) const;
    // Grey lines between fixed cells when flat, black otherwise.
    void ApplyFixedLineColour();
    void ApplyBaseOptions();
    void RebuildVisibleColumns();
    void RebuildSortColumns();
    int GridWidthOf(TColumnEh& column);
    void ApplyColumnWidths();

    TDBGridOptions options_;
    TDBGridEhOptions optionsEh_;
    // Before the columns: their footers own items of the sum list.
    TDBGridEhSumList sumList_;
    TColumnDefValuesEh columnDefValues_;
    TDBGridColumnsEh columns_;
    TGridLineColorsEh lineColours_;
    TColumnsEhList visibleColumns_;
    TColumnsEhList sortColumns_;
    // The grid's view of the result set; it hands the data set to the sum list.
    class GridLink : public TDataLink {
    public:
        explicit GridLink(TCustomDBGridEh& grid) : grid_(grid) {}
        void ActiveChanged() override;
        void DataSetChanged() override;
        void DataSetScrolled(int distance) override;
        void RecordChanged(DbField* field) override;
        void LayoutChanged() override;
        void EditingChanged() override;

    private:
        TCustomDBGridEh& grid_;
    };
    GridLink link_{*this};
    TFontEh font_;
    TFontEh titleFont_;
    TFontEh footerFont_;
    QString colour_ = u"clWindow"_qs;
    QString fixedColour_ = u"clBtnFace"_qs;
    QString footerColour_ = u"clWindow"_qs;
    int frozenCols_ = 0;
    int footerRowCount_ = 0;
    int rowHeight_ = 0;
    int rowLines_ = 0;
    int titleHeight_ = 0;
    int titleLines_ = 0;
    bool flat_ = false;
    bool readOnly_ = false;
    bool useMultiTitle_ = false;
    bool loading_ = false;
    TCanvas* measuringCanvas_ = nullptr;
    std::unique_ptr<QImage> screenImage_;
    std::unique_ptr<QPainter> screenPainter_;
    std::unique_ptr<TCanvas> screenCanvas_;
    std::optional<TScrollBarVisibleModeEh> lastVertMode_;
    int lastLeftCol_ = -1;
    quint8 layoutLock_ = 0;
    quint8 updateLock_ = 0;
    bool layoutAnnounced_ = false;
    std::vector<int> fieldMap_;
    bool sparseMap_ = false;
    std::vector<DbField*> watchedFields_;
    int savedSlot_ = -1;
    int indicatorRow_ = -1;  // where painting last drew the record mark; -1 before any
    bool ignoreThumbPosition_ = false;
    int layoutPasses_ = 0;
};
