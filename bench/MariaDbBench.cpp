// A search through a MariaDB data source in the window's terms, against the
// MariaDB C connector reading every column of the same statement, on the
// private server `make bench` starts (its socket in VORLAK_BENCH_MARIADB_SOCKET;
// skipped without it). The whole catalogue, without the row limit.
#include "SearchWindow.h"

#include "app/SearchSql.h"
#include "db/Query.h"

#include <QTemporaryDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <mysql.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray serverSocket()
{
    return qgetenv("VORLAK_BENCH_MARIADB_SOCKET");
}

QString allRows()
{
    SearchCriteria criteria;
    criteria.rowLimit = false;
    return buildSearchSql(criteria).text;
}

void mariaDbSearch(benchmark::State& state)
{
    if (serverSocket().isEmpty()) {
        state.SkipWithError("no MariaDB server: run make bench");
        return;
    }
    // The data source `vorlak` for this benchmark only.
    QTemporaryDir dir;
    QFile ini(dir.filePath(u"odbc.ini"_s));
    ini.open(QIODevice::WriteOnly);
    ini.write("[vorlak]\nDriver=MariaDB Unicode\nSocket=" + serverSocket() + "\n");
    ini.close();
    const QByteArray previous = qgetenv("ODBCINI");
    qputenv("ODBCINI", ini.fileName().toLocal8Bit());
    {
        SearchWindow search;
        search.connection.setConnectionString(u"Data Source=vorlak;User ID=root;Initial Catalog=vorlak"_s);
        for (auto _ : state)
            search.window->search();
        state.counters["rows"] = search.window->query->recordCount();
    }
    qputenv("ODBCINI", previous);
}

void mariaDbConnector(benchmark::State& state)
{
    if (serverSocket().isEmpty()) {
        state.SkipWithError("no MariaDB server: run make bench");
        return;
    }
    MYSQL* db = mysql_init(nullptr);
    if (!mysql_real_connect(db, nullptr, "root", "", "vorlak", 0, serverSocket().constData(), 0)) {
        state.SkipWithError(mysql_error(db));
        mysql_close(db);
        return;
    }
    mysql_set_character_set(db, "utf8mb4");
    const QByteArray statement = allRows().toUtf8();
    int rows = 0;
    for (auto _ : state) {
        mysql_real_query(db, statement.constData(), statement.size());
        MYSQL_RES* result = mysql_use_result(db);
        const unsigned columns = mysql_num_fields(result);
        rows = 0;
        while (MYSQL_ROW row = mysql_fetch_row(result)) {
            for (unsigned i = 0; i < columns; ++i)
                benchmark::DoNotOptimize(row[i]);
            ++rows;
        }
        mysql_free_result(result);
    }
    state.counters["rows"] = rows;
    mysql_close(db);
}

BENCHMARK(mariaDbSearch)->Name("MariaDbSearch/catalogue_all_rows")->Unit(benchmark::kMillisecond);
BENCHMARK(mariaDbConnector)->Name("MariaDbConnector/catalogue_all_rows")->Unit(benchmark::kMillisecond);

} // namespace
