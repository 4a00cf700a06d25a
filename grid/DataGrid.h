#pragma once

#include "CellGrid.h"
#include "FieldBinding.h"
#include "GridColumn.h"
#include "GridKeys.h"
#include "GridLayoutSettings.h"
#include "GridMouse.h"
#include "GridPainter.h"

#include "db/DataSource.h"
#include "sumlist/SumList.h"

#include <QColor>
#include <array>
#include <memory>
#include <optional>

class ImageCanvas;

// The settings of one of the grid's scroll bars.
class GridScrollBar {
public:
    enum class Showing { Always, Never, Auto };

    bool Visible() const { return visibleMode_ != Showing::Never; }
    void SetVisible(bool visible) { visibleMode_ = visible ? Showing::Auto : Showing::Never; }
    Showing VisibleMode() const { return visibleMode_; }
    void SetVisibleMode(Showing mode) { visibleMode_ = mode; }
    bool Tracking = false;
    // A separate bar that takes the values instead of the grid's own.
    ControlWindow* ExtScrollBar = nullptr;

private:
    Showing visibleMode_ = Showing::Auto;
};

// The colours of the grid's lines: 18 slots, each a colour or unset; an
// unset slot takes one of the two base colours.
class GridLineColours {
public:
    // Where a grid line lies.
    enum class Place {
        FixedCells,       // between indicator and title cells
        DataCells,        // between data cells, frozen or scrolling
        FrozenSeparator,  // after the last frozen column
        FooterSeparator,  // between the data area and the footer rows
        FooterCells,      // between footer cells
        ContraSeparator,  // before the contra columns
    };
    static constexpr int kSlots = 18;
    explicit GridLineColours(class DataGrid& grid) : grid_(grid) {}
    // Silver, or grey when the grid itself is silver; unless set.
    QColor DataLineColor() const;
    void SetDataLineColor(const QColor& colour) { dataLine_ = colour; }
    // Grey unless set.
    QColor FixedLineColor() const { return fixedLine_.value_or(QColor(128, 128, 128)); }
    void SetFixedLineColor(const QColor& colour) { fixedLine_ = colour; }
    std::optional<QColor> Slot(int index) const { return slots_.at(size_t(index)); }
    void SetSlot(int index, std::optional<QColor> colour) { slots_.at(size_t(index)) = colour; }
    // The colour a line takes at a place: its slot when set, else a base colour.
    QColor ColourAt(Place place) const;

private:
    DataGrid& grid_;
    std::optional<QColor> dataLine_;
    std::optional<QColor> fixedLine_;
    std::array<std::optional<QColor>, kSlots> slots_{};
};

// What a cell shows, by its column and by its row.
struct CellKind {
    enum class Column { Indicator, Data };
    enum class Row { Title, Filter, Data, Footer };
    Column Horz;
    Row Vert;
    int DataCol;  // the column's index among the grid's columns
    int DataRow;  // data row, or footer index for footer rows
};

// The data-aware grid: one grid column per visible column after an indicator
// column, a title row, the data rows and the footer rows.
// A footer cell's look as the painter is about to draw it.
struct FooterParams {
    QString Text;
    TextAlignment Alignment = TextAlignment::Left;
    Colour Background;
    GridFont Font;
};

class DataGrid : public CellGrid, public ColumnsOwner, public ControlMessages {
public:
    enum class Option : unsigned {
        Editing = 1u << 0,
        AlwaysShowEditor = 1u << 1,
        Titles = 1u << 2,
        Indicator = 1u << 3,
        ColumnResize = 1u << 4,
        ColLines = 1u << 5,
        RowLines = 1u << 6,
        Tabs = 1u << 7,
        RowSelect = 1u << 8,
        AlwaysShowSelection = 1u << 9,
        ConfirmDelete = 1u << 10,
        CancelOnExit = 1u << 11,
        MultiSelect = 1u << 12,
    };
    using OptionSet = BitSet<Option>;
    enum class ExtraOption : unsigned {
        Fixed3D = 1u << 0,
        Frozen3D = 1u << 1,
        Footer3D = 1u << 2,
        Data3D = 1u << 3,
        HighlightFocus = 1u << 5,
        FitRowHeightToText = 1u << 7,
        RowHighlight = 1u << 14,
        DialogFind = 1u << 16,
        ShowRecNo = 1u << 18,
        ColumnResize = 1u << 19,
        ColumnMove = 1u << 20,
    };
    using ExtraOptionSet = BitSet<ExtraOption>;
    // The indicator column's width, and the room around a title's text.
    static constexpr int kIndicatorWidth = 11;
    static constexpr int kTitleTextMargin = 4;

    DataGrid();
    ~DataGrid() override;

    // What the grid's window tells it.
    void Paint(Canvas& canvas, const QRegion& invalid) override { painter_.Paint(canvas, invalid); }
    void Resized() override;
    void QueuedLayout() override;
    void ScrollRequest(ScrollBarKind bar, ScrollCode code, int position) override;
    void Wheel(int delta, Qt::KeyboardModifiers modifiers, const QPoint& at) override;
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at, bool doubleClick) override
    {
        mouse_.Press(button, modifiers, at, doubleClick);
    }
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const QPoint& at) override
    {
        mouse_.Move(buttons, modifiers, at);
    }
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at) override
    {
        mouse_.Release(button, modifiers, at);
    }
    void KeyDown(int key, Qt::KeyboardModifiers modifiers) override { keys_.KeyDown(key, modifiers); }
    void KeyPress(QChar character) override { keys_.KeyPress(character); }
    void TimerTick() override { mouse_.TimerTick(); }
    void CancelMode() override { mouse_.Cancel(); }
    void FocusIn() override;
    void FocusOut() override;
    void SystemColoursChanged(int bitsPerPixel) override;
    // Arrows always; Tab with Tab moves, unless whole rows are selected.
    bool WantsTab() const override;
    // The grid has a window now: the record window takes the rows that fit.
    void WindowCreated();
    // The stored configuration has been read: options, sort columns and the
    // sum list take effect, and the layout follows.
    void Loaded();

    // Opens the find dialog with a text to show; assigned by the window that has one.
    std::function<void(const QString& text, bool modal)> OpenFindDialog;
    // The row where the record mark was last drawn; -1 before any.
    int IndicatorRow() const { return painter_.IndicatorRow(); }

    GridColumns& Columns() { return columns_; }
    // The visible columns in order, and the columns sorted by their titles' SortIndex.
    const ColumnList& VisibleColumns() const { return visibleColumns_; }
    const ColumnList& SortColumns() const { return sortColumns_; }
    // Replaces the columns as `build` makes them, with no layout work until it is done.
    void ReplaceColumns(const std::function<void(GridColumns&)>& build);
    GridLineColours& GridLineColors() { return lineColours_; }
    GridScrollBar HorzScrollBar;
    GridScrollBar VertScrollBar;

    ::DataSource* DataSource() const { return link_.DataSource(); }
    void SetDataSource(::DataSource* source);

    // The grid's own options; the base grid's follow from them.
    OptionSet Options() const { return options_; }
    void SetOptions(OptionSet options);
    ExtraOptionSet ExtraOptions() const { return extraOptions_; }
    void SetExtraOptions(ExtraOptionSet options);

    // The grid's shape; a change lays the grid out. A negative frozen or
    // footer count leaves that count as it was; negative heights become 0.
    const GridLayoutSettings& LayoutSettings() const { return settings_; }
    void ChangeLayoutSettings(const std::function<void(GridLayoutSettings&)>& change);
    // The grid's fonts and colours; a change lays the grid out and repaints it.
    const GridAppearance& Appearance() const override { return appearance_; }
    void ChangeAppearance(const std::function<void(GridAppearance&)>& change);
    void SetReadOnly(bool readOnly);
    // The device text is measured on; the grid borrows a screen device when none is set.
    void SetMeasuringCanvas(Canvas* canvas) { measuringCanvas_ = canvas; }
    void SetLoading(bool loading) { loading_ = loading; }

    int IndicatorOffset() const;
    int IndicatorWidth() const;
    int TitleOffset() const { return options_.Has(Option::Titles) ? 1 : 0; }
    int TopDataOffset() const { return TitleOffset(); }
    int DataRowHeight() const;
    int TitleRowHeight() const;
    CellKind GetCellType(int col, int row) const;
    // How many whole data rows fit between the title row and the footer rows
    // at the current client height (at least 1): the record window's size.
    int DataRowsThatFit() const;

    // Layout work is batched: changes under the layout lock cost one pass,
    // run by the outermost UnlockLayout; work that cannot run now waits for
    // the queued layout.
    void LockLayout();
    void UnlockLayout();
    void DropLayoutLock();
    void RequestLayout() override;
    void DeferLayout();
    void QueueLayoutPass();
    int LayoutLock() const { return layoutLock_; }
    // How many layout passes ran, for tests of the batching.
    int LayoutPassCount() const { return layoutPasses_; }

    // The column of the grid's current cell, or null on the indicator.
    GridColumn* CurrentColumn();
    // Makes a grid column current and scrolls it into view: exactly that
    // column (direction 0), or the next one that is at least a pixel wide in
    // a direction; nothing when there is none.
    void MoveCol(int gridCol, int direction);
    void MoveToColumn(int columnIndex) { MoveCol(columnIndex + IndicatorOffset(), 0); }

    const GridMouse& Mouse() const { return mouse_; }
    GridMouse& MouseInput() { return mouse_; }
    // A resize met while the update lock was held is caught up once it is released.
    void CatchUpResize();
    // Data rows are tall enough for more than one line of text.
    bool MultiLineRows() const { return multiLineRows_; }
    // Whether the result set is open.
    bool ResultOpen() const { return link_.Active(); }
    // The grid's column widths became the columns' widths.
    void ColWidthsChanged();

    // The read-only in-place editor over the current cell.
    void ShowEditor();
    void HideEditor();
    // An open editor follows its cell and the current record's text.
    void RefreshEditor();
    bool EditorShown() const { return Window() && Window()->EditorShown(); }

    // Which field each column shows; built by the layout pass.
    const FieldBinding& Binding() const { return binding_; }
    int WindowSize() const { return link_.BufferCount(); }
    int RecordsInWindow() const { return link_.RecordCount(); }
    int ActiveRecord() const { return link_.ActiveRecord(); }
    // The record a window row shows, or -1.
    int RecordAtRow(int dataRow) const { return link_.RecordAt(dataRow); }

    void SizeRecordWindow();
    void SyncCurrentRow();
    // The vertical bar from the record numbers the sum list knows.
    void UpdateVertScrollBar();
    // A vertical scroll request moves the current record.
    void HandleVertScroll(ScrollCode code, int position);
    // Shows the vertical bar's range, page and position.
    void SetVertScrollBarValues(const ScrollBarInfo& info);

    // What the columns see.
    Query* DataSet() const override { return link_.DataSet(); }
    // Reading the configuration, or going: no layout work.
    bool Loading() const override { return loading_ || destroying_; }
    bool LayoutChangeAnnounced() const override { return layoutAnnounced_; }
    bool HasWindow() const override { return Window() != nullptr; }
    bool ReadOnly() const override { return readOnly_; }
    bool UseMultiTitle() const override { return settings_.UseMultiTitle; }
    int DefaultColWidth() const override { return CellGrid::DefaultColWidth(); }
    Canvas& MeasuringCanvas() const override;
    ColumnDefaults& ColumnDefValues() override { return columnDefValues_; }
    ::SumList* SumList() override { return &sumList_; }
    // The text of a footer cell: the column's footer for that footer row, by
    // its value type, from the sum list's values and the data set.
    QString GetFooterText(int footerRow, GridColumn& column);
    void ColumnsChanged(GridColumn* column) override;
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

private:


    bool AcquireLayoutLock();
    // The padding of a data row around its text: the 3-D edge and the line.
    int RowPad() const;
    // With FitRowHeightToText the row height is kept as whole lines of text.
    void FitRowHeightToText();
    // Whether a data row is taller than one line of the grid's font.
    void NoteMultiLineRows();
    // The horizontal bar as HorzScrollBar asks for it.
    void ApplyScrollBarSettings();
    void RunLayoutPass();
    QRect RowBox(int row) const;
    // Grey lines between fixed cells when flat, black otherwise.
    void ApplyFixedLineColour();
    void ApplyBaseOptions();
    void RebuildVisibleColumns();
    void RebuildSortColumns();
    int GridWidthOf(const GridColumn& column) const;
    void ApplyColumnWidths();

    OptionSet options_;
    GridAppearance appearance_;
    GridLayoutSettings settings_;
    ExtraOptionSet extraOptions_;
    // Before the columns: their footers own items of the sum list.
    ::SumList sumList_;
    ColumnDefaults columnDefValues_;
    GridColumns columns_;
    GridLineColours lineColours_;
    ColumnList visibleColumns_;
    ColumnList sortColumns_;
    // The grid's view of the result set; it hands the data set to the sum list.
    class GridLink : public DataLink {
    public:
        explicit GridLink(DataGrid& grid) : grid_(grid) {}
        void ActiveChanged() override;
        void DataSetChanged() override;
        void DataSetScrolled(int distance) override;
        void LayoutChanged() override;

    private:
        DataGrid& grid_;
    };
    GridLink link_{*this};
    bool readOnly_ = false;
    bool loading_ = false;
    bool destroying_ = false;
    Canvas* measuringCanvas_ = nullptr;
    mutable std::unique_ptr<ImageCanvas> screenCanvas_;
    std::optional<GridScrollBar::Showing> lastVertMode_;
    int lastLeftCol_ = -1;
    quint8 layoutLock_ = 0;
    bool layoutAnnounced_ = false;
    bool sizeChangedWhileLocked_ = false;
    int wheelRest_ = 0;  // wheel turns short of a notch
    GridMouse mouse_{*this};
    GridKeys keys_{*this};
    FieldBinding binding_{*this};
    GridPainter painter_{*this};
    // Data rows are tall enough for more than one line of text.
    bool multiLineRows_ = false;
    bool ignoreThumbPosition_ = false;
    int layoutPasses_ = 0;
    // The result opened or closed since the footer values were worked out.
    bool sumsStale_ = false;
};
