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
        setUpFirstSearch(connection_, query_, dir_.path());
        source_.setDataSet(&query_);
        grid_.setMeasuringCanvas(&canvas_);
        grid_.setWindow(&window_);
    }

    // The main window's settings: eight columns, four frozen, one footer row.
    void mainWindowColumns()
    {
        applyMainWindowGrid(grid_);
        grid_.setDataSource(&source_);
    }

    QTemporaryDir dir_;
    Connection connection_;
    Query query_;
    DataSource source_;
    RecordingCanvas canvas_;
    FakeWindow window_{QSize(1120, 288)};  // (288 - 19 - 1 - 20 - 1) div 20 = 12 data rows
    DataGrid grid_;
};
