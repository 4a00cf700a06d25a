#pragma once

#include "grid/DataGrid.h"
#include "platform/ControlWidget.h"

// The data grid in a window of its own: the component a stored layout names
// "DataGrid". A right click shows the grid's context menu once the press has
// made the clicked row current; Ctrl+F opens the find dialog over it.
class DataGridWidget : public ControlWidget {
    Q_OBJECT

public:
    explicit DataGridWidget(QWidget* parent = nullptr);
    ~DataGridWidget() override;

    DataGrid& grid() { return grid_; }

private:
    DataGrid grid_;
};

// Registers the class "DataGrid" with the stored-layout loader.
void registerDataGridWidget();
