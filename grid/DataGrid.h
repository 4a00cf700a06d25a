#pragma once

#include "CellGrid.h"
#include "FieldBinding.h"
#include "GridColumns.h"
#include "GridEditor.h"
#include "GridEvents.h"
#include "GridKeys.h"
#include "GridLayoutBatch.h"
#include "GridLayoutSettings.h"
#include "GridLineColours.h"
#include "GridMouse.h"
#include "GridPainter.h"
#include "GridRecordWindow.h"
#include "GridRowMetrics.h"
#include "GridVertBar.h"

#include "sumlist/SumList.h"

#include <memory>

class ImageCanvas;

// The data-aware grid: one grid column per visible column after an indicator
// column, a title row, the data rows and the footer rows. It coordinates its
// parts: the window's messages, the painter, the mouse and the keys, the
// record window, the vertical bar, the layout batch, the row metrics, the
// field binding and the in-place editor.
class DataGrid : public CellGrid, public ColumnsOwner {
public:
    // The indicator column's width, and the room around a title's text.
    static constexpr int kIndicatorWidth = 11;
    static constexpr int kTitleTextMargin = 4;

    DataGrid();
    ~DataGrid() override;

    // What the grid's window tells it goes to its parts.
    ControlMessages& messages() { return events_; }
    // The window's client area changed size.
    void resized() override;
    // The grid has a window now: the record window takes the rows that fit.
    void windowCreated();
    // The stored configuration has been read: options, sort columns and the
    // sum list take effect, and the layout follows.
    void loaded();

    // Opens the find dialog with a text to show; assigned by the window that has one.
    std::function<void(const QString& text, bool modal)> openFindDialog;
    // The row where the record mark was last drawn; -1 before any.
    int indicatorRow() const { return painter_.indicatorRow(); }

    GridColumns& columns() { return columns_; }
    const GridColumns& columns() const { return columns_; }
    // Replaces the columns as `build` makes them, with no layout work until it is done.
    void replaceColumns(const std::function<void(GridColumns&)>& build);
    const GridLineColours& gridLineColors() const { return lineColours_; }

    ::DataSource* dataSource() const { return link_.dataSource(); }
    void setDataSource(::DataSource* source);

    // The grid's shape; a change lays the grid out. A negative frozen or
    // footer count leaves that count as it was.
    const GridLayoutSettings& layoutSettings() const { return settings_; }
    void changeLayoutSettings(const std::function<void(GridLayoutSettings&)>& change);
    // The grid's fonts and colours; a change lays the grid out and repaints it.
    const GridAppearance& appearance() const override { return appearance_; }
    void changeAppearance(const std::function<void(GridAppearance&)>& change);
    void setReadOnly(bool readOnly);
    // The device text is measured on; the grid borrows a screen device when none is set.
    void setMeasuringCanvas(Canvas* canvas) { measuringCanvas_ = canvas; }
    void setLoading(bool loading) { loading_ = loading; }

    const GridRowMetrics& metrics() const { return metrics_; }
    const GridRecordWindow& recordWindow() const { return link_; }
    GridVertBar& vertBar() { return vertBar_; }
    GridLayoutBatch& layoutBatch() { return batch_; }
    GridEditor& editor() { return editor_; }
    void requestLayout() override { batch_.request(); }

    // The column of the grid's current cell, or null on the indicator.
    GridColumn* currentColumn();
    // Makes a grid column current and scrolls it into view: exactly that
    // column (direction 0), or the next one that is at least a pixel wide in
    // a direction; nothing when there is none.
    void moveCol(int gridCol, int direction);
    void moveToColumn(int columnIndex) { moveCol(columnIndex + metrics_.indicatorOffset(), 0); }

    GridMouse& mouse() { return mouse_; }
    // A resize met while the update lock was held is caught up once it is released.
    void catchUpResize();
    // Whether the result set is open.
    bool resultOpen() const { return link_.active(); }
    // The grid's column widths became the columns' widths.
    void colWidthsChanged();

    // Which field each column shows; built by the layout pass.
    const FieldBinding& binding() const { return binding_; }

    // What the columns see.
    Query* dataSet() const override { return link_.dataSet(); }
    // Reading the configuration, or going: no layout work.
    bool loading() const override { return loading_ || destroying_; }
    bool readOnly() const override { return readOnly_; }
    // A canvas to measure text on (the grid's, or a borrowed screen device).
    Canvas& measuringCanvas() const;
    ::SumList* sumList() override { return &sumList_; }
    void columnsChanged(GridColumn* column) override;
    void repaint() override { invalidateGrid(); }

    // The data grid repaints a row cell by cell across all columns.
    void invalidateRow(int row) override;

protected:
    void topLeftChanged() override;

private:
    friend class GridEvents;
    friend class GridLayoutBatch;
    friend class GridRecordWindow;

    // Binds the fields, counts and sizes the columns, sizes the rows and the
    // record window, and recounts the footer when the result opened or closed.
    void runLayoutPass();
    // The horizontal bar shows while there are columns to scroll to.
    void applyScrollBarSettings();
    void applyColumnWidths();

    GridAppearance appearance_;
    GridLayoutSettings settings_;
    // Before the columns: their footers own items of the sum list.
    ::SumList sumList_;
    GridColumns columns_;
    GridLineColours lineColours_;
    GridRecordWindow link_{*this};
    bool readOnly_ = false;
    bool loading_ = false;
    bool destroying_ = false;
    Canvas* measuringCanvas_ = nullptr;
    mutable std::unique_ptr<ImageCanvas> screenCanvas_;
    int lastLeftCol_ = -1;
    bool sizeChangedWhileLocked_ = false;
    GridEvents events_{*this};
    GridMouse mouse_{*this};
    GridKeys keys_{*this};
    FieldBinding binding_{*this};
    GridPainter painter_{*this};
    GridRowMetrics metrics_{*this};
    GridVertBar vertBar_{*this};
    GridLayoutBatch batch_{*this};
    GridEditor editor_{*this};
    // The result opened or closed since the footer values were worked out.
    bool sumsStale_ = false;
};
