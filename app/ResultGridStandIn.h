#pragma once

#include "db/DataSource.h"

#include <QList>
#include <QString>
#include <QWidget>

class QLabel;
class QMenu;
class QTableWidget;

// FIXME: a plain table standing in for the data grid DBGridEh1 until the grid
// lands; it keeps the layout's grid properties and shows the rows, the
// alternating row colour, the footer count and the context menu.
class ResultGridStandIn : public QWidget, public TDataLink {
    Q_OBJECT

public:
    struct Column {
        QString FieldName;
        QString Title;
        int Width = 64;
        QString Alignment;       // "center", "right", "left" or empty: the field's
        QString TitleAlignment;  // empty: left
        QString FooterFormat;    // display format of a count footer, e.g. "共#0条"
    };

    explicit ResultGridStandIn(QWidget* parent = nullptr);

    void SetColumns(const QList<Column>& columns);
    const QList<Column>& Columns() const { return columns_; }
    void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }
    void SetEvenRowColour(const QColor& colour);

    // The cells as shown, row by row, and the footer text.
    QStringList RowTexts(int row) const;
    int RowCount() const;
    QString FooterText() const;

    void ActiveChanged() override;

private:
    void ShowContextMenu(const QPoint& position);

    QList<Column> columns_;
    QTableWidget* table_;
    QLabel* footer_;
    QMenu* popupMenu_ = nullptr;
};

// Registers the stand-in under the grid's class name, "DBGridEh".
void RegisterResultGridStandIn();
