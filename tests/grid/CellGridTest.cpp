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
        grid_.setWindow(&window_);
        grid_.setColCount(9);
        grid_.setRowCount(30);
        grid_.setDefaultRowHeight(19);
        grid_.setContraRowCount(1);
        for (int i = 0; i < 9; ++i)
            grid_.setColWidth(i, kWidths[i]);
        grid_.setFixedCols(5);
        grid_.setFrozenFixedCols(4);
        grid_.refreshScrollBars();
        window_.scrolls.clear();
        window_.wholeInvalidations = 0;
    }

    void resize(int width, int height)
    {
        window_.client = QSize(width, height);
        grid_.refreshScrollBars();
    }

    FakeWindow window_{QSize(700, 300)};
    CellGrid grid_;
};

TEST(CellGridDefaults, AsCreated)
{
    CellGrid grid;
    EXPECT_EQ(grid.colCount(), 5);
    EXPECT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(grid.fixedCols(), 1);
    EXPECT_EQ(grid.fixedRows(), 1);
    EXPECT_EQ(grid.defaultRowHeight(), 24);
    EXPECT_EQ(grid.gridLineWidth(), 1);
    EXPECT_EQ(grid.leftCol(), 1);
    EXPECT_EQ(grid.topRow(), 1);
    EXPECT_EQ(grid.current(), (CellPos{1, 1}));
}

TEST_F(CellGridTest, LayoutOfFixedFrozenAndContraCells)
{
    const GridLayout layout = grid_.layout();
    const AxisLayout& c = layout.columns;
    EXPECT_EQ(c.linePx, 1);
    EXPECT_EQ(c.fixedEnd, 12 + 103 + 189 + 135 + 88);
    EXPECT_EQ(c.frozenStart, 12);
    EXPECT_EQ(c.contraStart, 700);
    EXPECT_EQ(c.firstScrollCell, 5);
    EXPECT_EQ(c.lastWholeCell, 5);  // 527 + 111 = 638; column 6 would end at 841
    EXPECT_EQ(c.cellsEnd, 700);
    EXPECT_EQ(c.paintEnd, 700);

    const AxisLayout& r = layout.rows;
    EXPECT_EQ(r.fixedEnd, 20);
    EXPECT_EQ(r.contraStart, 300 - 20 - 1);  // the footer row and the separator line
    // A row is whole when all but its trailing line fits: row 13 ends on the
    // footer's separator line.
    EXPECT_EQ(r.lastWholeCell, 13);
    EXPECT_EQ(r.lastWholeEnd, 280);
    EXPECT_EQ(grid_.layout().rows.wholeCellsInView(), 13);
}

TEST_F(CellGridTest, ALinePixelBelongsToTheCellOnItsLeft)
{
    EXPECT_EQ(grid_.cellAtPoint(10, 5), (CellPos{0, 0}));
    EXPECT_EQ(grid_.cellAtPoint(11, 5), (CellPos{0, 0}));  // the line after the indicator
    EXPECT_EQ(grid_.cellAtPoint(12, 5), (CellPos{1, 0}));
    EXPECT_EQ(grid_.cellAtPoint(526, 19), (CellPos{4, 0}));
    EXPECT_EQ(grid_.cellAtPoint(527, 20), (CellPos{5, 1}));
    EXPECT_EQ(grid_.cellAtPoint(12, 285), (CellPos{1, 30}));  // the footer, a contra row
    EXPECT_EQ(grid_.cellAtPoint(12, 280), (CellPos{1, 30}));
    EXPECT_EQ(grid_.cellAtPoint(12, 279), (CellPos{1, 13}));  // the last whole row's line
    EXPECT_EQ(grid_.cellAtPoint(-1, 5), (CellPos{-1, -1}));

    EXPECT_EQ(grid_.cellBounds(0, 0), QRect(0, 0, 11, 19));
    EXPECT_EQ(grid_.cellBounds(1, 1), QRect(12, 20, 102, 19));
    EXPECT_EQ(grid_.rangeBounds(1, 1, 1, 1, true), QRect(12, 20, 103, 20));
    EXPECT_EQ(grid_.cellBounds(1, 30), QRect(12, 280, 102, 19));
    EXPECT_EQ(grid_.layout().columns.shownStart(6), 527 + 111);
    EXPECT_EQ(grid_.layout().columns.shownStart(8), -1);  // beyond the client area
}

TEST_F(CellGridTest, ANarrowClientScrollsTheLastColumnsPastTheFrozenOnes)
{
    EXPECT_EQ(window_.scrollInfo(ScrollBarKind::Horizontal), (ScrollBarInfo{0, 127, 0, 0}));
    // The rightmost left column shows the last column whole.
    EXPECT_EQ(grid_.maxTopLeft().col, 8);
    const QRect frozen = grid_.rangeBounds(0, 4, 0, 0, true);

    grid_.handleScrollMessage(Axis::Columns, ScrollCode::Bottom, 0);
    EXPECT_EQ(grid_.leftCol(), 8);
    EXPECT_EQ(grid_.layout().columns.lastWholeCell, 8);
    EXPECT_EQ(grid_.cellBounds(8, 1), QRect(527, 20, 89, 19));
    EXPECT_EQ(grid_.rangeBounds(0, 4, 0, 0, true), frozen);
    EXPECT_EQ(window_.scrollInfo(ScrollBarKind::Horizontal).pos, 127);
    EXPECT_EQ(window_.focusRequests, 1);
    // Columns scrolled out to the left have no place on the screen.
    EXPECT_TRUE(grid_.cellBounds(6, 1).isEmpty());
    EXPECT_EQ(grid_.rangeBounds(5, 8, 1, 1, false), QRect(527, 20, 89, 19));

    grid_.handleScrollMessage(Axis::Columns, ScrollCode::Top, 0);
    EXPECT_EQ(grid_.leftCol(), 5);
    grid_.handleScrollMessage(Axis::Columns, ScrollCode::Position, 64);  // 5 + round(64 × 3 / 127) = 7
    EXPECT_EQ(grid_.leftCol(), 7);
    EXPECT_EQ(window_.scrollInfo(ScrollBarKind::Horizontal).pos, 85);  // round(2 × 127 / 3)
    EXPECT_EQ(grid_.leftCol(), 7);
    grid_.handleScrollMessage(Axis::Columns, ScrollCode::PageUp, 0);
    EXPECT_EQ(grid_.leftCol(), 6);
    grid_.handleScrollMessage(Axis::Columns, ScrollCode::LineUp, 0);
    grid_.handleScrollMessage(Axis::Columns, ScrollCode::LineUp, 0);
    EXPECT_EQ(grid_.leftCol(), 5);

    // Wider, two scrolling columns are whole: a page right brings the last of them first.
    resize(850, 300);
    ASSERT_EQ(grid_.layout().columns.lastWholeCell, 6);
    grid_.handleScrollMessage(Axis::Columns, ScrollCode::PageDown, 0);
    EXPECT_EQ(grid_.leftCol(), 6);
}

TEST_F(CellGridTest, ScrollingShiftsOnlyTheScrollingAreaOrRepaintsAll)
{
    grid_.handleScrollMessage(Axis::Columns, ScrollCode::LineDown, 0);
    ASSERT_EQ(window_.scrolls.size(), 1);
    EXPECT_EQ(window_.scrolls.first(), (FakeWindow::Scroll{QRect(QPoint(527, 0), QPoint(699, 299)), -111, 0}));
    EXPECT_EQ(window_.wholeInvalidations, 0);
    EXPECT_GE(window_.flushes, 1);

    grid_.setTopLeft(5, 1);  // back: one column the other way
    EXPECT_EQ(window_.scrolls.last().dx, 111);
    grid_.setTopLeft(8, 1);  // a jump wider than the scrolling area
    EXPECT_EQ(window_.wholeInvalidations, 1);
    EXPECT_EQ(window_.scrolls.size(), 2);

    grid_.setTopLeft(8, 3);  // rows move between the fixed rows and the footer
    EXPECT_EQ(window_.scrolls.last(), (FakeWindow::Scroll{QRect(QPoint(0, 20), QPoint(699, 278)), 0, -40}));
}

TEST_F(CellGridTest, WhenAllColumnsFitThereIsNothingToScroll)
{
    resize(1300, 300);
    EXPECT_EQ(window_.scrollInfo(ScrollBarKind::Horizontal), (ScrollBarInfo{0, 0, 0, 0}));
    grid_.handleScrollMessage(Axis::Columns, ScrollCode::LineDown, 0);
    EXPECT_EQ(grid_.leftCol(), 5);
    EXPECT_TRUE(window_.scrolls.isEmpty());
}

TEST_F(CellGridTest, HiddenColumnsTakeNoPixelsAndAreSkipped)
{
    grid_.setColWidth(6, -1);  // hidden, with its line
    EXPECT_EQ(grid_.layout().columns.shownStart(7), grid_.layout().columns.shownStart(6));
    EXPECT_EQ(grid_.maxTopLeft().col, 8);
    grid_.handleScrollMessage(Axis::Columns, ScrollCode::LineDown, 0);
    EXPECT_EQ(grid_.leftCol(), 7);  // column 6 is stepped over
    grid_.bringCellIntoView(5, 1);
    EXPECT_EQ(grid_.leftCol(), 5);
}

TEST_F(CellGridTest, BringingACellIntoViewScrollsAsLittleAsNeeded)
{
    grid_.bringCellIntoView(3, 5);  // a frozen column: no scrolling
    EXPECT_EQ(grid_.leftCol(), 5);
    grid_.bringCellIntoView(7, 5);
    EXPECT_EQ(grid_.leftCol(), 7);  // 527 + 203 + 1 + 89 + 1 > 701: column 7 alone fits after the frozen block
    grid_.bringCellIntoView(5, 20);
    EXPECT_EQ(grid_.leftCol(), 5);
    EXPECT_EQ(grid_.topRow(), 20 - 13 + 1);
}

TEST_F(CellGridTest, CountChangesKeepTheCurrentCellAndTopLeftInRange)
{
    grid_.setCurrent({8, 25});
    grid_.setTopLeft(8, 20);
    grid_.setRowCount(10);
    EXPECT_EQ(grid_.current(), (CellPos{8, 9}));
    EXPECT_EQ(grid_.topRow(), 1);  // ten rows fit
    EXPECT_EQ(grid_.rowHeight(10), 19);  // the footer keeps its height after the normal rows
    grid_.setColCount(7);
    EXPECT_EQ(grid_.current().col, 6);
    EXPECT_LE(grid_.leftCol(), grid_.maxTopLeft().col);
    grid_.setColCount(0);
    EXPECT_EQ(grid_.colCount(), 1);
    EXPECT_EQ(grid_.fixedCols(), 0);
}

TEST_F(CellGridTest, TheUpdateBracketNests)
{
    EXPECT_FALSE(grid_.updateLocked());
    grid_.beginUpdate();
    grid_.beginUpdate();
    grid_.endUpdate();
    EXPECT_TRUE(grid_.updateLocked());
    grid_.endUpdate();
    grid_.endUpdate();  // never below zero
    EXPECT_FALSE(grid_.updateLocked());
    grid_.beginUpdate();
    EXPECT_TRUE(grid_.updateLocked());
}

} // namespace
