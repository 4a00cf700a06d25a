#pragma once

// A data grid over the first search of the shipped catalogue, with the main
// window's settings when asked, a fake window and fixed text metrics.
#include "grid/DataGrid.h"

#include "db/Connection.h"
#include "support/FakeWindow.h"
#include "support/MainWindowGrid.h"
#include "support/RecordingCanvas.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

class CatalogueGrid : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetUpFirstSearch(connection_, query_, dir_.path());
        source_.SetDataSet(&query_);
        grid_.SetMeasuringCanvas(&canvas_);
        grid_.SetWindow(&window_);
    }

    // The main window's settings: eight columns, four frozen, one footer row.
    void MainWindowColumns()
    {
        ApplyMainWindowGrid(grid_);
        grid_.SetDataSource(&source_);
    }

    QTemporaryDir dir_;
    Connection connection_;
    Query query_;
    DataSource source_;
    RecordingCanvas canvas_;
    FakeWindow window_{QSize(1120, 288)};  // (288 - 19 - 1 - 20 - 1) div 20 = 12 data rows
    DataGrid grid_;
};
