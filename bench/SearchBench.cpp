// How long a search takes through our ODBC connection and result set, against
// the same statement run on the same file with SQLite's own C interface.
#include "app/SearchSql.h"
#include "db/Connection.h"
#include "db/Query.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>
#include <sqlite3.h>

namespace {

const QString kDatabase = QStringLiteral(VORLAK_CATALOGUE_DB);

QString Statement(const TSearchCriteria& criteria)
{
    return BuildSearchSql(criteria).Text;
}

TSearchCriteria AllRows()
{
    TSearchCriteria criteria;
    criteria.RowLimit = false;
    return criteria;
}

TSearchCriteria NameLike()
{
    TSearchCriteria criteria;
    criteria.NameText = u"甲"_qs;
    criteria.RowLimit = false;
    return criteria;
}

void SearchThroughOdbc(benchmark::State& state, TSearchCriteria criteria)
{
    DbConnection connection;
    connection.SetEmbeddedDatabase(kDatabase);
    connection.Open();
    DbQuery query;
    query.SetConnection(&connection);
    query.SQL().append(Statement(criteria));
    for (auto _ : state) {
        query.Close();
        query.Open();
        benchmark::DoNotOptimize(query.RecordCount());
    }
    state.counters["rows"] = query.RecordCount();
}

void SearchThroughSqlite(benchmark::State& state, TSearchCriteria criteria)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(kDatabase.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    const QByteArray sql = Statement(criteria).toUtf8();
    int rows = 0;
    for (auto _ : state) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr);
        rows = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int i = 0; i < sqlite3_column_count(statement); ++i)
                benchmark::DoNotOptimize(sqlite3_column_text(statement, i));
            ++rows;
        }
        sqlite3_finalize(statement);
    }
    state.counters["rows"] = rows;
    sqlite3_close(db);
}

void BuildStatement(benchmark::State& state)
{
    TSearchCriteria criteria;
    criteria.NameText = u"二氯"_qs;
    criteria.IndexNoText = u"498"_qs;
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildSearchSql(criteria));
}

BENCHMARK_CAPTURE(SearchThroughOdbc, all_rows, AllRows())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchThroughSqlite, all_rows, AllRows())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchThroughOdbc, name_like, NameLike())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchThroughSqlite, name_like, NameLike())->Unit(benchmark::kMillisecond);
BENCHMARK(BuildStatement);

// Keeps each run's time so that the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            times_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const
    {
        for (const char* search : {"all_rows", "name_like"}) {
            const auto odbc = times_.find(std::string("SearchThroughOdbc/") + search);
            const auto base = times_.find(std::string("SearchThroughSqlite/") + search);
            if (odbc != times_.end() && base != times_.end() && base->second > 0)
                std::printf("ratio %s: ODBC search / SQLite C baseline = %.2f\n", search,
                            odbc->second / base->second);
        }
    }

private:
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv)
{
    // The embedded catalogue, whatever data sources this machine defines.
    setenv("ODBCINI", "/dev/null", 1);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
