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
        grid_.setMeasuringCanvas(&canvas_);
        grid_.setWindow(&window_);
        applyMainWindowGrid(grid_);
    }

    // Column i's width in the main window's layout.
    static int storedWidth(int i)
    {
        return mainWindowGridSettings().value(u"Columns").toArray().at(i).toObject().value(u"Width").toInt();
    }

    RecordingCanvas canvas_;
    FakeWindow window_{QSize(1120, 288)};
    DataGrid grid_;
};

TEST(DataGridDefaults, LookAndMetrics)
{
    DataGrid grid;
    EXPECT_EQ(grid.appearance().color, colourFromName(u"clWindow"_s));
    EXPECT_EQ(grid.appearance().footerColor, colourFromName(u"clWindow"_s));
    EXPECT_EQ(grid.metrics().indicatorWidth(), 11);
    // Without a canvas of its own the grid measures on a borrowed screen device.
    EXPECT_GE(grid.metrics().dataRowHeight(), 15 + 3 + 1);
}

TEST_F(DataGridTest, TheMainWindowsColumnsGiveNineGridColumnsFiveFixed)
{
    EXPECT_EQ(grid_.colCount(), 9);
    EXPECT_EQ(grid_.fixedCols(), 5);
    EXPECT_EQ(grid_.frozenFixedCols(), 4);
    EXPECT_EQ(grid_.colWidth(0), 11);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(grid_.colWidth(i + 1), storedWidth(i)) << i;
    // A 15-pixel font: 15 + 3 + 1 = 19 for data rows, 15 + 4 for the title.
    EXPECT_EQ(grid_.defaultRowHeight(), 19);
    EXPECT_EQ(grid_.rowHeight(0), 19);
    EXPECT_EQ(grid_.fixedRows(), 1);
    EXPECT_EQ(grid_.rowCount(), 2);  // the title row and one empty data row
    EXPECT_EQ(grid_.contraRowCount(), 1);
    EXPECT_EQ(grid_.rowHeight(2), 19);  // the footer

    grid_.changeLayoutSettings([](GridLayoutSettings& s) { s.frozenCols = -1; });  // ignored
    EXPECT_EQ(grid_.layoutSettings().frozenCols, 4);
    // Unfreezing at the rightmost position brings the unfrozen columns back into view.
    window_.client = QSize(700, 288);
    grid_.resized();
    grid_.setTopLeft(grid_.maxTopLeft().col, grid_.topRow());
    ASSERT_GT(grid_.leftCol(), 5);
    grid_.changeLayoutSettings([](GridLayoutSettings& s) { s.frozenCols = 0; });
    EXPECT_EQ(grid_.fixedCols(), 1);
    EXPECT_EQ(grid_.leftCol(), 1);
    grid_.changeLayoutSettings([](GridLayoutSettings& s) { s.frozenCols = 4; });
    EXPECT_EQ(grid_.leftCol(), 5);
}

TEST_F(DataGridTest, TheRecordWindowTakesTheWholeRowsBetweenTitleAndFooter)
{
    // (client height - title height - 1 - footer rows × 20 - 1) div 20.
    for (int height : {288, 300, 421, 60, 10}) {
        window_.client = QSize(1120, height);
        EXPECT_EQ(grid_.recordWindow().rowsThatFit(), qMax(1, (height - 19 - 1 - 1 * 20 - 1) / 20)) << height;
    }
}

TEST_F(DataGridTest, CellKindsFromIndicatorTitleDataAndFooter)
{
    const CellKind corner = grid_.metrics().kindOf(0, 0);
    EXPECT_EQ(corner.horz, CellKind::Column::Indicator);
    EXPECT_EQ(corner.vert, CellKind::Row::Title);
    const CellKind data = grid_.metrics().kindOf(3, 1);
    EXPECT_EQ(data.horz, CellKind::Column::Data);
    EXPECT_EQ(data.dataCol, 2);
    EXPECT_EQ(data.vert, CellKind::Row::Data);
    EXPECT_EQ(data.dataRow, 0);
    const CellKind footer = grid_.metrics().kindOf(1, 2);
    EXPECT_EQ(footer.vert, CellKind::Row::Footer);
    EXPECT_EQ(footer.dataRow, 0);
}

TEST_F(DataGridTest, RowHeightsFromTheFonts)
{
    grid_.changeAppearance([&](GridAppearance& a) { a.flat = true; });
    EXPECT_EQ(grid_.defaultRowHeight(), 15 + 1 + 1);
    grid_.changeAppearance([&](GridAppearance& a) { a.flat = false; });
    EXPECT_EQ(grid_.defaultRowHeight(), 15 + 3 + 1);
    grid_.changeAppearance([&](GridAppearance& a) { a.titleFont.face.height = -20; });
    EXPECT_EQ(grid_.rowHeight(0), 24);  // the title font and its margin
}

TEST_F(DataGridTest, LineColoursByPlace)
{
    const GridLineColours& lines = grid_.gridLineColors();
    EXPECT_EQ(lines.colourAt(GridLineColours::Place::DataCells), QColor(192, 192, 192));
    EXPECT_EQ(lines.colourAt(GridLineColours::Place::FixedCells), QColor(0, 0, 0));  // not flat: black
    EXPECT_EQ(lines.colourAt(GridLineColours::Place::FrozenSeparator), QColor(0, 0, 0));
    EXPECT_EQ(lines.colourAt(GridLineColours::Place::FooterSeparator), QColor(0, 0, 0));
    EXPECT_EQ(lines.colourAt(GridLineColours::Place::FooterCells), QColor(0, 0, 0));  // the footer is not window-coloured
    grid_.changeAppearance([&](GridAppearance& a) { a.footerColor = colourFromName(u"clWindow"_s); });
    EXPECT_EQ(lines.colourAt(GridLineColours::Place::FooterCells), QColor(192, 192, 192));
    grid_.changeAppearance([&](GridAppearance& a) { a.flat = true; });
    EXPECT_EQ(lines.colourAt(GridLineColours::Place::FixedCells), QColor(128, 128, 128));
    grid_.changeAppearance([&](GridAppearance& a) { a.color = colourFromName(u"clSilver"_s); });
    EXPECT_EQ(lines.colourAt(GridLineColours::Place::DataCells), QColor(128, 128, 128));
    // Columns without a colour of their own take the grid's.
    EXPECT_EQ(grid_.columns().item(0).color().resolved(), QColor(192, 192, 192));
}

TEST_F(DataGridTest, TheVerticalBarShowsItsValuesOnce)
{
    grid_.vertBar().show({1, 219, 12, 1});
    EXPECT_EQ(window_.bars.at(ScrollBarKind::Vertical), (ScrollBarInfo{1, 219, 12, 1}));
    EXPECT_TRUE(window_.enabled.at(ScrollBarKind::Vertical));
    const int writes = window_.scrollBarWrites;
    grid_.vertBar().show({1, 219, 12, 1});  // unchanged: nothing written
    EXPECT_EQ(window_.scrollBarWrites, writes);
}

TEST_F(DataGridTest, TitlesRepaintWhenTheFirstScrollingColumnComesOrGoes)
{
    window_.client = QSize(700, 288);
    grid_.refreshScrollBars();
    window_.invalidated.clear();
    grid_.setTopLeft(6, grid_.topRow());
    // The title row, cell by cell: the cells that are on the screen; besides
    // them only the column cut off at the right edge, drawn anew.
    const auto titleCells = [this] {
        QList<QRect> titles;
        for (const QRect& r : window_.invalidated)
            if (r.right() != grid_.layout().columns.scrollLimit - 1 || r.height() != 288)
                titles.append(r);
        return titles;
    };
    ASSERT_FALSE(titleCells().isEmpty());
    for (const QRect& r : titleCells())
        EXPECT_TRUE(r.top() == 0 && r.bottom() <= 19) << r.y() << " " << r.height();
    EXPECT_TRUE(window_.invalidated.contains(QRect(0, 0, 12, 20)));
    window_.invalidated.clear();
    grid_.setTopLeft(7, grid_.topRow());
    EXPECT_TRUE(titleCells().isEmpty());
}

TEST_F(DataGridTest, FooterTextsByValueType)
{
    QTemporaryDir dir;
    useOdbcIni(dir.path(), QString());
    Connection connection;
    connection.setEmbeddedDatabase(QStringLiteral(VORLAK_CATALOGUE_DB));
    Query query;
    query.setConnection(&connection);
    query.sql().append(u"SELECT A.id, index_id, name1 FROM hazardous_chemicals A WHERE index_id <= 10 ORDER BY id"_s);
    DataSource source;
    source.setDataSet(&query);
    grid_.setDataSource(&source);
    grid_.sumList()->setActive(true);

    GridColumns& columns = grid_.columns();
    columns.item(0).setFieldName(u"index_id"_s);
    columns.item(0).footer().setValueType(FooterValueType::Count);
    columns.item(0).footer().displayFormat = u"共#0条"_s;
    columns.item(1).footer().setValueType(FooterValueType::Count);  // no pattern: the plain number

    EXPECT_EQ(columns.item(0).footer().text(), u"共0条"_s);  // closed: 0
    query.open();
    EXPECT_EQ(columns.item(0).footer().text(), u"共10条"_s);
    EXPECT_EQ(columns.item(1).footer().text(), u"10"_s);
    EXPECT_EQ(columns.item(5).footer().text(), QString());  // no footer value
    query.close();
    grid_.messages().queuedLayout();
    EXPECT_EQ(columns.item(0).footer().text(), u"共0条"_s);
    grid_.setDataSource(nullptr);
}

} // namespace
