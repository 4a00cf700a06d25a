// The record window: its size, the current row, and the result set's news.
#include "GridRecordWindow.h"

#include "DataGrid.h"

void GridRecordWindow::Size()
{
    DataGrid& g = grid_;
    const int t = g.metrics_.TopDataOffset();
    const int rowsBefore = g.RowCount();
    if (t >= g.RowCount())
        g.SetRowCount(t + 1);
    g.SetFixedRows(t);
    g.SetDefaultRowHeight(g.metrics_.DataRowHeight());
    if (g.options_.Has(DataGrid::Option::Titles))
        g.SetRowHeight(0, g.metrics_.TitleRowHeight());
    if (Active() && RecordCount() >= 1 && g.Window()) {
        SetBufferCount(RowsThatFit());
        g.SetRowCount(RecordCount() + t);
        g.SetContraRowCount(qMax(0, g.settings_.FooterRowCount));
        SyncCurrentRow();
    } else {
        g.SetRowCount(t + 1);
        g.SetContraRowCount(qMax(0, g.settings_.FooterRowCount));
    }
    if (g.RowCount() != rowsBefore)
        g.InvalidateGrid();
}

void GridRecordWindow::SyncCurrentRow()
{
    DataGrid& g = grid_;
    if (!Active() || !g.Window() || g.Loading())
        return;
    const int row = ActiveRecord() + g.metrics_.TopDataOffset();
    if (row != g.Current().Row && row < g.RowCount()) {
        // The editor belongs to the record it was opened on.
        if (!g.options_.Has(DataGrid::Option::AlwaysShowEditor))
            g.editor_.Hide();
        g.SetCurrent({g.Current().Col, row});
    }
    g.editor_.Refresh();
}

int GridRecordWindow::RowsThatFit() const
{
    const DataGrid& g = grid_;
    const int line = g.options_.Has(DataGrid::Option::RowLines) ? g.GridLineWidth() : 0;
    const int dataRow = g.metrics_.DataRowHeight();
    int used = 0;
    if (g.options_.Has(DataGrid::Option::Titles))
        used += g.metrics_.TitleRowHeight() + line;
    for (int i = 1; i < g.metrics_.TopDataOffset(); ++i)
        used += dataRow + line;
    for (int i = 0; i < g.settings_.FooterRowCount; ++i)
        used += dataRow + line;
    if (g.settings_.FooterRowCount > 0)
        used += line;
    const int client = g.Window() ? g.Window()->ClientSize().height() : 0;
    return qMax(1, (client - used) / (dataRow + line));
}

void GridRecordWindow::ActiveChanged()
{
    DataGrid& g = grid_;
    g.sumList_.SetDataSet(DataSet());
    g.sumsStale_ = true;
    // A closed result is laid out later: a search, which opens it again at
    // once, costs one pass.
    if (Active() || !g.Window())
        g.RequestLayout();
    else
        g.batch_.Queue();
    g.vertBar_.Update();
    // Persistent columns follow the fields of the new opening, or let go of the old ones.
    if (g.columns_.PersistentState())
        g.columns_.BindFieldsByName();
}

void GridRecordWindow::DataSetChanged()
{
    if (!grid_.Window())
        return;
    Size();
    grid_.vertBar_.Update();
    SyncCurrentRow();
    grid_.InvalidateGrid();
}

void GridRecordWindow::LayoutChanged()
{
    grid_.layoutAnnounced_ = true;
    grid_.RequestLayout();
    grid_.layoutAnnounced_ = false;
}

QRect GridRecordWindow::RowBox(int row) const
{
    const DataGrid& g = grid_;
    const QRect cells = g.RangeBounds(0, g.ColCount() + g.ContraColCount() - 1, row, row, true);
    if (cells.isEmpty() || !g.Window())
        return QRect();
    return QRect(0, cells.top(), g.Window()->ClientSize().width(), cells.height());
}

void GridRecordWindow::DataSetScrolled(int distance)
{
    DataGrid& g = grid_;
    ControlWindow* window = g.Window();
    if (!window)
        return;
    const int t = g.metrics_.TopDataOffset();
    const QRect oldBox = RowBox(g.Current().Row);
    if (ActiveRecord() >= g.RowCount() - t)
        Size();
    g.vertBar_.Update();
    SyncCurrentRow();
    const QRect newBox = RowBox(g.Current().Row);
    if (!oldBox.isEmpty())
        window->Invalidate(oldBox);
    if (!newBox.isEmpty())
        window->Invalidate(newBox);
    if (distance != 0) {
        const int rows = g.RowCount() - t;
        // Beyond a screenful everything is repainted, and that is all.
        if (qAbs(distance) > rows) {
            g.InvalidateGrid();
            return;
        }
        const bool indicator = g.options_.Has(DataGrid::Option::Indicator);
        if (indicator && g.IndicatorRow() >= 0)
            g.InvalidateRow(g.IndicatorRow());
        const int line = g.options_.Has(DataGrid::Option::RowLines) ? g.GridLineWidth() : 0;
        const QRect area = g.RangeBounds(0, g.ColCount() - 1, t, g.RowCount() - 1, true);
        if (!area.isEmpty())
            window->ScrollRect(QRect(0, area.top(), window->ClientSize().width(), area.height()), 0,
                               -distance * (g.DefaultRowHeight() + line));
        if (indicator)
            g.InvalidateRow(g.Current().Row);
        // The first row shown may now repeat nothing: hidden duplicates show again.
        for (int i = 0; i < g.columns_.Count(); ++i)
            if (g.columns_.Item(i).HideDuplicates) {
                g.InvalidateRow(t);
                break;
            }
    }
    for (int row = g.RowCount(); row < g.RowCount() + g.ContraRowCount(); ++row)
        g.InvalidateRow(row);
    if (!g.UpdateLocked())
        window->FlushPaint();
}
