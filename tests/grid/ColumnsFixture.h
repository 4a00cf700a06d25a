#pragma once

#include "grid/GridColumns.h"

#include "sumlist/SumList.h"

#include "db/Connection.h"
#include "db/Query.h"
#include "app/GridLayoutReader.h"
#include "support/MainWindowGrid.h"
#include "support/QueryProgram.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

// A grid for the columns: its fonts and colours as the main window sets them,
// a result set over the shipped catalogue, and a record of what reached it.
class FakeGrid : public ColumnsOwner {
public:
    Query* dataSet() const override { return openDataSet; }
    bool loading() const override { return loadingNow; }
    const GridAppearance& appearance() const override { return look; }
    bool readOnly() const override { return readOnlyGrid; }
    ::SumList* sumList() override { return &sums; }
    void columnsChanged(GridColumn* column) override
    {
        changes.append(column ? QString::number(column->index()) : QStringLiteral("all"));
    }
    void repaint() override { ++repaints; }
    void requestLayout() override { ++layouts; }

    Query* openDataSet = nullptr;
    bool loadingNow = false;
    bool readOnlyGrid = true;
    GridAppearance look = [] {
        GridAppearance initial;
        initial.footerColor = colourFromName(QStringLiteral("clInactiveBorder"));
        return initial;
    }();
    ::SumList sums;
    QStringList changes;
    int repaints = 0;
    int layouts = 0;

};

// The main window's eight columns over a search of the shipped catalogue.
class Columns : public ::testing::Test {
protected:
    void SetUp() override
    {
        setUpFirstSearch(connection_, query_, dir_.path());
        grid_.openDataSet = &query_;
    }

    // The eight columns as the main window stores them.
    void addMainWindowColumns() { readGridColumns(columns_, mainWindowGridSettings().value(u"Columns").toArray()); }

    QTemporaryDir dir_;
    Connection connection_;
    Query query_;
    FakeGrid grid_;
    GridColumns columns_{&grid_};
};
