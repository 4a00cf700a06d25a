// The result grid of the main window driven by real keys and mouse events:
// moves, Tab, the refused edit keys, clicks, drags, column sizing and moving,
// the read-only editor, the find dialog on Ctrl+F.
#include "app/DataGridWidget.h"
#include "app/MainWindow.h"
#include "db/Query.h"
#include "platform/ComboBox.h"

#include "support/ProgramForms.h"
#include "support/QtPrint.h"
#include "support/Typing.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Data columns: 0 危化目录序号, 1 品名, 2 别名, 3 英文名 (frozen), 4 CAS号,
// 5 危险性类别, 6 其它特殊监管, 7 备注. Grid column = data column + 1.
class GridInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        form()->show();
        QApplication::setActiveWindow(form());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form()));
        form()->searchButton->click();
        widget_ = form()->findChild<DataGridWidget*>(u"DataGrid1"_s);
        widget_->setFocus();
        QCoreApplication::processEvents();
    }

    MainWindow* form() { return forms_.form(); }
    DataGrid& grid() { return widget_->grid(); }
    Query& rows() { return *form()->query; }
    int record() { return rows().recNo(); }
    int column() { return grid().current().col - 1; }
    QWidget* client() { return widget_->viewport(); }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(widget_, Qt::Key(key), modifiers);
    }
    // The middle of a cell, by grid column and row.
    QPoint cell(int col, int row) { return grid().cellBounds(col, row).center(); }
    // The right border of a grid column in the title row.
    QPoint border(int col)
    {
        const QRect title = grid().cellBounds(col, 0);
        return QPoint(title.right() + 1, title.center().y());
    }
    void drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        QTest::mousePress(client(), button, Qt::NoModifier, from);
        QTest::mouseMove(client(), to);
        QTest::mouseRelease(client(), button, Qt::NoModifier, to);
    }

    // The grid's pixels as the window shows them, once pending paints are done.
    QImage shown()
    {
        QCoreApplication::processEvents();
        const QPoint at = widget_->mapTo(form(), QPoint(0, 0));
        return widget_->screen()->grabWindow(form()->winId(), at.x(), at.y(), widget_->width(), widget_->height())
            .toImage();
    }
    // The same after a full repaint of the same state.
    QImage repainted()
    {
        client()->repaint();
        return shown();
    }

    ProgramForms forms_;
    DataGridWidget* widget_ = nullptr;
};

// Whatever the input, what the grid shows is what painting it afresh shows:
// no mark, row or column is left behind by a move that scrolled.
TEST_F(GridInput, EveryInputLeavesWhatAFullRepaintShows)
{
    const auto click = [this](int col, int row) {
        return [this, col, row] { QTest::mouseClick(client(), Qt::LeftButton, Qt::NoModifier, cell(col, row)); };
    };
    const auto keys = [this](int key, int times, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return [this, key, times, modifiers] {
            for (int i = 0; i < times; ++i)
                this->key(key, modifiers);
        };
    };
    const auto wheel = [this](int notches) {
        return [this, notches] {
            const QPoint at = cell(3, 3);
            QWheelEvent event(at, client()->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(client(), &event);
        };
    };
    const struct {
        const char* input;
        std::function<void()> act;
    } inputs[] = {
        {"a click on row 5 of the partly shown last column", click(8, 5)},
        {"Tab across the scroll limit", keys(Qt::Key_Tab, 9)},
        {"Shift+Tab wrapping into the previous record", keys(Qt::Key_Backtab, 9, Qt::ShiftModifier)},
        {"Down past the last row shown", keys(Qt::Key_Down, 14)},
        {"Page Down", keys(Qt::Key_PageDown, 2)},
        {"Page Up", keys(Qt::Key_PageUp, 1)},
        {"Right into the scrolling columns", keys(Qt::Key_Right, 7)},
        {"Left back to the frozen ones", keys(Qt::Key_Left, 4)},
        {"the wheel", wheel(13)},
        {"Ctrl+End", keys(Qt::Key_End, 1, Qt::ControlModifier)},
        {"Up by a few", keys(Qt::Key_Up, 3)},
        {"Ctrl+Home", keys(Qt::Key_Home, 1, Qt::ControlModifier)},
        {"a click on the partly shown last row", click(3, 12)},
        {"a click on the last column again", click(8, 2)},
        {"a column dragged over the frozen ones", [this] { drag(Qt::LeftButton, cell(7, 0), cell(2, 0)); }},
        {"a drag through the data area", [this] { drag(Qt::LeftButton, cell(5, 3), cell(3, 9)); }},
    };
    for (const auto& step : inputs) {
        step.act();
        const QImage shown = this->shown();
        EXPECT_TRUE(shown == repainted()) << step.input;
    }
}

TEST_F(GridInput, KeysMoveTheRecordAndTheColumn)
{
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        int record;
        int column;
    } steps[] = {
        {Qt::Key_Down, Qt::NoModifier, 2, 0},     {Qt::Key_Down, Qt::ShiftModifier, 3, 0},  // Shift selects nothing
        {Qt::Key_Up, Qt::NoModifier, 2, 0},       {Qt::Key_PageDown, Qt::NoModifier, 2 + 11, 0},
        {Qt::Key_PageUp, Qt::NoModifier, 2, 0},   {Qt::Key_Right, Qt::NoModifier, 2, 1},
        {Qt::Key_End, Qt::NoModifier, 2, 7},      {Qt::Key_Right, Qt::NoModifier, 2, 7},  // the last column: no further
        {Qt::Key_Home, Qt::NoModifier, 2, 0},     {Qt::Key_Left, Qt::NoModifier, 2, 0},
        {Qt::Key_Right, Qt::ControlModifier, 2, 7}, {Qt::Key_Left, Qt::ControlModifier, 2, 0},
        {Qt::Key_End, Qt::ControlModifier, 200, 0}, {Qt::Key_Up, Qt::ControlModifier, 190, 0},  // the window's first row
        {Qt::Key_Down, Qt::ControlModifier, 200, 0}, {Qt::Key_Down, Qt::NoModifier, 200, 0},   // the last record stays
        {Qt::Key_Home, Qt::ControlModifier, 1, 0},
    };
    for (const auto& step : steps) {
        key(step.key, step.modifiers);
        EXPECT_EQ(record(), step.record) << step.key;
        EXPECT_EQ(column(), step.column) << step.key;
    }
}

// From the middle of a long result the moves by a window stop on its last
// row, not one past it.
TEST_F(GridInput, MovesByAWindowFromTheMiddleEndOnItsLastRow)
{
    const int windowRows = grid().rowCount() - 1;
    const auto toMiddle = [&] {
        for (int i = 0; i < 30; ++i)
            key(Qt::Key_Down);
        for (int i = 0; i < 5; ++i)
            key(Qt::Key_Up);
        ASSERT_EQ(record(), 26);
    };
    toMiddle();
    key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(record(), 31);
    EXPECT_EQ(grid().current().row, windowRows);
    key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(record(), 31 - windowRows + 1);
    key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(record(), 31);
    key(Qt::Key_Home, Qt::ControlModifier);
    toMiddle();
    key(Qt::Key_PageDown);
    EXPECT_EQ(record(), 26 + windowRows);
    EXPECT_EQ(grid().current().row, windowRows);
}

TEST_F(GridInput, ClipboardAndEditKeysChangeNothing)
{
    QApplication::clipboard()->setText(u"before"_s);
    key(Qt::Key_Down);
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
    } refused[] = {
        {Qt::Key_C, Qt::ControlModifier},     {Qt::Key_Insert, Qt::ControlModifier}, {Qt::Key_A, Qt::ControlModifier},
        {Qt::Key_X, Qt::ControlModifier},     {Qt::Key_V, Qt::ControlModifier},      {Qt::Key_Delete, Qt::ShiftModifier},
        {Qt::Key_Insert, Qt::ShiftModifier},  {Qt::Key_Delete, Qt::ControlModifier}, {Qt::Key_Insert, Qt::NoModifier},
        {Qt::Key_Delete, Qt::NoModifier},
    };
    for (const auto& key : refused)
        this->key(key.key, key.modifiers);
    EXPECT_EQ(record(), 2);
    EXPECT_EQ(rows().recordCount(), 200);
    EXPECT_EQ(grid().columns().item(1).cellText(), u"氨"_s);
    EXPECT_EQ(QApplication::clipboard()->text(), u"before"_s);
    EXPECT_TRUE(forms_.boxes.boxes.isEmpty());
}

// A read-only grid has no tab stops: Tab goes round to the same column of
// the next record. With tab stops it wraps within the last record.
TEST_F(GridInput, TabStaysInTheGridAndWrapsByItsTabStops)
{
    key(Qt::Key_Tab);
    EXPECT_TRUE(widget_->hasFocus());
    EXPECT_EQ(record(), 2);
    EXPECT_EQ(column(), 0);

    grid().setReadOnly(false);
    key(Qt::Key_End, Qt::ControlModifier);
    key(Qt::Key_End);
    key(Qt::Key_Tab);
    EXPECT_EQ(record(), 200);
    EXPECT_EQ(column(), 0);
    key(Qt::Key_Tab);
    EXPECT_EQ(column(), 1);
    key(Qt::Key_Home, Qt::ControlModifier);
    key(Qt::Key_Home);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(record(), 1);
    EXPECT_EQ(column(), 7);
}

TEST_F(GridInput, PressesMakeTheCellCurrentARightOneBeforeTheMenu)
{
    QTest::mouseClick(client(), Qt::LeftButton, Qt::ControlModifier, cell(2, 3));
    EXPECT_EQ(record(), 3);
    EXPECT_EQ(column(), 1);
    QTest::mouseClick(client(), Qt::LeftButton, Qt::ShiftModifier, cell(3, 5));
    EXPECT_EQ(record(), 5);

    auto* menu = form()->findChild<QMenu*>(u"PopupMenu1"_s);
    QTest::mousePress(client(), Qt::RightButton, Qt::NoModifier, cell(2, 7));
    EXPECT_EQ(record(), 7);  // current before the menu
    EXPECT_FALSE(menu->isVisible());
    QTest::mouseRelease(client(), Qt::RightButton, Qt::NoModifier, cell(2, 7));
    EXPECT_TRUE(menu->isVisible());
    menu->close();
    QTest::mouseClick(client(), Qt::RightButton, Qt::NoModifier, cell(2, 0));  // a title
    menu->close();
    EXPECT_EQ(record(), 7);

    QWheelEvent wheel(cell(2, 2), client()->mapToGlobal(cell(2, 2)), QPoint(), QPoint(0, -240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(client(), &wheel);
    EXPECT_EQ(record(), 9);  // two notches down
}

TEST_F(GridInput, AClickOnTheCurrentCellOpensTheReadOnlyEditor)
{
    QTest::mouseClick(client(), Qt::LeftButton, Qt::NoModifier, cell(2, 2));
    EXPECT_FALSE(widget_->editor()->isVisible());
    QTest::mouseClick(client(), Qt::LeftButton, Qt::NoModifier, cell(2, 2));
    QLineEdit* editor = widget_->editor();
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->text(), u"氨"_s);
    EXPECT_EQ(editor->geometry(), grid().cellBounds(2, 2));
    QTest::keyClicks(editor, u"xyz"_s);
    QTest::keyClick(editor, Qt::Key_Backspace);
    EXPECT_EQ(editor->text(), u"氨"_s);
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());

    // Another record closes it.
    QTest::keyClick(widget_, Qt::Key_Return);
    ASSERT_TRUE(editor->isVisible());
    QTest::keyClick(editor, Qt::Key_Down);  // a key the editor hands to the grid
    EXPECT_EQ(record(), 3);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(grid().columns().item(1).cellText(), u"5-氨基-1,3,3-三甲基环己甲胺"_s);

    // So does its column scrolled out of view, by the horizontal bar.
    QTest::mouseClick(client(), Qt::LeftButton, Qt::NoModifier, cell(5, 3));  // CAS号
    QTest::mouseClick(client(), Qt::LeftButton, Qt::NoModifier, cell(5, 3));
    ASSERT_TRUE(editor->isVisible());
    widget_->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_FALSE(grid().cellBounds(5, 3).isValid());
    EXPECT_FALSE(editor->isVisible());
}

// Each Ctrl+F opens the one find dialog, modally, with an empty text, the
// texts searched before in its drop-down and the current column chosen.
TEST_F(GridInput, CtrlFOpensTheFindDialogOverTheCurrentColumnOnlyWithAnOpenResult)
{
    key(Qt::Key_Right);  // 品名
    QStringList seen;
    const auto findInDialog = [&](const QString& text) {
        QTimer::singleShot(0, [&seen, text] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            auto* find = dialog->findChild<ComboBox*>(u"cbText"_s);
            QStringList history;
            for (int i = 0; i < find->count(); ++i)
                history << find->itemText(i);
            seen << QStringList{dialog->windowTitle(), find->text(), dialog->findChild<ComboBox*>(u"cbFindIn"_s)->text(),
                                history.join(u',')}.join(u'|');
            typeText(find->lineEdit(), text);
            QTest::keyClick(find->lineEdit(), Qt::Key_Return);
            QTest::keyClick(find->lineEdit(), Qt::Key_Escape);
        });
        key(Qt::Key_F, Qt::ControlModifier);
    };
    findInDialog(u"氨"_s);
    EXPECT_EQ(record(), 2);
    findInDialog(u"2-氨基苯酚"_s);
    EXPECT_EQ(record(), 7);
    EXPECT_EQ(seen, (QStringList{u"Find text||品名|"_s, u"Find text||品名|氨"_s}));

    rows().close();
    findInDialog(u"甲醇"_s);
    EXPECT_EQ(seen.size(), 2);
}

TEST_F(GridInput, DraggingAFrozenColumnsBorderSizesIt)
{
    const QPoint border = this->border(2);  // 品名, 188 wide
    EXPECT_EQ(grid().mouse().sizingZoneAt(border + QPoint(-3, 0)), 2);
    EXPECT_EQ(grid().mouse().sizingZoneAt(border + QPoint(4, 0)), -1);
    drag(Qt::LeftButton, border, border + QPoint(30, 0));
    EXPECT_EQ(grid().columns().item(1).width(), 218);
    EXPECT_EQ(grid().colWidth(2), 218);
    // Released less than two pixels right of the column's left edge: nothing changes.
    const int left = grid().cellBounds(2, 0).left();
    drag(Qt::LeftButton, this->border(2), QPoint(left + 1, border.y()));
    EXPECT_EQ(grid().columns().item(1).width(), 218);
}

TEST_F(GridInput, ColumnsMoveByTheirTitlesButNotIntoTheFrozenOnes)
{
    drag(Qt::LeftButton, cell(2, 0) + QPoint(-30, 0), cell(6, 0));  // 品名 is frozen: it stays
    EXPECT_EQ(grid().columns().item(1).fieldName(), u"name1"_s);

    drag(Qt::LeftButton, cell(8, 0), cell(2, 0));  // 备注 onto the frozen columns
    EXPECT_EQ(grid().columns().item(4).fieldName(), u"remarks"_s);
    EXPECT_EQ(grid().columns().item(5).fieldName(), u"CAS"_s);
    EXPECT_EQ(grid().layoutSettings().frozenCols, 4);

    // The right button moves a column too, and its release brings up the menu.
    auto* menu = form()->findChild<QMenu*>(u"PopupMenu1"_s);
    drag(Qt::RightButton, cell(5, 0), cell(7, 0));
    EXPECT_EQ(grid().columns().item(6).fieldName(), u"remarks"_s);
    EXPECT_TRUE(menu->isVisible());
    menu->close();

    // Esc during a drag: the column keeps its place.
    QTest::mousePress(client(), Qt::LeftButton, Qt::NoModifier, cell(7, 0));
    QTest::mouseMove(client(), cell(5, 0));
    key(Qt::Key_Escape);
    QTest::mouseRelease(client(), Qt::LeftButton, Qt::NoModifier, cell(5, 0));
    EXPECT_EQ(grid().columns().item(6).fieldName(), u"remarks"_s);

    // The current cell stays on its field when a column crosses it.
    QTest::mouseClick(client(), Qt::LeftButton, Qt::NoModifier, cell(6, 2));
    const QString current = grid().currentColumn()->fieldName();
    drag(Qt::LeftButton, cell(8, 0), cell(5, 0));
    EXPECT_EQ(grid().currentColumn()->fieldName(), current);
    drag(Qt::LeftButton, cell(5, 0), cell(8, 0));
    EXPECT_EQ(grid().currentColumn()->fieldName(), current);
    drag(Qt::LeftButton, cell(grid().current().col, 0), cell(8, 0));  // the current column itself
    EXPECT_EQ(grid().currentColumn()->fieldName(), current);
}

// Whatever drag is under way, the focus going elsewhere ends it and leaves
// everything as it was.
TEST_F(GridInput, DragsEndWhenTheFocusGoes)
{
    QWidget* elsewhere = form()->nameEdit;
    const QPoint border = this->border(2);
    QTest::mousePress(client(), Qt::LeftButton, Qt::NoModifier, border);
    QTest::mouseMove(client(), border + QPoint(40, 0));
    elsewhere->setFocus();
    QTest::mouseRelease(client(), Qt::LeftButton, Qt::NoModifier, border + QPoint(40, 0));
    EXPECT_EQ(grid().columns().item(1).width(), 188) << "sizing";

    widget_->setFocus();
    QTest::mousePress(client(), Qt::LeftButton, Qt::NoModifier, cell(8, 0));
    QTest::mouseMove(client(), cell(6, 0));
    elsewhere->setFocus();
    QTest::mouseRelease(client(), Qt::LeftButton, Qt::NoModifier, cell(6, 0));
    EXPECT_EQ(grid().columns().item(7).fieldName(), u"remarks"_s) << "moving";

    widget_->setFocus();
    QTest::mousePress(client(), Qt::LeftButton, Qt::NoModifier, cell(3, 2));
    elsewhere->setFocus();
    QTest::mouseMove(client(), cell(3, 8));
    QTest::mouseRelease(client(), Qt::LeftButton, Qt::NoModifier, cell(3, 8));
    EXPECT_EQ(record(), 2) << "tracking";
}

} // namespace
