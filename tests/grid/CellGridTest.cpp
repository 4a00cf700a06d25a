#include "grid/CellGrid.h"

#include "support/FakeWindow.h"
#include "support/QtPrint.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The result grid's geometry in the main window: the indicator (11 pixels),
// four frozen columns and four scrolling ones, a title row, 19-pixel rows and
// one footer row, 1-pixel lines.
class CellGridTest : public ::testing::Test {
protected:
    static constexpr int kWidths[] = {11, 102, 188, 134, 87, 110, 202, 203, 89};

    void SetUp() override
    {
        grid_.SetWindow(&window_);
        grid_.SetColCount(9);
        grid_.SetRowCount(30);
        grid_.SetDefaultRowHeight(19);
        grid_.SetContraRowCount(1);
        for (int i = 0; i < 9; ++i)
            grid_.SetColWidth(i, kWidths[i]);
        grid_.SetFixedCols(5);
        grid_.SetFrozenFixedCols(4);
        grid_.RefreshScrollBars();
        window_.Scrolls.clear();
        window_.WholeInvalidations = 0;
    }

    void Resize(int width, int height)
    {
        window_.Client = QSize(width, height);
        grid_.RefreshScrollBars();
    }

    FakeWindow window_{QSize(700, 300)};
    CellGrid grid_;
};

TEST(CellGridDefaults, AsCreated)
{
    CellGrid grid;
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.DefaultRowHeight(), 24);
    EXPECT_EQ(grid.GridLineWidth(), 1);
    EXPECT_EQ(grid.LeftCol(), 1);
    EXPECT_EQ(grid.TopRow(), 1);
    EXPECT_EQ(grid.Current(), (CellPos{1, 1}));
    EXPECT_TRUE(grid.ShowsHorzBar());
    EXPECT_EQ(grid.CellOptions().Value(), 0x001Fu);  // the four line kinds and range selection
}

TEST_F(CellGridTest, LayoutOfFixedFrozenAndContraCells)
{
    const GridLayout layout = grid_.Layout();
    const AxisLayout& c = layout.Columns;
    EXPECT_EQ(c.LinePx, 1);
    EXPECT_EQ(c.FixedEnd, 12 + 103 + 189 + 135 + 88);
    EXPECT_EQ(c.FrozenStart, 12);
    EXPECT_EQ(c.ContraStart, 700);
    EXPECT_EQ(c.FirstScrollCell, 5);
    EXPECT_EQ(c.LastWholeCell, 5);  // 527 + 111 = 638; column 6 would end at 841
    EXPECT_EQ(c.CellsEnd, 700);
    EXPECT_EQ(c.PaintEnd, 700);

    const AxisLayout& r = layout.Rows;
    EXPECT_EQ(r.FixedEnd, 20);
    EXPECT_EQ(r.ContraStart, 300 - 20 - 1);  // the footer row and the separator line
    // A row is whole when all but its trailing line fits: row 13 ends on the
    // footer's separator line.
    EXPECT_EQ(r.LastWholeCell, 13);
    EXPECT_EQ(r.LastWholeEnd, 280);
    EXPECT_EQ(grid_.Layout().Rows.WholeCellsInView(), 13);
}

TEST_F(CellGridTest, ALinePixelBelongsToTheCellOnItsLeft)
{
    EXPECT_EQ(grid_.CellAtPoint(10, 5), (CellPos{0, 0}));
    EXPECT_EQ(grid_.CellAtPoint(11, 5), (CellPos{0, 0}));  // the line after the indicator
    EXPECT_EQ(grid_.CellAtPoint(12, 5), (CellPos{1, 0}));
    EXPECT_EQ(grid_.CellAtPoint(526, 19), (CellPos{4, 0}));
    EXPECT_EQ(grid_.CellAtPoint(527, 20), (CellPos{5, 1}));
    EXPECT_EQ(grid_.CellAtPoint(12, 285), (CellPos{1, 30}));  // the footer, a contra row
    EXPECT_EQ(grid_.CellAtPoint(12, 280), (CellPos{1, 30}));
    EXPECT_EQ(grid_.CellAtPoint(12, 279), (CellPos{1, 13}));  // the last whole row's line
    EXPECT_EQ(grid_.CellAtPoint(-1, 5), (CellPos{-1, -1}));

    EXPECT_EQ(grid_.CellBounds(0, 0), QRect(0, 0, 11, 19));
    EXPECT_EQ(grid_.CellBounds(1, 1), QRect(12, 20, 102, 19));
    EXPECT_EQ(grid_.RangeBounds(1, 1, 1, 1, true), QRect(12, 20, 103, 20));
    EXPECT_EQ(grid_.CellBounds(1, 30), QRect(12, 280, 102, 19));
    EXPECT_EQ(grid_.Layout().Columns.ShownStart(6), 527 + 111);
    EXPECT_EQ(grid_.Layout().Columns.ShownStart(8), -1);  // beyond the client area
}

TEST_F(CellGridTest, ANarrowClientScrollsTheLastColumnsPastTheFrozenOnes)
{
    EXPECT_EQ(window_.ScrollInfo(ScrollBarKind::Horizontal), (ScrollBarInfo{0, 127, 0, 0}));
    // The rightmost left column shows the last column whole.
    EXPECT_EQ(grid_.MaxTopLeft().Col, 8);
    const QRect frozen = grid_.RangeBounds(0, 4, 0, 0, true);

    grid_.HandleScrollMessage(Axis::Columns, ScrollCode::Bottom, 0);
    EXPECT_EQ(grid_.LeftCol(), 8);
    EXPECT_EQ(grid_.Layout().Columns.LastWholeCell, 8);
    EXPECT_EQ(grid_.CellBounds(8, 1), QRect(527, 20, 89, 19));
    EXPECT_EQ(grid_.RangeBounds(0, 4, 0, 0, true), frozen);
    EXPECT_EQ(window_.ScrollInfo(ScrollBarKind::Horizontal).Pos, 127);
    EXPECT_EQ(window_.FocusRequests, 1);
    // Columns scrolled out to the left have no place on the screen.
    EXPECT_TRUE(grid_.CellBounds(6, 1).isEmpty());
    EXPECT_EQ(grid_.RangeBounds(5, 8, 1, 1, false), QRect(527, 20, 89, 19));

    grid_.HandleScrollMessage(Axis::Columns, ScrollCode::Top, 0);
    EXPECT_EQ(grid_.LeftCol(), 5);
    grid_.HandleScrollMessage(Axis::Columns, ScrollCode::Position, 64);  // 5 + round(64 × 3 / 127) = 7
    EXPECT_EQ(grid_.LeftCol(), 7);
    EXPECT_EQ(window_.ScrollInfo(ScrollBarKind::Horizontal).Pos, 85);  // round(2 × 127 / 3)
    grid_.HandleScrollMessage(Axis::Columns, ScrollCode::Track, 0);  // no live thumb: ignored
    EXPECT_EQ(grid_.LeftCol(), 7);
    grid_.HandleScrollMessage(Axis::Columns, ScrollCode::PageUp, 0);
    EXPECT_EQ(grid_.LeftCol(), 6);
    grid_.HandleScrollMessage(Axis::Columns, ScrollCode::LineUp, 0);
    grid_.HandleScrollMessage(Axis::Columns, ScrollCode::LineUp, 0);
    EXPECT_EQ(grid_.LeftCol(), 5);

    // Wider, two scrolling columns are whole: a page right brings the last of them first.
    Resize(850, 300);
    ASSERT_EQ(grid_.Layout().Columns.LastWholeCell, 6);
    grid_.HandleScrollMessage(Axis::Columns, ScrollCode::PageDown, 0);
    EXPECT_EQ(grid_.LeftCol(), 6);
}

TEST_F(CellGridTest, ScrollingShiftsOnlyTheScrollingAreaOrRepaintsAll)
{
    grid_.HandleScrollMessage(Axis::Columns, ScrollCode::LineDown, 0);
    ASSERT_EQ(window_.Scrolls.size(), 1);
    EXPECT_EQ(window_.Scrolls.first(), (FakeWindow::Scroll{QRect(QPoint(527, 0), QPoint(699, 299)), -111, 0}));
    EXPECT_EQ(window_.WholeInvalidations, 0);
    EXPECT_GE(window_.Flushes, 1);

    grid_.SetTopLeft(5, 1);  // back: one column the other way
    EXPECT_EQ(window_.Scrolls.last().Dx, 111);
    grid_.SetTopLeft(8, 1);  // a jump wider than the scrolling area
    EXPECT_EQ(window_.WholeInvalidations, 1);
    EXPECT_EQ(window_.Scrolls.size(), 2);

    grid_.SetTopLeft(8, 3);  // rows move between the fixed rows and the footer
    EXPECT_EQ(window_.Scrolls.last(), (FakeWindow::Scroll{QRect(QPoint(0, 20), QPoint(699, 278)), 0, -40}));
}

TEST_F(CellGridTest, WhenAllColumnsFitThereIsNothingToScroll)
{
    Resize(1300, 300);
    EXPECT_EQ(window_.ScrollInfo(ScrollBarKind::Horizontal), (ScrollBarInfo{0, 0, 0, 0}));
    grid_.HandleScrollMessage(Axis::Columns, ScrollCode::LineDown, 0);
    EXPECT_EQ(grid_.LeftCol(), 5);
    EXPECT_TRUE(window_.Scrolls.isEmpty());
}

TEST_F(CellGridTest, HiddenColumnsTakeNoPixelsAndAreSkipped)
{
    grid_.SetColWidth(6, -1);  // hidden, with its line
    EXPECT_EQ(grid_.Layout().Columns.ShownStart(7), grid_.Layout().Columns.ShownStart(6));
    EXPECT_EQ(grid_.MaxTopLeft().Col, 8);
    grid_.HandleScrollMessage(Axis::Columns, ScrollCode::LineDown, 0);
    EXPECT_EQ(grid_.LeftCol(), 7);  // column 6 is stepped over
    grid_.BringCellIntoView(5, 1);
    EXPECT_EQ(grid_.LeftCol(), 5);
}

TEST_F(CellGridTest, BringingACellIntoViewScrollsAsLittleAsNeeded)
{
    grid_.BringCellIntoView(3, 5);  // a frozen column: no scrolling
    EXPECT_EQ(grid_.LeftCol(), 5);
    grid_.BringCellIntoView(7, 5);
    EXPECT_EQ(grid_.LeftCol(), 7);  // 527 + 203 + 1 + 89 + 1 > 701: column 7 alone fits after the frozen block
    grid_.BringCellIntoView(5, 20);
    EXPECT_EQ(grid_.LeftCol(), 5);
    EXPECT_EQ(grid_.TopRow(), 20 - 13 + 1);
}

TEST_F(CellGridTest, InvalidOperationsLeaveTheGridAsItWas)
{
    const auto expectError = [&](auto operation, const QString& message) {
        try {
            operation();
            ADD_FAILURE() << "no error for " << message.toStdString();
        } catch (const GridError& error) {
            EXPECT_EQ(error.Message(), message);
        }
        EXPECT_EQ(grid_.FixedCols(), 5);
        EXPECT_EQ(grid_.FixedRows(), 1);
        EXPECT_EQ(grid_.ColCount(), 9);
        EXPECT_EQ(grid_.ContraRowCount(), 1);
    };
    expectError([&] { grid_.SetFixedCols(-1); }, u"Grid index out of range"_s);
    expectError([&] { grid_.SetFixedCols(9); }, u"Fixed column count must be less than column count"_s);
    expectError([&] { grid_.SetFixedRows(30); }, u"Fixed row count must be less than row count"_s);
    expectError([&] { grid_.SetColWidth(9, 10); }, u"Grid index out of range"_s);
    expectError([&] { grid_.SetRowHeight(31, 10); }, u"Grid index out of range"_s);
    expectError([&] { grid_.SetContraColCount(-1); }, u"FContraColCount can not be negative."_s);
    expectError([&] { grid_.SetContraRowCount(-2); }, u"FContraRowCount can not be negative."_s);
    grid_.SetFrozenFixedCols(-3);  // ignored
    EXPECT_EQ(grid_.FrozenFixedCols(), 4);
}

TEST_F(CellGridTest, CountChangesKeepTheCurrentCellAndTopLeftInRange)
{
    grid_.SetCurrent({8, 25});
    grid_.SetTopLeft(8, 20);
    grid_.SetRowCount(10);
    EXPECT_EQ(grid_.Current(), (CellPos{8, 9}));
    EXPECT_EQ(grid_.TopRow(), 1);  // ten rows fit
    EXPECT_EQ(grid_.RowHeight(10), 19);  // the footer keeps its height after the normal rows
    grid_.SetColCount(7);
    EXPECT_EQ(grid_.Current().Col, 6);
    EXPECT_LE(grid_.LeftCol(), grid_.MaxTopLeft().Col);
    grid_.SetColCount(0);
    EXPECT_EQ(grid_.ColCount(), 1);
    EXPECT_EQ(grid_.FixedCols(), 0);
}

TEST_F(CellGridTest, TheUpdateBracketNests)
{
    EXPECT_FALSE(grid_.UpdateLocked());
    grid_.BeginUpdate();
    grid_.BeginUpdate();
    grid_.EndUpdate();
    EXPECT_TRUE(grid_.UpdateLocked());
    grid_.EndUpdate();
    grid_.EndUpdate();  // never below zero
    EXPECT_FALSE(grid_.UpdateLocked());
    grid_.BeginUpdate();
    EXPECT_TRUE(grid_.UpdateLocked());
}

} // namespace
