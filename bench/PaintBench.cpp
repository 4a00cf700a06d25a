// Painting the result grid as the main window shows it after its first search
// (200 rows), against a QTableView of the same rows, columns and size in the
// same run: a full repaint, and a scroll by one record. Then the grid at
// scale: a full repaint and a page down and up over 1 000 000 rows, against
// the same over the 2 869 rows of the whole catalogue.
#include "BenchDatabases.h"
#include "SearchWindow.h"

#include "app/DataGridWidget.h"
#include "app/DataModule.h"
#include "app/MainWindow.h"
#include "db/Query.h"
#include "platform/Layout.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QSize kGridSize(1124, 292);

// The main window after its first search, made once.
struct Program {
    Program()
    {
        window = std::make_unique<MainWindow>();
        module = std::make_unique<DataModule>(QStringLiteral(VORLAK_PROGRAM_DIR "/vorlak"));
        dataModule = module.get();
        window->show();
        window->search();
        grid = window->findChild<DataGridWidget*>();
        // A window of its own, as the table view has: the two repaint the same area.
        grid->setParent(nullptr);
        grid->resize(kGridSize);
        grid->show();
        QApplication::processEvents();
    }
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<DataModule> module;
    DataGridWidget* grid = nullptr;
};

// Made once and left to the end of the process, after the application object.
Program& theProgram()
{
    static Program* program = new Program;
    return *program;
}

// The same rows and columns in Qt's own table view.
struct Table {
    Table()
    {
        Query& query = *theProgram().window->query;
        GridColumns& columns = theProgram().grid->grid().columns();
        model.setColumnCount(columns.count());
        model.setRowCount(query.recordCount());
        for (int row = 0; row < query.recordCount(); ++row)
            for (int c = 0; c < columns.count(); ++c)
                model.setItem(row, c, new QStandardItem(columns.item(c).cellText(row)));
        for (int c = 0; c < columns.count(); ++c)
            model.setHeaderData(c, Qt::Horizontal, columns.item(c).title().caption());
        view.setModel(&model);
        for (int c = 0; c < columns.count(); ++c)
            view.setColumnWidth(c, columns.item(c).width());
        view.verticalHeader()->setDefaultSectionSize(20);
        view.setAlternatingRowColors(true);
        // The current record is a row, as the grid's record mark makes it.
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        view.resize(kGridSize);
        view.show();
        QApplication::processEvents();
    }
    QStandardItemModel model;
    QTableView view;
};

Table& theTable()
{
    static Table* table = new Table;
    return *table;
}

void repaint(benchmark::State& state, QWidget* viewport)
{
    QImage image(viewport->size(), QImage::Format_RGB32);
    for (auto _ : state)
        viewport->render(&image);
}

void GridPaint_full_repaint(benchmark::State& state)
{
    repaint(state, theProgram().grid->viewport());
}

void TableViewPaint_full_repaint(benchmark::State& state)
{
    repaint(state, theTable().view.viewport());
}

// Down one record past the window and back: each step scrolls the rows by one.
void GridPaint_one_record_scroll(benchmark::State& state)
{
    Query& query = *theProgram().window->query;
    const int below = theProgram().grid->grid().recordWindow().bufferCount();
    query.moveBy(below - 1);
    int direction = 1;
    for (auto _ : state) {
        query.moveBy(direction * (direction > 0 ? 1 : below));
        QApplication::processEvents();
        direction = -direction;
    }
    query.first();
}

// The same moves of the current row: past the last row shown and back to the first.
void TableViewPaint_one_record_scroll(benchmark::State& state)
{
    QTableView& view = theTable().view;
    const int below = theProgram().grid->grid().recordWindow().bufferCount();
    view.setCurrentIndex(theTable().model.index(below - 1, 0));
    QApplication::processEvents();
    bool down = true;
    for (auto _ : state) {
        view.setCurrentIndex(theTable().model.index(down ? below : 0, 0));
        QApplication::processEvents();
        down = !down;
    }
}

// The main window searched without the row limit over a catalogue, its grid
// at the size the table view has.
struct ScaledGrid {
    explicit ScaledGrid(const QString& database)
    {
        search.connection.setEmbeddedDatabase(database);
        search.window->search();
        grid = search.window->findChild<DataGridWidget*>();
        grid->setParent(nullptr);
        grid->resize(kGridSize);
        grid->show();
        QApplication::processEvents();
    }
    ~ScaledGrid() { delete grid; }
    SearchWindow search;
    DataGridWidget* grid = nullptr;
};

void scaledRepaint(benchmark::State& state, QString (*database)())
{
    ScaledGrid scaled(database());
    repaint(state, scaled.grid->viewport());
    state.counters["rows"] = scaled.search.window->query->recordCount();
}

// A page down and a page up, each step scrolling the rows a page and painting them.
void scaledPageScroll(benchmark::State& state, QString (*database)())
{
    ScaledGrid scaled(database());
    bool down = true;
    for (auto _ : state) {
        QKeyEvent key(QEvent::KeyPress, down ? Qt::Key_PageDown : Qt::Key_PageUp, Qt::NoModifier);
        QApplication::sendEvent(scaled.grid, &key);
        QApplication::processEvents();
        down = !down;
    }
    state.counters["rows"] = scaled.search.window->query->recordCount();
}

QString synthetic1m()
{
    return syntheticCatalogue(1000000);
}

BENCHMARK_CAPTURE(scaledRepaint, catalogue, catalogueDatabase)->Name("GridAtCatalogue/full_repaint")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(scaledRepaint, 1m, synthetic1m)->Name("GridAt1m/full_repaint")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(scaledPageScroll, catalogue, catalogueDatabase)->Name("GridAtCatalogue/page_scroll")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(scaledPageScroll, 1m, synthetic1m)->Name("GridAt1m/page_scroll")->Unit(benchmark::kMicrosecond);
BENCHMARK(GridPaint_full_repaint)->Name("GridPaint/full_repaint")->Unit(benchmark::kMicrosecond);
BENCHMARK(TableViewPaint_full_repaint)->Name("TableViewPaint/full_repaint")->Unit(benchmark::kMicrosecond);
BENCHMARK(GridPaint_one_record_scroll)->Name("GridPaint/one_record_scroll")->Unit(benchmark::kMicrosecond);
BENCHMARK(TableViewPaint_one_record_scroll)->Name("TableViewPaint/one_record_scroll")->Unit(benchmark::kMicrosecond);

} // namespace
