// A search through our ODBC connection and result set, against the same
// statement stepped with SQLite's C interface on the same file: the shipped
// catalogue, and a synthetic one of 100 000 rows opened without the row limit.
#include "BenchDatabases.h"

#include "app/SearchSql.h"
#include "db/Connection.h"
#include "db/Query.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

using namespace Qt::StringLiterals;

namespace {

struct Case {
    QString (*database)();
    SearchCriteria criteria;
};

SearchCriteria Unlimited(QString name = QString())
{
    SearchCriteria criteria;
    criteria.NameText = std::move(name);
    criteria.RowLimit = false;
    return criteria;
}

QString Synthetic100k()
{
    return SyntheticCatalogue(100000);
}

const Case kCatalogueAll{CatalogueDatabase, Unlimited()};
const Case kCatalogueNameLike{CatalogueDatabase, Unlimited(u"甲"_s)};
const Case kSynthetic{Synthetic100k, Unlimited()};

size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

void Odbc(benchmark::State& state, const Case& c)
{
    Connection connection;
    connection.SetEmbeddedDatabase(c.database());
    connection.Open();
    Query query;
    query.SetConnection(&connection);
    query.SQL().append(BuildSearchSql(c.criteria).Text);
    size_t bytes = 0;
    for (auto _ : state) {
        query.Close();
        const size_t before = HeapInUse();
        query.Open();
        bytes = HeapInUse() - before;
        benchmark::DoNotOptimize(query.RecordCount());
    }
    state.counters["rows"] = query.RecordCount();
    state.counters["bytes_per_row"] = query.RecordCount() ? double(bytes) / query.RecordCount() : 0;
}

void Sqlite(benchmark::State& state, const Case& c)
{
    const QString database = c.database();
    const QString statement = BuildSearchSql(c.criteria).Text;
    int rows = 0;
    for (auto _ : state)
        rows = StepWithSqlite(database, statement);
    state.counters["rows"] = rows;
}

void BuildStatement(benchmark::State& state)
{
    SearchCriteria criteria;
    criteria.NameText = u"二氯"_s;
    criteria.IndexNoText = u"498"_s;
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildSearchSql(criteria));
}

BENCHMARK_CAPTURE(Odbc, catalogue_all_rows, kCatalogueAll)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sqlite, catalogue_all_rows, kCatalogueAll)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Odbc, catalogue_name_like, kCatalogueNameLike)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sqlite, catalogue_name_like, kCatalogueNameLike)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Odbc, synthetic_100k, kSynthetic)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Sqlite, synthetic_100k, kSynthetic)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BuildStatement);

} // namespace
