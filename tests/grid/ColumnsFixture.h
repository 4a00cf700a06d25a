#pragma once

#include "grid/GridColumns.h"

#include "sumlist/SumList.h"

#include "db/Connection.h"
#include "db/Query.h"
#include "app/GridLayoutReader.h"
#include "support/MainWindowGrid.h"
#include "support/QueryProgram.h"
#include "support/RecordingCanvas.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

// A grid for the columns: its fonts and colours as the main window sets them,
// a result set over the shipped catalogue, and a record of what reached it.
class FakeGrid : public ColumnsOwner {
public:
    FakeGrid() : defaults_(this) {}

    Query* DataSet() const override { return dataSet; }
    bool Loading() const override { return loading; }
    bool LayoutChangeAnnounced() const override { return false; }
    bool HasWindow() const override { return true; }
    const GridAppearance& Appearance() const override { return appearance; }
    bool ReadOnly() const override { return readOnly; }
    bool UseMultiTitle() const override { return false; }
    Canvas& MeasuringCanvas() const override { return canvas; }
    ColumnDefaults& ColumnDefValues() override { return defaults_; }
    ::SumList* SumList() override { return &sumList; }
    void ColumnsChanged(GridColumn* column) override
    {
        changes.append(column ? QString::number(column->Index()) : QStringLiteral("all"));
    }
    void Repaint() override { ++repaints; }
    void RequestLayout() override { ++layouts; }

    Query* dataSet = nullptr;
    bool loading = false;
    bool readOnly = true;
    GridAppearance appearance = [] {
        GridAppearance look;
        look.FooterColor = ColourFromName(QStringLiteral("clInactiveBorder"));
        return look;
    }();
    mutable RecordingCanvas canvas;
    ::SumList sumList;
    QStringList changes;
    int repaints = 0;
    int layouts = 0;

private:
    ColumnDefaults defaults_;
};

// The main window's eight columns over a search of the shipped catalogue.
class Columns : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetUpFirstSearch(connection_, query_, dir_.path());
        grid_.dataSet = &query_;
    }

    // The eight columns as the main window stores them.
    void AddMainWindowColumns() { ReadGridColumns(columns_, MainWindowGridSettings().value(u"Columns").toArray()); }

    QTemporaryDir dir_;
    Connection connection_;
    Query query_;
    FakeGrid grid_;
    GridColumns columns_{&grid_};
};
