// A search, against the same statement stepped with SQLite's C interface on
// the same file, every column read: the shipped catalogue without the row
// limit, and synthetic catalogues of 100 000 and 1 000 000 rows.
//   Search/<case>     the main window's search: close, statement, open, footer
//                     recount and the grid's layout pass
//   ResultSet/<case>  the result set's open alone, with the memory its rows hold
//   Sqlite/<case>     the floor: the file opened once, the statement prepared
//                     and stepped, each value read by its type; with the raw
//                     text bytes of a row
#include "BenchDatabases.h"

#include "SearchWindow.h"

#include "app/SearchSql.h"
#include "db/Query.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

struct Case {
    QString (*database)();
    QString name;  // 品名 criterion
};

QString synthetic100k()
{
    return syntheticCatalogue(100000);
}

QString synthetic1m()
{
    return syntheticCatalogue(1000000);
}

const Case kCatalogueAll{catalogueDatabase, QString()};
const Case kCatalogueNameLike{catalogueDatabase, u"甲"_s};
const Case kSynthetic{synthetic100k, QString()};
const Case kSynthetic1m{synthetic1m, QString()};

SearchCriteria criteria(const Case& c)
{
    SearchCriteria criteria;
    criteria.nameText = c.name;
    criteria.rowLimit = false;
    return criteria;
}

void search(benchmark::State& state, const Case& c)
{
    SearchWindow search;
    search.connection.setEmbeddedDatabase(c.database());
    search.window->nameEdit->setText(c.name);
    for (auto _ : state)
        search.window->search();
    state.counters["rows"] = search.window->query->recordCount();
}

void resultSet(benchmark::State& state, const Case& c)
{
    Connection connection;
    connection.setEmbeddedDatabase(c.database());
    Query query;
    query.setConnection(&connection);
    query.sql().append(buildSearchSql(criteria(c)).text);
    for (auto _ : state) {
        query.close();
        query.open();
    }
    state.counters["rows"] = query.recordCount();
    state.counters["bytes_per_row"] = query.recordCount() ? double(query.bytesHeld()) / query.recordCount() : 0;
}

void sqlite(benchmark::State& state, const Case& c)
{
    const SqliteStepper floor(c.database());
    const QByteArray statement = buildSearchSql(criteria(c)).text.toUtf8();
    SqliteStep step;
    for (auto _ : state)
        step = floor.run(statement);
    state.counters["rows"] = step.rows;
    state.counters["text_bytes_per_row"] = step.rows ? double(step.textBytes) / step.rows : 0;
}

void buildStatement(benchmark::State& state)
{
    SearchCriteria criteria;
    criteria.nameText = u"二氯"_s;
    criteria.indexNoText = u"498"_s;
    for (auto _ : state)
        benchmark::DoNotOptimize(buildSearchSql(criteria));
}

BENCHMARK_CAPTURE(search, catalogue_all_rows, kCatalogueAll)->Name("Search/catalogue_all_rows")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(resultSet, catalogue_all_rows, kCatalogueAll)->Name("ResultSet/catalogue_all_rows")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sqlite, catalogue_all_rows, kCatalogueAll)->Name("Sqlite/catalogue_all_rows")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, catalogue_name_like, kCatalogueNameLike)->Name("Search/catalogue_name_like")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(resultSet, catalogue_name_like, kCatalogueNameLike)->Name("ResultSet/catalogue_name_like")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sqlite, catalogue_name_like, kCatalogueNameLike)->Name("Sqlite/catalogue_name_like")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, synthetic_100k, kSynthetic)->Name("Search/synthetic_100k")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(resultSet, synthetic_100k, kSynthetic)->Name("ResultSet/synthetic_100k")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(sqlite, synthetic_100k, kSynthetic)->Name("Sqlite/synthetic_100k")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(search, synthetic_1m, kSynthetic1m)->Name("Search/synthetic_1m")->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(resultSet, synthetic_1m, kSynthetic1m)->Name("ResultSet/synthetic_1m")->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(sqlite, synthetic_1m, kSynthetic1m)->Name("Sqlite/synthetic_1m")->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(buildStatement)->Name("BuildStatement");

} // namespace
