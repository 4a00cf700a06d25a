// A search through a MariaDB data source in the window's terms, against the
// MariaDB C connector reading every column of the same statement, on the
// private server `make bench` starts (its socket in VORLAK_BENCH_MARIADB_SOCKET;
// skipped without it): the whole catalogue, and a synthetic catalogue of
// 100 000 rows loaded into a database of its own; without the row limit.
#include "BenchDatabases.h"
#include "SearchWindow.h"

#include "app/SearchSql.h"
#include "db/Query.h"

#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <mysql.h>
#include <sqlite3.h>
#include <stdexcept>

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

MYSQL* connectTo(const char* database)
{
    MYSQL* db = mysql_init(nullptr);
    if (!mysql_real_connect(db, nullptr, "root", "", database, 0, serverSocket().constData(), 0)) {
        const std::string error = mysql_error(db);
        mysql_close(db);
        throw std::runtime_error(error);
    }
    mysql_set_character_set(db, "utf8mb4");
    return db;
}

void run(MYSQL* db, const QByteArray& statement)
{
    if (mysql_real_query(db, statement.constData(), statement.size()) != 0)
        throw std::runtime_error(mysql_error(db));
}

// The server's database of that many synthetic rows, the same as the
// embedded synthetic catalogue's, loaded once per run.
QByteArray syntheticServerCatalogue(int rows)
{
    const QByteArray name = "synthetic_" + QByteArray::number(rows);
    MYSQL* db = connectTo(nullptr);
    const auto close = qScopeGuard([db] { mysql_close(db); });
    if (mysql_select_db(db, name.constData()) == 0)
        return name;
    run(db, "CREATE DATABASE " + name);
    mysql_select_db(db, name.constData());
    QFile schema(QStringLiteral(VORLAK_CATALOGUE_SCHEMA));
    schema.open(QIODevice::ReadOnly);
    QByteArray statements;
    for (const QByteArray& line : schema.readAll().split('\n'))
        if (!line.trimmed().startsWith("--"))
            statements += line + '\n';
    for (const QByteArray& statement : statements.split(';'))
        if (!statement.trimmed().isEmpty())
            run(db, statement);
    sqlite3* source = nullptr;
    sqlite3_open_v2(syntheticCatalogue(rows).toUtf8().constData(), &source, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* read = nullptr;
    sqlite3_prepare_v2(source, "SELECT * FROM hazardous_chemicals", -1, &read, nullptr);
    const int columns = sqlite3_column_count(read);
    QByteArray insert;
    for (int r = 0;; ++r) {
        const bool more = sqlite3_step(read) == SQLITE_ROW;
        if ((!more || r % 1000 == 0) && !insert.isEmpty()) {
            run(db, insert);
            insert.clear();
        }
        if (!more)
            break;
        insert += insert.isEmpty() ? "INSERT INTO hazardous_chemicals VALUES (" : ",(";
        for (int i = 0; i < columns; ++i) {
            if (i > 0)
                insert += ',';
            if (sqlite3_column_type(read, i) == SQLITE_NULL) {
                insert += "NULL";
                continue;
            }
            const QByteArray value(reinterpret_cast<const char*>(sqlite3_column_text(read, i)), sqlite3_column_bytes(read, i));
            QByteArray escaped(value.size() * 2 + 1, Qt::Uninitialized);
            escaped.resize(qsizetype(mysql_real_escape_string(db, escaped.data(), value.constData(), value.size())));
            insert += '\'' + escaped + '\'';
        }
        insert += ')';
    }
    sqlite3_finalize(read);
    sqlite3_close(source);
    return name;
}

QByteArray catalogue()
{
    return "vorlak";
}

QByteArray synthetic100k()
{
    return syntheticServerCatalogue(100000);
}

void mariaDbSearch(benchmark::State& state, QByteArray (*database)())
{
    if (serverSocket().isEmpty()) {
        state.SkipWithError("no MariaDB server: run make bench");
        return;
    }
    const QString catalogue = QString::fromLatin1(database());
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
        search.connection.setConnectionString(u"Data Source=vorlak;User ID=root;Initial Catalog="_s + catalogue);
        for (auto _ : state)
            search.window->search();
        state.counters["rows"] = search.window->query->recordCount();
    }
    qputenv("ODBCINI", previous);
}

void mariaDbConnector(benchmark::State& state, QByteArray (*database)())
{
    if (serverSocket().isEmpty()) {
        state.SkipWithError("no MariaDB server: run make bench");
        return;
    }
    MYSQL* db = connectTo(database().constData());
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

BENCHMARK_CAPTURE(mariaDbSearch, catalogue_all_rows, catalogue)->Name("MariaDbSearch/catalogue_all_rows")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(mariaDbConnector, catalogue_all_rows, catalogue)->Name("MariaDbConnector/catalogue_all_rows")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(mariaDbSearch, synthetic_100k, synthetic100k)->Name("MariaDbSearch/synthetic_100k")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(mariaDbConnector, synthetic_100k, synthetic100k)->Name("MariaDbConnector/synthetic_100k")->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
