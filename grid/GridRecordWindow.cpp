// The record window: its size, the current row, and the result set's news.
#include "GridRecordWindow.h"

#include "DataGrid.h"

void GridRecordWindow::size()
{
    DataGrid& g = grid_;
    const int t = g.metrics_.topDataOffset();
    const int rowsBefore = g.rowCount();
    if (t >= g.rowCount())
        g.setRowCount(t + 1);
    g.setFixedRows(t);
    g.setDefaultRowHeight(g.metrics_.dataRowHeight());
    g.setRowHeight(0, g.metrics_.titleRowHeight());
    if (active() && recordCount() >= 1 && g.window()) {
        setBufferCount(rowsThatFit());
        g.setRowCount(recordCount() + t);
        g.setContraRowCount(qMax(0, g.settings_.footerRowCount));
        syncCurrentRow();
    } else {
        g.setRowCount(t + 1);
        g.setContraRowCount(qMax(0, g.settings_.footerRowCount));
    }
    if (g.rowCount() != rowsBefore)
        g.invalidateGrid();
}

void GridRecordWindow::syncCurrentRow()
{
    DataGrid& g = grid_;
    if (!active() || !g.window() || g.loading())
        return;
    const int row = activeRecord() + g.metrics_.topDataOffset();
    if (row != g.current().row && row < g.rowCount()) {
        // The editor belongs to the record it was opened on.
        g.editor_.hide();
        g.setCurrent({g.current().col, row});
    }
    g.editor_.refresh();
}

int GridRecordWindow::rowsThatFit() const
{
    const DataGrid& g = grid_;
    const int line = g.gridLineWidth();
    const int dataRow = g.metrics_.dataRowHeight();
    int used = g.metrics_.titleRowHeight() + line;
    for (int i = 1; i < g.metrics_.topDataOffset(); ++i)
        used += dataRow + line;
    for (int i = 0; i < g.settings_.footerRowCount; ++i)
        used += dataRow + line;
    if (g.settings_.footerRowCount > 0)
        used += line;
    const int client = g.window() ? g.window()->clientSize().height() : 0;
    return qMax(1, (client - used) / (dataRow + line));
}

void GridRecordWindow::activeChanged()
{
    DataGrid& g = grid_;
    g.sumList_.setDataSet(dataSet());
    g.sumsStale_ = true;
    // A closed result is laid out later: a search, which opens it again at
    // once, costs one pass.
    if (active() || !g.window())
        g.requestLayout();
    else
        g.batch_.queue();
    g.vertBar_.update();
    // The columns follow the fields of the new opening, or let go of the old ones.
    g.columns_.bindFieldsByName();
}

void GridRecordWindow::dataSetChanged()
{
    if (!grid_.window())
        return;
    size();
    grid_.vertBar_.update();
    syncCurrentRow();
    grid_.invalidateGrid();
}

QRect GridRecordWindow::rowBox(int row) const
{
    const DataGrid& g = grid_;
    const QRect cells = g.rangeBounds(0, g.colCount() - 1, row, row, true);
    if (cells.isEmpty() || !g.window())
        return QRect();
    return QRect(0, cells.top(), g.window()->clientSize().width(), cells.height());
}

void GridRecordWindow::dataSetScrolled(int distance)
{
    DataGrid& g = grid_;
    ControlWindow* window = g.window();
    if (!window)
        return;
    const int t = g.metrics_.topDataOffset();
    const QRect oldBox = rowBox(g.current().row);
    if (activeRecord() >= g.rowCount() - t)
        size();
    g.vertBar_.update();
    syncCurrentRow();
    const QRect newBox = rowBox(g.current().row);
    if (!oldBox.isEmpty())
        window->invalidate(oldBox);
    if (!newBox.isEmpty())
        window->invalidate(newBox);
    if (distance != 0) {
        const int rows = g.rowCount() - t;
        // Beyond a screenful everything is repainted, and that is all.
        if (qAbs(distance) > rows) {
            g.invalidateGrid();
            return;
        }
        if (g.indicatorRow() >= 0)
            g.invalidateRow(g.indicatorRow());
        const int line = g.gridLineWidth();
        const QRect area = g.rangeBounds(0, g.colCount() - 1, t, g.rowCount() - 1, true);
        if (!area.isEmpty())
            window->scrollRect(QRect(0, area.top(), window->clientSize().width(), area.height()), 0,
                               -distance * (g.defaultRowHeight() + line));
        g.invalidateRow(g.current().row);
    }
    for (int row = g.rowCount(); row < g.rowCount() + g.contraRowCount(); ++row)
        g.invalidateRow(row);
    if (!g.updateLocked())
        window->flushPaint();
}
