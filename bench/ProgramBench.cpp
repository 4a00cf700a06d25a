// The programs as a whole:
//   QueryProgram/<case>   vorlak-query --no-limit as a process, on the catalogue
//                         and on 100 000 synthetic rows, against
//   SqliteShell/<case>    the sqlite3 shell printing the same statement (time
//                         and peak memory, output thrown away);
//   Find/<case>           the find dialog's search over every column of 100 000
//                         rows for a text in the last one (rows per second);
//   InventoryCheck/<case> vorlak-query --check over 10 000 inventory lines (names,
//                         CAS numbers in both widths, English names, unknowns), against
//   OneSearch/<case>      vorlak-query looking up one chemical;
//   InventoryPage/<case>  the same 10 000 lines, as text and as a workbook, opened
//                         on the inventory page of a new main window: read, checked
//                         (the catalogue read once, as for a window's first check),
//                         shown in the grid and painted;
//   StartUp/<case>        the main window made, its first search run at once
//                         (not after its two-second delay), shown and painted, against
//   BareStartUp/<case>    a plain window with a table view over a model of the
//                         same statement's rows, read with SQLite's C interface,
//                         made, shown and painted.
#include "BenchDatabases.h"
#include "SearchWindow.h"

#include "app/AboutBox.h"
#include "app/DataGridWidget.h"
#include "app/DataModule.h"
#include "app/InventoryPage.h"
#include "app/SearchSql.h"
#include "db/Connection.h"
#include "db/Query.h"
#include "find/GridSearch.h"

#include <QApplication>
#include <QMainWindow>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QStandardItemModel>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <QTabWidget>
#include <sqlite3.h>
#include <xlsxwriter.h>

using namespace Qt::StringLiterals;

namespace {

// Runs a program as a process, its output thrown away, through the helper
// that reports the peak memory it reached.
void runProcess(benchmark::State& state, const QString& program, const QStringList& arguments)
{
    qint64 peakKib = 0;
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral(VORLAK_BENCH_PEAK), QStringList{program} + arguments);
        process.waitForFinished(-1);
        if (process.exitCode() != 0) {
            state.SkipWithError(process.readAllStandardError().constData());
            return;
        }
        peakKib = std::max(peakKib, process.readAllStandardOutput().trimmed().toLongLong());
    }
    state.counters["peak_kib"] = double(peakKib);
}

// A folder holding vorlak-query and, as its catalogue, the synthetic one of
// the given rows; made once per run.
QString queryProgramBeside(int rows)
{
    static QTemporaryDir dir;
    const QString program = dir.filePath(u"vorlak-query"_s);
    if (!QFile::exists(program)) {
        QFile::copy(QStringLiteral(VORLAK_PROGRAM_DIR "/vorlak-query"), program);
        QFile::copy(syntheticCatalogue(rows), dir.filePath(u"vorlak.db"_s));
    }
    return program;
}

void queryProgram(benchmark::State& state)
{
    runProcess(state, QStringLiteral(VORLAK_PROGRAM_DIR "/vorlak-query"), {u"--no-limit"_s});
}

QString wholeCatalogueStatement()
{
    SearchCriteria criteria;
    criteria.rowLimit = false;
    return buildSearchSql(criteria).text;
}

void sqliteShell(benchmark::State& state)
{
    runProcess(state, u"sqlite3"_s, {u"-readonly"_s, catalogueDatabase(), wholeCatalogueStatement()});
}

constexpr int kSyntheticRows = 100000;

void queryProgramSynthetic(benchmark::State& state)
{
    runProcess(state, queryProgramBeside(kSyntheticRows), {u"--no-limit"_s});
}

void sqliteShellSynthetic(benchmark::State& state)
{
    runProcess(state, u"sqlite3"_s, {u"-readonly"_s, syntheticCatalogue(kSyntheticRows), wholeCatalogueStatement()});
}

// An inventory of 10 000 lines taken from the catalogue's own rows, one in
// ten naming nothing listed; written once per run.
QString inventoryFile()
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(u"inventory.txt"_s);
    if (QFile::exists(path))
        return path;
    Connection connection;
    connection.setEmbeddedDatabase(catalogueDatabase());
    Query query;
    query.setConnection(&connection);
    query.sql().append(u"SELECT name1, cas, name_eng FROM hazardous_chemicals ORDER BY id"_s);
    query.open();
    QStringList lines;
    for (int i = 0; lines.size() < 10000; ++i) {
        query.setRecNo(1 + i % query.recordCount());
        const QString cas = query.fieldByName(u"cas"_s).asString();
        switch (i % 5) {
        case 0: lines << query.fieldByName(u"name1"_s).asString(); break;
        case 1: lines << cas; break;
        case 2: lines << query.fieldByName(u"name_eng"_s).asString().toUpper(); break;
        case 3: {
            QString wide = cas;
            for (QChar& ch : wide)
                ch = QChar(ch.unicode() + 0xFEE0);
            lines << wide;
            break;
        }
        default: lines << (i % 10 == 4 ? u"未列入的化学品%1"_s.arg(i) : cas + u",1 kg"_s);
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(lines.join(u'\n').toUtf8());
    return path;
}

void inventoryCheck(benchmark::State& state)
{
    runProcess(state, QStringLiteral(VORLAK_PROGRAM_DIR "/vorlak-query"), {u"--check"_s, inventoryFile()});
}

// The same inventory as a workbook's first sheet.
QString inventoryWorkbook()
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(u"inventory.xlsx"_s);
    if (QFile::exists(path))
        return path;
    QFile text(inventoryFile());
    if (!text.open(QIODevice::ReadOnly))
        return QString();
    lxw_workbook* book = workbook_new(QFile::encodeName(path).constData());
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    lxw_row_t row = 0;
    for (const QByteArray& line : text.readAll().split('\n')) {
        // "CAS,1 kg": the quantity in a column of its own; names keep their commas.
        const qsizetype comma = line.endsWith(" kg") ? line.lastIndexOf(',') : -1;
        worksheet_write_string(sheet, row, 0, line.left(comma < 0 ? line.size() : comma).constData(), nullptr);
        if (comma >= 0)
            worksheet_write_string(sheet, row, 1, line.mid(comma + 1).constData(), nullptr);
        ++row;
    }
    return workbook_close(book) == LXW_NO_ERROR ? path : QString();
}

void showAndPaint(QWidget& window);

void inventoryPage(benchmark::State& state, QString (*file)())
{
    const QString path = file();
    DataModule module(QStringLiteral(VORLAK_PROGRAM_DIR "/vorlak"));
    dataModule = &module;
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        MainWindow window;
        window.firstSearchTimer->stop();
        window.pages->setCurrentIndex(2);
        showAndPaint(window);
        state.ResumeTiming();
        window.inventory->openFile(path);
        window.repaint();
        rows = window.inventory->report().rows.size();
    }
    dataModule = nullptr;
    state.counters["rows"] = rows;
}

void oneSearch(benchmark::State& state)
{
    runProcess(state, QStringLiteral(VORLAK_PROGRAM_DIR "/vorlak-query"), {u"--cas"_s, u"67-56-1"_s});
}

void find(benchmark::State& state)
{
    SearchWindow search;
    search.connection.setEmbeddedDatabase(syntheticCatalogue(100000));
    search.window->search();
    Query& rows = *search.window->query;
    DataGrid& grid = search.window->findChild<DataGridWidget*>(u"DataGrid1"_s)->grid();
    FindRequest request;
    request.text = u"合成化学品100000号"_s;
    request.matchKind = FindMatch::WholeField;
    request.flags.set(FindFlag::AllColumns, true);
    for (auto _ : state) {
        rows.first();
        grid.moveToColumn(0);
        if (!findCellText(grid, request) || rows.recNo() != rows.recordCount())
            state.SkipWithError("the last row was not found");
    }
    state.SetItemsProcessed(state.iterations() * rows.recordCount());
}

// Shows a window and lets the events run until it has painted.
void showAndPaint(QWidget& window)
{
    struct PaintWatch : QObject {
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override
        {
            painted |= event->type() == QEvent::Paint;
            return false;
        }
    } watch;
    window.installEventFilter(&watch);
    window.show();
    while (!watch.painted)
        QApplication::processEvents();
    window.removeEventFilter(&watch);
}

void startUp(benchmark::State& state)
{
    int rows = 0;
    for (auto _ : state) {
        // The program's three forms in its order; the first search waits for its timer.
        auto* window = new MainWindow;
        mainWindow = window;
        DataModule module(QStringLiteral(VORLAK_PROGRAM_DIR "/vorlak"));
        dataModule = &module;
        AboutBox about;
        aboutBox = &about;
        window->firstSearch();
        showAndPaint(*window);
        rows = window->query->recordCount();
        delete window;
    }
    state.counters["rows"] = rows;
}

void bareStartUp(benchmark::State& state)
{
    const QByteArray statement = buildSearchSql(SearchCriteria()).text.toUtf8();
    int rows = 0;
    for (auto _ : state) {
        QStandardItemModel model;
        sqlite3* db = nullptr;
        sqlite3_open_v2(VORLAK_PROGRAM_DIR "/vorlak.db", &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* step = nullptr;
        sqlite3_prepare_v2(db, statement.constData(), int(statement.size()), &step, nullptr);
        const int columns = sqlite3_column_count(step);
        model.setColumnCount(columns);
        while (sqlite3_step(step) == SQLITE_ROW) {
            QList<QStandardItem*> row;
            for (int i = 0; i < columns; ++i)
                row.append(new QStandardItem(QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(step, i)), sqlite3_column_bytes(step, i))));
            model.appendRow(row);
        }
        sqlite3_finalize(step);
        sqlite3_close(db);
        QMainWindow window;
        auto* view = new QTableView;
        view->setModel(&model);
        window.setCentralWidget(view);
        window.resize(1182, 777);
        showAndPaint(window);
        rows = model.rowCount();
    }
    state.counters["rows"] = rows;
}

BENCHMARK(queryProgram)->Name("QueryProgram/catalogue_no_limit")->Unit(benchmark::kMillisecond);
BENCHMARK(sqliteShell)->Name("SqliteShell/catalogue_no_limit")->Unit(benchmark::kMillisecond);
BENCHMARK(queryProgramSynthetic)->Name("QueryProgram/synthetic_100k")->Unit(benchmark::kMillisecond);
BENCHMARK(sqliteShellSynthetic)->Name("SqliteShell/synthetic_100k")->Unit(benchmark::kMillisecond);
BENCHMARK(inventoryCheck)->Name("InventoryCheck/10000_lines")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(inventoryPage, text, inventoryFile)->Name("InventoryPage/10000_lines")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(inventoryPage, workbook, inventoryWorkbook)->Name("InventoryPage/10000_lines_xlsx")->Unit(benchmark::kMillisecond);
BENCHMARK(oneSearch)->Name("OneSearch/10000_lines")->Unit(benchmark::kMillisecond);
BENCHMARK(find)->Name("Find/all_columns_100k")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(startUp)->Name("StartUp/main_window")->Unit(benchmark::kMillisecond);
BENCHMARK(bareStartUp)->Name("BareStartUp/main_window")->Unit(benchmark::kMillisecond);

} // namespace
