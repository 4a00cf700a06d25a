#include "grid/DataGrid.h"

#include "db/Connection.h"
#include "db/DatabaseError.h"
#include "support/TestFiles.h"

#include <QJsonArray>
#include <QTemporaryDir>

#include "support/FakeWindow.h"
#include "support/MainWindowGrid.h"
#include "support/QtPrint.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The result grid as the main window configures it: eight persistent
// columns, four of them frozen, one footer row.
class DataGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid_.SetMeasuringCanvas(&canvas_);
        grid_.SetWindow(&window_);
        ApplyMainWindowGrid(grid_);
    }

    // Column i's width in the main window's layout.
    static int StoredWidth(int i)
    {
        return MainWindowGridSettings().value(u"Columns").toArray().at(i).toObject().value(u"Width").toInt();
    }

    RecordingCanvas canvas_;
    FakeWindow window_{QSize(1120, 288)};
    DataGrid grid_;
};

TEST(DataGridDefaults, OptionsAndBaseFlags)
{
    DataGrid grid;
    EXPECT_EQ(grid.Options().Value(), 0x0CFDu);
    EXPECT_EQ(grid.ExtraOptions().Value(), 0x190021u);
    using Base = CellGrid::Option;
    EXPECT_EQ(grid.CellOptions(), (CellGrid::OptionSet{Base::FixedVertLine, Base::FixedHorzLine, Base::VertLine, Base::HorzLine,
                                                       Base::ColSizing, Base::ColMoving, Base::Editing, Base::Tabs}));
    EXPECT_TRUE(grid.ShowsHorzBar());
    EXPECT_EQ(grid.Appearance().Color, ColourFromName(u"clWindow"_s));
    EXPECT_EQ(grid.Appearance().FooterColor, ColourFromName(u"clWindow"_s));
    EXPECT_EQ(grid.Metrics().IndicatorWidth(), 11);
    EXPECT_TRUE(grid.HorzScrollBar.Visible());
    EXPECT_EQ(grid.VertScrollBar.VisibleMode(), GridScrollBar::Showing::Auto);
    // Without a canvas of its own the grid measures on a borrowed screen device.
    EXPECT_GE(grid.Metrics().DataRowHeight(), 15 + 3 + 1);

    grid.SetOptions(grid.Options().With(DataGrid::Option::RowSelect));
    EXPECT_FALSE(grid.Options().Has(DataGrid::Option::Editing));
    EXPECT_TRUE(grid.CellOptions().Has(CellGrid::Option::RowSelect));
}

TEST_F(DataGridTest, TheMainWindowsColumnsGiveNineGridColumnsFiveFixed)
{
    EXPECT_EQ(grid_.ColCount(), 9);
    EXPECT_EQ(grid_.FixedCols(), 5);
    EXPECT_EQ(grid_.FrozenFixedCols(), 4);
    EXPECT_EQ(grid_.ColWidth(0), 11);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(grid_.ColWidth(i + 1), StoredWidth(i)) << i;
    // A 15-pixel font: 15 + 3 + 1 = 19 for data rows, 15 + 4 for the title.
    EXPECT_EQ(grid_.DefaultRowHeight(), 19);
    EXPECT_EQ(grid_.RowHeight(0), 19);
    EXPECT_EQ(grid_.FixedRows(), 1);
    EXPECT_EQ(grid_.RowCount(), 2);  // the title row and one empty data row
    EXPECT_EQ(grid_.ContraRowCount(), 1);
    EXPECT_EQ(grid_.RowHeight(2), 19);  // the footer

    grid_.ChangeLayoutSettings([](GridLayoutSettings& s) { s.FrozenCols = -1; });  // ignored
    EXPECT_EQ(grid_.LayoutSettings().FrozenCols, 4);
    // Unfreezing at the rightmost position brings the unfrozen columns back into view.
    window_.Client = QSize(700, 288);
    grid_.Resized();
    grid_.SetTopLeft(grid_.MaxTopLeft().Col, grid_.TopRow());
    ASSERT_GT(grid_.LeftCol(), 5);
    grid_.ChangeLayoutSettings([](GridLayoutSettings& s) { s.FrozenCols = 0; });
    EXPECT_EQ(grid_.FixedCols(), 1);
    EXPECT_EQ(grid_.LeftCol(), 1);
    grid_.ChangeLayoutSettings([](GridLayoutSettings& s) { s.FrozenCols = 4; });
    EXPECT_EQ(grid_.LeftCol(), 5);
    grid_.Columns().Item(2).SetVisible(false);
    EXPECT_EQ(grid_.ColWidth(3), -1);  // takes no room with its line
    grid_.SetOptions(grid_.Options().Without(DataGrid::Option::ColLines));
    EXPECT_EQ(grid_.ColWidth(3), 0);
}

TEST_F(DataGridTest, TheRecordWindowTakesTheWholeRowsBetweenTitleAndFooter)
{
    // (client height - title height - 1 - footer rows × 20 - 1) div 20.
    for (int height : {288, 300, 421, 60, 10}) {
        window_.Client = QSize(1120, height);
        EXPECT_EQ(grid_.RecordWindow().RowsThatFit(), qMax(1, (height - 19 - 1 - 1 * 20 - 1) / 20)) << height;
    }
}

TEST_F(DataGridTest, CellKindsFromIndicatorTitleDataAndFooter)
{
    const CellKind corner = grid_.Metrics().KindOf(0, 0);
    EXPECT_EQ(corner.Horz, CellKind::Column::Indicator);
    EXPECT_EQ(corner.Vert, CellKind::Row::Title);
    const CellKind data = grid_.Metrics().KindOf(3, 1);
    EXPECT_EQ(data.Horz, CellKind::Column::Data);
    EXPECT_EQ(data.DataCol, 2);
    EXPECT_EQ(data.Vert, CellKind::Row::Data);
    EXPECT_EQ(data.DataRow, 0);
    const CellKind footer = grid_.Metrics().KindOf(1, 2);
    EXPECT_EQ(footer.Vert, CellKind::Row::Footer);
    EXPECT_EQ(footer.DataRow, 0);
}

TEST_F(DataGridTest, RowHeightsFromTheFontOrTheSettings)
{
    grid_.ChangeAppearance([&](GridAppearance& a) { a.Flat = true; });
    EXPECT_EQ(grid_.DefaultRowHeight(), 15 + 1 + 1);
    grid_.ChangeAppearance([&](GridAppearance& a) { a.Flat = false; });
    grid_.ChangeLayoutSettings([](GridLayoutSettings& s) { s.RowHeight = 30; });
    EXPECT_EQ(grid_.DefaultRowHeight(), 30);
    grid_.ChangeLayoutSettings([](GridLayoutSettings& s) { s.RowHeight = 0; });
    grid_.ChangeLayoutSettings([](GridLayoutSettings& s) { s.RowLines = 2; });
    EXPECT_EQ(grid_.DefaultRowHeight(), 30);
    grid_.ChangeLayoutSettings([](GridLayoutSettings& s) { s.RowLines = -3; });  // negative becomes 0
    EXPECT_EQ(grid_.LayoutSettings().RowLines, 0);

    // Fitting to whole text lines: 40 - 4 = 36 is two lines and 6 pixels.
    grid_.ChangeLayoutSettings([](GridLayoutSettings& s) { s.RowHeight = 40; });
    grid_.SetExtraOptions(grid_.ExtraOptions().With(DataGrid::ExtraOption::FitRowHeightToText));
    EXPECT_EQ(grid_.DefaultRowHeight(), 2 * 15 + 4);
    EXPECT_EQ(grid_.LayoutSettings().RowLines, 2);
    EXPECT_EQ(grid_.LayoutSettings().RowHeight, 4);

    grid_.ChangeLayoutSettings([](GridLayoutSettings& s) { s.TitleLines = 2; });
    EXPECT_EQ(grid_.RowHeight(0), 2 * 15 + 0 + 0 + 2 + 1);
    grid_.ChangeLayoutSettings([](GridLayoutSettings& s) { s.TitleLines = 0; });
    grid_.Columns().Item(5).Title().SetFont({{u"宋体"_s, -20}, ColourFromName(u"clWindowText"_s)});
    EXPECT_EQ(grid_.RowHeight(0), 24);  // the tallest title font
}

TEST_F(DataGridTest, LineColoursByPlace)
{
    GridLineColours& lines = grid_.GridLineColors();
    EXPECT_EQ(lines.ColourAt(GridLineColours::Place::DataCells), QColor(192, 192, 192));
    EXPECT_EQ(lines.ColourAt(GridLineColours::Place::FixedCells), QColor(0, 0, 0));  // not flat: black
    EXPECT_EQ(lines.ColourAt(GridLineColours::Place::FrozenSeparator), QColor(0, 0, 0));
    EXPECT_EQ(lines.ColourAt(GridLineColours::Place::FooterSeparator), QColor(0, 0, 0));
    EXPECT_EQ(lines.ColourAt(GridLineColours::Place::FooterCells), QColor(0, 0, 0));  // the footer is not window-coloured
    grid_.ChangeAppearance([&](GridAppearance& a) { a.FooterColor = ColourFromName(u"clWindow"_s); });
    EXPECT_EQ(lines.ColourAt(GridLineColours::Place::FooterCells), QColor(192, 192, 192));
    grid_.ChangeAppearance([&](GridAppearance& a) { a.Flat = true; });
    EXPECT_EQ(lines.ColourAt(GridLineColours::Place::FixedCells), QColor(128, 128, 128));
    grid_.ChangeAppearance([&](GridAppearance& a) { a.Color = ColourFromName(u"clSilver"_s); });
    EXPECT_EQ(lines.ColourAt(GridLineColours::Place::DataCells), QColor(128, 128, 128));
    // Columns without a colour of their own take the grid's.
    EXPECT_EQ(grid_.Columns().Item(0).Color().Resolved(), QColor(192, 192, 192));
    lines.SetSlot(int(GridLineColours::Place::DataCells), QColor(1, 2, 3));
    EXPECT_EQ(lines.ColourAt(GridLineColours::Place::DataCells), QColor(1, 2, 3));
    EXPECT_EQ(GridLineColours::kSlots, 18);
}

TEST_F(DataGridTest, TheVerticalBarShowsItsValuesAsItsModeSays)
{
    grid_.VertBar().Show({1, 219, 12, 1});
    EXPECT_EQ(window_.Bars.at(ScrollBarKind::Vertical), (ScrollBarInfo{1, 219, 12, 1}));
    EXPECT_EQ(window_.Shown.at(ScrollBarKind::Vertical), std::make_pair(false, true));
    const int writes = window_.ScrollBarWrites;
    grid_.VertBar().Show({1, 219, 12, 1});  // unchanged: nothing written
    EXPECT_EQ(window_.ScrollBarWrites, writes);

    grid_.VertScrollBar.SetVisibleMode(GridScrollBar::Showing::Always);
    grid_.VertBar().Show({1, 5, 12, 1});  // the page covers the range: disabled
    EXPECT_EQ(window_.Shown.at(ScrollBarKind::Vertical), std::make_pair(true, false));

    grid_.VertScrollBar.SetVisible(false);
    EXPECT_EQ(grid_.VertScrollBar.VisibleMode(), GridScrollBar::Showing::Never);
    grid_.VertBar().Show({1, 219, 12, 30});
    EXPECT_EQ(window_.Bars.at(ScrollBarKind::Vertical), (ScrollBarInfo{1, 1, 0, 1}));  // hidden
}

TEST_F(DataGridTest, VisibleAndSortColumnLists)
{
    EXPECT_EQ(grid_.VisibleColumns().Count(), 8);
    EXPECT_NE(dynamic_cast<GridColumn*>(&grid_.Columns().Item(0)), nullptr);
    grid_.Columns().Item(3).Title().SetSortIndex(2);
    grid_.Columns().Item(6).Title().SetSortIndex(1);
    grid_.Columns().Item(1).Title().SetSortIndex(-4);  // becomes 0
    grid_.Columns().Item(7).SetVisible(false);
    ASSERT_EQ(grid_.SortColumns().Count(), 2);
    EXPECT_EQ(grid_.SortColumns().Item(0).Index(), 6);
    EXPECT_EQ(grid_.SortColumns().Item(1).Index(), 3);
    EXPECT_EQ(grid_.VisibleColumns().Count(), 7);
    EXPECT_EQ(grid_.VisibleColumns().IndexOf(grid_.Columns().Item(7)), -1);

    // The current column gives way when it is hidden.
    grid_.SetCurrent({3, 1});
    grid_.Columns().Item(2).SetVisible(false);
    EXPECT_EQ(grid_.Current().Col, 1);

}

TEST_F(DataGridTest, TitlesRepaintWhenTheFirstScrollingColumnComesOrGoes)
{
    window_.Client = QSize(700, 288);
    grid_.RefreshScrollBars();
    FakeWindow external(QSize(10, 10));
    grid_.HorzScrollBar.ExtScrollBar = &external;
    window_.Invalidated.clear();
    grid_.SetTopLeft(6, grid_.TopRow());
    // The title row, cell by cell: the cells that are on the screen; besides
    // them only the column cut off at the right edge, drawn anew.
    const auto titleCells = [this] {
        QList<QRect> titles;
        for (const QRect& r : window_.Invalidated)
            if (r.right() != grid_.Layout().Columns.ScrollLimit - 1 || r.height() != 288)
                titles.append(r);
        return titles;
    };
    ASSERT_FALSE(titleCells().isEmpty());
    for (const QRect& r : titleCells())
        EXPECT_TRUE(r.top() == 0 && r.bottom() <= 19) << r.y() << " " << r.height();
    EXPECT_TRUE(window_.Invalidated.contains(QRect(0, 0, 12, 20)));
    EXPECT_EQ(external.Bars.at(ScrollBarKind::Horizontal).Max, 127);
    window_.Invalidated.clear();
    grid_.SetTopLeft(7, grid_.TopRow());
    EXPECT_TRUE(titleCells().isEmpty());
}

TEST_F(DataGridTest, ColumnSettingsFollowTheColumnDefaultsUntilSet)
{
    GridColumn& c = grid_.Columns().Item(0);
    c.Title().SetTitleButton(true);
    c.Title().SetOrientation(TextOrientation::Vertical);
    c.SetLayout(TextLayout::Center);
    EXPECT_TRUE(c.Title().TitleButton());
    EXPECT_EQ(c.Layout(), TextLayout::Center);
    c.ClearAssignedValues();
    EXPECT_EQ(c.Layout(), TextLayout::Top);
    EXPECT_FALSE(c.Title().TitleButton());
}

TEST_F(DataGridTest, FooterTextsByValueType)
{
    QTemporaryDir dir;
    UseOdbcIni(dir.path(), QString());
    Connection connection;
    connection.SetEmbeddedDatabase(QStringLiteral(VORLAK_CATALOGUE_DB));
    Query query;
    query.SetConnection(&connection);
    query.SQL().append(u"SELECT A.id, index_id, name1 FROM hazardous_chemicals A WHERE index_id <= 10 ORDER BY id"_s);
    DataSource source;
    source.SetDataSet(&query);
    grid_.SetDataSource(&source);
    grid_.SumList()->SetActive(true);

    GridColumns& columns = grid_.Columns();
    columns.Item(0).SetFieldName(u"index_id"_s);
    columns.Item(1).SetFieldName(u"name1"_s);
    columns.Item(2).SetFieldName(u"missing"_s);
    columns.Item(0).Footer().SetValueType(FooterValueType::Count);
    columns.Item(0).Footer().DisplayFormat = u"共#0条"_s;
    ColumnFooter& total = columns.Item(0).Footers().Add();
    total.SetValueType(FooterValueType::Sum);
    total.DisplayFormat = u"合计#0"_s;
    columns.Item(1).Footer().SetValueType(FooterValueType::Sum);       // over text
    columns.Item(3).Footer().SetValueType(FooterValueType::FieldValue);
    columns.Item(3).Footer().SetFieldName(u"name1"_s);
    columns.Item(4).Footer().SetValueType(FooterValueType::StaticText);
    columns.Item(4).Footer().Value = u"静态"_s;

    EXPECT_EQ(columns.Item(0).FooterForRow(1).Text(), u"共0条"_s);  // closed: all values 0
    EXPECT_EQ(columns.Item(3).FooterForRow(1).Text(), QString());
    query.Open();
    EXPECT_EQ(columns.Item(0).FooterForRow(1).Text(), u"共10条"_s);
    EXPECT_EQ(columns.Item(0).FooterForRow(0).Text(), u"合计55"_s);  // 1 + 2 + ... + 10
    EXPECT_EQ(columns.Item(1).FooterForRow(0).Text(), u"0"_s);
    EXPECT_EQ(columns.Item(3).FooterForRow(0).Text(), u"阿片"_s);
    EXPECT_EQ(columns.Item(4).FooterForRow(0).Text(), u"静态"_s);
    EXPECT_EQ(columns.Item(5).FooterForRow(0).Text(), QString());  // no footer value
    query.Close();
    grid_.Messages().QueuedLayout();
    EXPECT_EQ(columns.Item(0).FooterForRow(1).Text(), u"共0条"_s);

    // An average over a field the result set does not have: opening fails
    // with the result set's own error, and the footer reads "0".
    columns.Item(2).Footer().SetValueType(FooterValueType::Avg);
    EXPECT_THROW(query.Open(), DatabaseError);
    EXPECT_EQ(columns.Item(2).FooterForRow(0).Text(), u"0"_s);
    grid_.SetDataSource(nullptr);
}

} // namespace
