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
    const int before = grid_.layoutBatch().passCount();
    grid_.layoutBatch().lock();
    grid_.changeLayoutSettings([](GridLayoutSettings& s) { s.frozenCols = 2; });
    grid_.changeLayoutSettings([](GridLayoutSettings& s) { s.footerRowCount = 1; });
    grid_.columns().add();
    EXPECT_EQ(grid_.layoutBatch().passCount(), before);
    grid_.layoutBatch().unlock();
    EXPECT_EQ(grid_.layoutBatch().passCount(), before + 1);
    EXPECT_EQ(grid_.layoutBatch().depth(), 0);
    EXPECT_FALSE(grid_.updateLocked());

    // While loading the configuration no pass runs.
    grid_.setLoading(true);
    grid_.changeLayoutSettings([](GridLayoutSettings& s) { s.frozenCols = 1; });
    EXPECT_EQ(grid_.layoutBatch().passCount(), before + 1);
    grid_.setLoading(false);
    grid_.requestLayout();
    EXPECT_EQ(grid_.layoutBatch().passCount(), before + 2);
}

TEST_F(GridLink, TheSearchSequenceOfTheMainWindow)
{
    mainWindowColumns();
    // Closed: the columns stay, unbound; one empty data row and the footer.
    EXPECT_EQ(grid_.colCount(), 9);
    EXPECT_EQ(grid_.fixedCols(), 5);
    EXPECT_EQ(grid_.frozenFixedCols(), 4);
    EXPECT_EQ(grid_.rowCount(), 2);
    EXPECT_EQ(grid_.contraRowCount(), 1);
    EXPECT_EQ(grid_.binding().count(), 0);

    // Open: a sparse map of the eight names, a window of the rows that fit.
    query_.open();
    // A read-only grid has no tab stops; an editable one stops at its bound columns.
    EXPECT_FALSE(grid_.tabStop(2));
    grid_.setReadOnly(false);
    EXPECT_TRUE(grid_.tabStop(2));
    grid_.setReadOnly(true);
    EXPECT_FALSE(grid_.tabStop(2));
    ASSERT_EQ(grid_.binding().count(), 8);
    EXPECT_EQ(grid_.binding().mappedField(4)->fieldName(), u"CAS"_s);
    EXPECT_EQ(grid_.recordWindow().bufferCount(), 12);
    EXPECT_EQ(grid_.recordWindow().recordCount(), 12);
    EXPECT_EQ(grid_.rowCount(), 13);
    EXPECT_EQ(grid_.current().row, 1);
    EXPECT_EQ(grid_.columns().item(4).cellText(), u"8008-60-4"_s);

    // Close: the fields go; the layout waits for the deferred message, posted once.
    window_.queuedLayouts = 0;
    const int passes = grid_.layoutBatch().passCount();
    query_.close();
    EXPECT_EQ(window_.queuedLayouts, 1);
    EXPECT_EQ(grid_.layoutBatch().passCount(), passes);
    grid_.messages().queuedLayout();
    EXPECT_EQ(grid_.layoutBatch().passCount(), passes + 1);
    EXPECT_EQ(grid_.rowCount(), 2);
    EXPECT_EQ(grid_.colCount(), 9);
    EXPECT_EQ(grid_.columns().item(0).title().caption(), u"危化目录序号"_s);

    // Reopen: the same columns bind again by name.
    query_.open();
    EXPECT_EQ(grid_.columns().item(1).cellText(), u"阿片"_s);
}

TEST_F(GridLink, AMissingNameMapsToNothingAndItsColumnStaysEmpty)
{
    grid_.columns().add().setFieldName(u"name1"_s);
    grid_.columns().add().setFieldName(u"no_such_field"_s);
    grid_.setDataSource(&source_);
    query_.open();
    EXPECT_NE(grid_.binding().mappedField(0), nullptr);
    EXPECT_EQ(grid_.binding().mappedField(1), nullptr);
    EXPECT_EQ(grid_.columns().item(1).cellText(), QString());
    EXPECT_EQ(grid_.columns().item(0).cellText(), u"阿片"_s);
}

TEST_F(GridLink, MovesScrollTheDataRowsOrRepaintEverything)
{
    mainWindowColumns();
    query_.open();
    query_.moveBy(11);  // the last row of the window: no scroll
    window_.scrolls.clear();
    window_.wholeInvalidations = 0;
    query_.moveBy(1);   // one below the window: the data rows move up by a row and its line
    ASSERT_EQ(window_.scrolls.size(), 1);
    EXPECT_EQ(window_.scrolls.first().dy, -20);
    EXPECT_EQ(window_.scrolls.first().rect.top(), 20);
    EXPECT_EQ(grid_.current().row, 12);
    const int flushes = window_.flushes;
    query_.moveBy(50);  // more than a screenful: everything is repainted, and no more
    EXPECT_GE(window_.wholeInvalidations, 1);
    EXPECT_EQ(window_.scrolls.size(), 1);
    EXPECT_EQ(window_.flushes, flushes);
    EXPECT_EQ(grid_.current().row, 12);
}

TEST_F(GridLink, TheVerticalBarFollowsTheRecordNumbers)
{
    mainWindowColumns();
    grid_.sumList()->setActive(true);
    query_.open();
    EXPECT_EQ(window_.bars.at(ScrollBarKind::Vertical), (ScrollBarInfo{1, 200 + 12 - 1, 12, 1}));
    query_.moveBy(4);
    EXPECT_EQ(window_.bars.at(ScrollBarKind::Vertical).pos, 5);

    // Line down from the first record of a five-record window moves by five.
    window_.client = QSize(1120, 19 + 1 + 5 * 20 + 20 + 1);
    grid_.requestLayout();
    query_.first();
    ASSERT_EQ(grid_.recordWindow().recordCount(), 5);
    grid_.vertBar().scroll(ScrollCode::LineDown, 0);
    EXPECT_EQ(query_.recNo(), 6);
    grid_.vertBar().scroll(ScrollCode::LineUp, 0);
    EXPECT_EQ(query_.recNo(), 1);  // the window is 2..6: to the record just above it
    grid_.vertBar().scroll(ScrollCode::Position, 150);
    EXPECT_EQ(query_.recNo(), 150);
    EXPECT_EQ(query_.recNo(), 150);
    grid_.vertBar().scroll(ScrollCode::Bottom, 0);
    EXPECT_EQ(query_.recNo(), 200);
    window_.focusable = false;  // a grid that cannot take the focus ignores the bar
    grid_.vertBar().scroll(ScrollCode::Top, 0);
    EXPECT_EQ(query_.recNo(), 200);
}

TEST_F(GridLink, TheWindowsMessagesReachTheGrid)
{
    mainWindowColumns();
    query_.open();
    // A taller window takes more records; the posted layout message runs a pass.
    window_.client = QSize(1120, 288 + 40);
    grid_.resized();
    EXPECT_EQ(grid_.recordWindow().bufferCount(), 14);
    EXPECT_EQ(grid_.rowCount(), 15);
    const int passes = grid_.layoutBatch().passCount();
    grid_.messages().queuedLayout();
    EXPECT_EQ(grid_.layoutBatch().passCount(), passes + 1);

    // The horizontal bar moves the columns to where its thumb is let go.
    window_.client = QSize(700, 328);
    grid_.resized();
    EXPECT_EQ(grid_.leftCol(), 5);
    grid_.messages().scrollRequest(ScrollBarKind::Horizontal, ScrollCode::Position, 127);
    EXPECT_EQ(grid_.leftCol(), grid_.maxTopLeft().col);
    EXPECT_TRUE(window_.enabled.at(ScrollBarKind::Horizontal));

    // A notch of the wheel down moves one record on.
    grid_.messages().wheel(-120, Qt::NoModifier, QPoint());
    EXPECT_EQ(query_.recNo(), 2);
    grid_.messages().wheel(60, Qt::NoModifier, QPoint());
    grid_.messages().wheel(60, Qt::NoModifier, QPoint());
    EXPECT_EQ(query_.recNo(), 1);
}

// Run under valgrind too (grid-goes-memcheck): the result set must not call into a gone grid.
TEST_F(GridLink, AGoneGridLeavesTheResultSetUsable)
{
    auto grid = std::make_unique<DataGrid>();
    grid->setMeasuringCanvas(&canvas_);
    grid->setWindow(&window_);
    applyMainWindowGrid(*grid);
    grid->setDataSource(&source_);
    query_.open();
    grid.reset();
    query_.moveBy(3);
    query_.close();
    query_.open();
    EXPECT_TRUE(query_.active());
}

// Dragged below the data rows (which end at y = 260), the current record
// moves by the distance div 6 (at most 8) a tick, every 200 − 15 × distance ms.
TEST_F(GridLink, DraggingBeyondTheDataRowsScrollsFasterTheFartherOut)
{
    mainWindowColumns();
    query_.open();
    grid_.messages().mouseDown(Qt::LeftButton, Qt::NoModifier, QPoint(300, 30), false);
    EXPECT_TRUE(window_.captured);
    const struct {
        int below;
        int moved;
        int interval;
    } steps[] = {{3, 0, 155}, {6, 1, 110}, {13, 2, 5}, {14, 2, 0}, {48, 8, 0}, {80, 8, 0}};
    for (const auto& step : steps) {
        const int before = query_.recNo();
        grid_.messages().mouseMove(Qt::LeftButton, Qt::NoModifier, QPoint(300, 259 + step.below));
        EXPECT_EQ(query_.recNo() - before, step.moved) << step.below;
        EXPECT_EQ(window_.timerInterval, step.interval) << step.below;
    }
    const int before = query_.recNo();
    grid_.messages().timerTick();  // each tick steps again
    EXPECT_EQ(query_.recNo() - before, 8);
    grid_.messages().mouseMove(Qt::LeftButton, Qt::NoModifier, QPoint(300, 100));  // back inside: the timer stops
    EXPECT_FALSE(window_.timerInterval);
    grid_.messages().mouseUp(Qt::LeftButton, Qt::NoModifier, QPoint(300, 100));
    EXPECT_FALSE(window_.captured);
}

TEST_F(GridLink, EachWindowRowShowsItsRecord)
{
    mainWindowColumns();
    query_.open();
    query_.moveBy(3);
    EXPECT_EQ(grid_.recordWindow().recordAt(7), 7);
    EXPECT_EQ(grid_.recordWindow().recordAt(12), -1);  // beyond the 12-row window
    EXPECT_EQ(grid_.recordWindow().recordAt(-1), -1);
    EXPECT_EQ(grid_.recordWindow().activeRecord(), 3);
    EXPECT_EQ(grid_.columns().item(0).cellText(grid_.recordWindow().recordAt(5)), u"6"_s);
    EXPECT_EQ(grid_.columns().item(0).cellText(), u"4"_s);
}

} // namespace
