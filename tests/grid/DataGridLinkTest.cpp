// The grid following its result set: the layout pass with its field map, the
// record window, moves, and the search sequence of the main window.
#include "support/CatalogueGrid.h"
#include "support/QtPrint.h"

#include "db/DatabaseError.h"

#include <memory>

using namespace Qt::StringLiterals;

namespace {

using GridLink = CatalogueGrid;

TEST_F(GridLink, ChangesInsideOneLockCostOnePass)
{
    const int before = grid_.LayoutBatch().PassCount();
    grid_.LayoutBatch().Lock();
    grid_.ChangeLayoutSettings([](GridLayoutSettings& s) { s.FrozenCols = 2; });
    grid_.ChangeLayoutSettings([](GridLayoutSettings& s) { s.FooterRowCount = 1; });
    grid_.ChangeLayoutSettings([](GridLayoutSettings& s) { s.RowLines = 1; });
    grid_.Columns().Add();
    EXPECT_EQ(grid_.LayoutBatch().PassCount(), before);
    grid_.LayoutBatch().Unlock();
    EXPECT_EQ(grid_.LayoutBatch().PassCount(), before + 1);
    EXPECT_EQ(grid_.LayoutBatch().Depth(), 0);
    EXPECT_FALSE(grid_.UpdateLocked());

    // While loading the configuration no pass runs.
    grid_.SetLoading(true);
    grid_.ChangeLayoutSettings([](GridLayoutSettings& s) { s.FrozenCols = 1; });
    EXPECT_EQ(grid_.LayoutBatch().PassCount(), before + 1);
    grid_.SetLoading(false);
    grid_.RequestLayout();
    EXPECT_EQ(grid_.LayoutBatch().PassCount(), before + 2);
}

TEST_F(GridLink, TheSearchSequenceOfTheMainWindow)
{
    MainWindowColumns();
    // Closed: the columns stay, unbound; one empty data row and the footer.
    EXPECT_EQ(grid_.ColCount(), 9);
    EXPECT_EQ(grid_.FixedCols(), 5);
    EXPECT_EQ(grid_.FrozenFixedCols(), 4);
    EXPECT_EQ(grid_.RowCount(), 2);
    EXPECT_EQ(grid_.ContraRowCount(), 1);
    EXPECT_EQ(grid_.Binding().Count(), 0);

    // Open: a sparse map of the eight names, a window of the rows that fit.
    query_.Open();
    // A read-only grid has no tab stops; an editable one stops at its bound columns.
    EXPECT_FALSE(grid_.TabStop(2));
    grid_.SetReadOnly(false);
    EXPECT_TRUE(grid_.TabStop(2));
    EXPECT_THROW(grid_.SetTabStop(9, true), GridError);
    grid_.SetReadOnly(true);
    EXPECT_FALSE(grid_.TabStop(2));
    ASSERT_EQ(grid_.Binding().Count(), 8);
    EXPECT_EQ(grid_.Binding().MappedField(4)->FieldName(), u"CAS"_s);
    EXPECT_EQ(grid_.RecordWindow().BufferCount(), 12);
    EXPECT_EQ(grid_.RecordWindow().RecordCount(), 12);
    EXPECT_EQ(grid_.RowCount(), 13);
    EXPECT_EQ(grid_.Current().Row, 1);
    EXPECT_EQ(grid_.Columns().Item(4).CellText(), u"8008-60-4"_s);

    // Close: the fields go; the layout waits for the deferred message, posted once.
    window_.QueuedLayouts = 0;
    const int passes = grid_.LayoutBatch().PassCount();
    query_.Close();
    EXPECT_EQ(window_.QueuedLayouts, 1);
    EXPECT_EQ(grid_.LayoutBatch().PassCount(), passes);
    grid_.Messages().QueuedLayout();
    EXPECT_EQ(grid_.LayoutBatch().PassCount(), passes + 1);
    EXPECT_EQ(grid_.RowCount(), 2);
    EXPECT_EQ(grid_.ColCount(), 9);
    EXPECT_EQ(grid_.Columns().Item(0).Title().Caption(), u"危化目录序号"_s);

    // Reopen: the same columns bind again by name.
    query_.Open();
    EXPECT_EQ(grid_.Columns().Item(1).CellText(), u"阿片"_s);
}

TEST_F(GridLink, AMissingNameMapsToNothingAndItsColumnStaysEmpty)
{
    grid_.Columns().Add().SetFieldName(u"name1"_s);
    grid_.Columns().Add().SetFieldName(u"no_such_field"_s);
    grid_.SetDataSource(&source_);
    query_.Open();
    EXPECT_NE(grid_.Binding().MappedField(0), nullptr);
    EXPECT_EQ(grid_.Binding().MappedField(1), nullptr);
    EXPECT_EQ(grid_.Columns().Item(1).CellText(), QString());
    EXPECT_EQ(grid_.Columns().Item(0).CellText(), u"阿片"_s);
}

TEST_F(GridLink, WithoutPersistentColumnsEveryVisibleFieldGetsADefaultColumn)
{
    grid_.SetDataSource(&source_);
    EXPECT_EQ(grid_.Columns().Count(), 1);  // closed: one unbound column
    query_.Open();
    ASSERT_EQ(grid_.Columns().Count(), query_.FieldCount());
    EXPECT_FALSE(grid_.Columns().PersistentState());
    EXPECT_EQ(grid_.Columns().Item(5).FieldName(), u"CAS"_s);
    EXPECT_EQ(grid_.Columns().Item(5).Title().Caption(), u"CAS"_s);
    EXPECT_EQ(grid_.ColCount(), query_.FieldCount() + 1);
    EXPECT_EQ(grid_.FixedCols(), 1);
    query_.Close();
    grid_.Messages().QueuedLayout();
    EXPECT_EQ(grid_.Columns().Count(), 1);
}

TEST_F(GridLink, MovesScrollTheDataRowsOrRepaintEverything)
{
    MainWindowColumns();
    query_.Open();
    query_.MoveBy(11);  // the last row of the window: no scroll
    window_.Scrolls.clear();
    window_.WholeInvalidations = 0;
    query_.Next();      // one below the window: the data rows move up by a row and its line
    ASSERT_EQ(window_.Scrolls.size(), 1);
    EXPECT_EQ(window_.Scrolls.first().Dy, -20);
    EXPECT_EQ(window_.Scrolls.first().Rect.top(), 20);
    EXPECT_EQ(grid_.Current().Row, 12);
    const int flushes = window_.Flushes;
    query_.MoveBy(50);  // more than a screenful: everything is repainted, and no more
    EXPECT_GE(window_.WholeInvalidations, 1);
    EXPECT_EQ(window_.Scrolls.size(), 1);
    EXPECT_EQ(window_.Flushes, flushes);
    EXPECT_EQ(grid_.Current().Row, 12);

    // With hidden duplicates the first data row repaints after a scroll.
    grid_.Columns().Item(1).HideDuplicates = true;
    window_.Invalidated.clear();
    query_.Next();
    EXPECT_TRUE(window_.Invalidated.contains(QRect(0, 20, 12, 20)));
}

TEST_F(GridLink, TheVerticalBarFollowsTheRecordNumbers)
{
    MainWindowColumns();
    grid_.SumList()->SetActive(true);
    query_.Open();
    EXPECT_EQ(window_.Bars.at(ScrollBarKind::Vertical), (ScrollBarInfo{1, 200 + 12 - 1, 12, 1}));
    query_.MoveBy(4);
    EXPECT_EQ(window_.Bars.at(ScrollBarKind::Vertical).Pos, 5);

    // Line down from the first record of a five-record window moves by five.
    window_.Client = QSize(1120, 19 + 1 + 5 * 20 + 20 + 1);
    grid_.RequestLayout();
    query_.First();
    ASSERT_EQ(grid_.RecordWindow().RecordCount(), 5);
    grid_.VertBar().Scroll(ScrollCode::LineDown, 0);
    EXPECT_EQ(query_.RecNo(), 6);
    grid_.VertBar().Scroll(ScrollCode::LineUp, 0);
    EXPECT_EQ(query_.RecNo(), 1);  // the window is 2..6: to the record just above it
    grid_.VertBar().Scroll(ScrollCode::Position, 150);
    EXPECT_EQ(query_.RecNo(), 150);
    grid_.VertBar().Scroll(ScrollCode::Track, 10);  // no tracking: the thumb moves nothing
    EXPECT_EQ(query_.RecNo(), 150);
    grid_.VertBar().Scroll(ScrollCode::Bottom, 0);
    EXPECT_EQ(query_.RecNo(), 200);
    window_.Focusable = false;  // a grid that cannot take the focus ignores the bar
    grid_.VertBar().Scroll(ScrollCode::Top, 0);
    EXPECT_EQ(query_.RecNo(), 200);
}

TEST_F(GridLink, TheWindowsMessagesReachTheGrid)
{
    MainWindowColumns();
    query_.Open();
    // A taller window takes more records; the posted layout message runs a pass.
    window_.Client = QSize(1120, 288 + 40);
    grid_.Resized();
    EXPECT_EQ(grid_.RecordWindow().BufferCount(), 14);
    EXPECT_EQ(grid_.RowCount(), 15);
    const int passes = grid_.LayoutBatch().PassCount();
    grid_.Messages().QueuedLayout();
    EXPECT_EQ(grid_.LayoutBatch().PassCount(), passes + 1);

    // The horizontal bar follows the thumb only with tracking.
    window_.Client = QSize(700, 328);
    grid_.Resized();
    grid_.Messages().ScrollRequest(ScrollBarKind::Horizontal, ScrollCode::Track, 127);
    EXPECT_EQ(grid_.LeftCol(), 5);
    grid_.HorzScrollBar.Tracking = true;
    grid_.Messages().ScrollRequest(ScrollBarKind::Horizontal, ScrollCode::Track, 127);
    EXPECT_EQ(grid_.LeftCol(), grid_.MaxTopLeft().Col);
    // Always shown; not visible at all.
    grid_.HorzScrollBar.SetVisibleMode(GridScrollBar::Showing::Always);
    grid_.RequestLayout();
    EXPECT_EQ(window_.Shown.at(ScrollBarKind::Horizontal), (std::pair{true, true}));
    grid_.HorzScrollBar.SetVisible(false);
    grid_.RequestLayout();
    EXPECT_FALSE(grid_.ShowsHorzBar());

    // A vertical bar that was always shown goes when it may never show.
    grid_.VertScrollBar.SetVisibleMode(GridScrollBar::Showing::Always);
    grid_.VertBar().Update();
    EXPECT_EQ(window_.Shown.at(ScrollBarKind::Vertical).first, true);
    grid_.VertScrollBar.SetVisibleMode(GridScrollBar::Showing::Never);
    grid_.VertBar().Update();
    EXPECT_EQ(window_.Shown.at(ScrollBarKind::Vertical).first, false);
    EXPECT_EQ(window_.Bars.at(ScrollBarKind::Vertical).Max, window_.Bars.at(ScrollBarKind::Vertical).Min);

    // A notch of the wheel down moves one record on.
    grid_.Messages().Wheel(-120, Qt::NoModifier, QPoint());
    EXPECT_EQ(query_.RecNo(), 2);
    grid_.Messages().Wheel(60, Qt::NoModifier, QPoint());
    grid_.Messages().Wheel(60, Qt::NoModifier, QPoint());
    EXPECT_EQ(query_.RecNo(), 1);
}

// The footer's error reaches the caller; the grid still follows the result set.
TEST_F(GridLink, AFailedRecountLeavesTheGridFollowingItsResultSet)
{
    MainWindowColumns();
    grid_.Columns().Item(1).Footer().SetValueType(FooterValueType::Sum);
    grid_.Columns().Item(1).Footer().SetFieldName(u"no_such"_s);
    EXPECT_THROW(query_.Open(), DatabaseError);
    EXPECT_FALSE(query_.ControlsDisabled());
    query_.MoveBy(3);
    EXPECT_EQ(grid_.Current().Row, 4);
    query_.Close();
    grid_.Messages().QueuedLayout();
    EXPECT_EQ(grid_.RowCount(), 2);
    EXPECT_EQ(grid_.Binding().Count(), 0);
}

// Run under valgrind too (grid-goes-memcheck): the result set must not call into a gone grid.
TEST_F(GridLink, AGoneGridLeavesTheResultSetUsable)
{
    auto grid = std::make_unique<DataGrid>();
    grid->SetMeasuringCanvas(&canvas_);
    grid->SetWindow(&window_);
    ApplyMainWindowGrid(*grid);
    grid->SetDataSource(&source_);
    query_.Open();
    grid.reset();
    query_.MoveBy(3);
    query_.Close();
    query_.Open();
    EXPECT_TRUE(query_.Active());
}

// Dragged below the data rows (which end at y = 260), the current record
// moves by the distance div 6 (at most 8) a tick, every 200 − 15 × distance ms.
TEST_F(GridLink, DraggingBeyondTheDataRowsScrollsFasterTheFartherOut)
{
    MainWindowColumns();
    query_.Open();
    grid_.Messages().MouseDown(Qt::LeftButton, Qt::NoModifier, QPoint(300, 30), false);
    EXPECT_TRUE(window_.Captured);
    const struct {
        int below;
        int moved;
        int interval;
    } steps[] = {{3, 0, 155}, {6, 1, 110}, {13, 2, 5}, {14, 2, 0}, {48, 8, 0}, {80, 8, 0}};
    for (const auto& step : steps) {
        const int before = query_.RecNo();
        grid_.Messages().MouseMove(Qt::LeftButton, Qt::NoModifier, QPoint(300, 259 + step.below));
        EXPECT_EQ(query_.RecNo() - before, step.moved) << step.below;
        EXPECT_EQ(window_.TimerInterval, step.interval) << step.below;
    }
    const int before = query_.RecNo();
    grid_.Messages().TimerTick();  // each tick steps again
    EXPECT_EQ(query_.RecNo() - before, 8);
    grid_.Messages().MouseMove(Qt::LeftButton, Qt::NoModifier, QPoint(300, 100));  // back inside: the timer stops
    EXPECT_FALSE(window_.TimerInterval);
    grid_.Messages().MouseUp(Qt::LeftButton, Qt::NoModifier, QPoint(300, 100));
    EXPECT_FALSE(window_.Captured);
}

TEST_F(GridLink, EachWindowRowShowsItsRecord)
{
    MainWindowColumns();
    query_.Open();
    query_.MoveBy(3);
    EXPECT_EQ(grid_.RecordWindow().RecordAt(7), 7);
    EXPECT_EQ(grid_.RecordWindow().RecordAt(12), -1);  // beyond the 12-row window
    EXPECT_EQ(grid_.RecordWindow().RecordAt(-1), -1);
    EXPECT_EQ(grid_.RecordWindow().ActiveRecord(), 3);
    EXPECT_EQ(grid_.Columns().Item(0).CellText(grid_.RecordWindow().RecordAt(5)), u"6"_s);
    EXPECT_EQ(grid_.Columns().Item(0).CellText(), u"4"_s);
}

} // namespace
