#pragma once

#include "db/DataSource.h"
#include "grid/DataGrid.h"

#include <QWidget>

class QLabel;
class QMenu;
class QTableWidget;

// FIXME: a plain table stands in for painting the data grid until
// the grid paints itself; the grid object behind it already holds the
// layout's settings and its columns, whose titles, widths, alignments, cell
// texts and footer the table shows.
class ResultGridStandIn : public QWidget, public DataLink {
    Q_OBJECT

public:
    explicit ResultGridStandIn(QWidget* parent = nullptr);

    DataGrid& Grid() { return grid_; }
    void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }
    void SetEvenRowColour(const QColor& colour);
    // Shows the grid's columns as they now are.
    void ShowColumns();

    // The cells as shown, row by row, and the footer text.
    QStringList RowTexts(int row) const;
    int RowCount() const;
    QString FooterText() const;

    void ActiveChanged() override;

private:
    void ShowContextMenu(const QPoint& position);
    void ShowFooter();

    DataGrid grid_;
    QTableWidget* table_;
    QLabel* footer_;
    QMenu* popupMenu_ = nullptr;
};

// Registers the stand-in under the grid's class name, "DataGrid".
void RegisterResultGridStandIn();
