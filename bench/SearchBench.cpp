// A search, against the same statement stepped with SQLite's C interface on
// the same file, every column read: the shipped catalogue without the row
// limit, and a synthetic catalogue of 100 000 rows.
//   Search/<case>     the main window's search: close, statement, open, footer
//                     recount and the grid's layout pass
//   ResultSet/<case>  the result set's open alone, with the memory its rows hold
//   Sqlite/<case>     the baseline, with the raw text bytes of a row
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

QString Synthetic100k()
{
    return SyntheticCatalogue(100000);
}

const Case kCatalogueAll{CatalogueDatabase, QString()};
const Case kCatalogueNameLike{CatalogueDatabase, u"甲"_s};
const Case kSynthetic{Synthetic100k, QString()};

SearchCriteria Criteria(const Case& c)
{
    SearchCriteria criteria;
    criteria.NameText = c.name;
    criteria.RowLimit = false;
    return criteria;
}

void Search(benchmark::State& state, const Case& c)
{
    SearchWindow search;
    search.connection.SetEmbeddedDatabase(c.database());
    search.window->nameEdit->setText(c.name);
    for (auto _ : state)
        search.window->search();
    state.counters["rows"] = search.window->query->RecordCount();
}

void ResultSet(benchmark::State& state, const Case& c)
{
    Connection connection;
    connection.SetEmbeddedDatabase(c.database());
    Query query;
    query.SetConnection(&connection);
    query.SQL().append(BuildSearchSql(Criteria(c)).Text);
    for (auto _ : state) {
        query.Close();
        query.Open();
    }
    state.counters["rows"] = query.RecordCount();
    state.counters["bytes_per_row"] = query.RecordCount() ? double(query.BytesHeld()) / query.RecordCount() : 0;
}

void Sqlite(benchmark::State& state, const Case& c)
{
    const QString database = c.database();
    const QString statement = BuildSearchSql(Criteria(c)).Text;
    SqliteStep step;
    for (auto _ : state)
        step = StepWithSqlite(database, statement);
    state.counters["rows"] = step.Rows;
    state.counters["text_bytes_per_row"] = step.Rows ? double(step.TextBytes) / step.Rows : 0;
}

void BuildStatement(benchmark::State& state)
{
    SearchCriteria criteria;
    criteria.NameText = u"二氯"_s;
    criteria.IndexNoText = u"498"_s;
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildSearchSql(criteria));
}

BENCHMARK_CAPTURE(Search, catalogue_all_rows, kCatalogueAll)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ResultSet, catalogue_all_rows, kCatalogueAll)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sqlite, catalogue_all_rows, kCatalogueAll)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, catalogue_name_like, kCatalogueNameLike)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ResultSet, catalogue_name_like, kCatalogueNameLike)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sqlite, catalogue_name_like, kCatalogueNameLike)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, synthetic_100k, kSynthetic)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(ResultSet, synthetic_100k, kSynthetic)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(Sqlite, synthetic_100k, kSynthetic)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BuildStatement);

} // namespace
