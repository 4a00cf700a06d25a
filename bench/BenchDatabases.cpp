#include "BenchDatabases.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <sqlite3.h>
#include <stdexcept>

using namespace Qt::StringLiterals;

QString catalogueDatabase()
{
    return QStringLiteral(VORLAK_CATALOGUE_DB);
}

QString syntheticCatalogue(int rows)
{
    static QTemporaryDir dir;
    static std::map<int, QString> made;
    if (const auto it = made.find(rows); it != made.end())
        return it->second;

    const QString path = dir.filePath(u"synthetic-%1.db"_s.arg(rows));
    QFile schemaFile(QStringLiteral(VORLAK_CATALOGUE_SCHEMA));
    if (!schemaFile.open(QIODevice::ReadOnly))
        throw std::runtime_error("schema.sql not found");
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, schemaFile.readAll().constData(), nullptr, nullptr, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO hazardous_chemicals (id, index_id, name1, name2, cas, dangtypes, specialadmin, remarks) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                       -1, &insert, nullptr);
    for (int i = 1; i <= rows; ++i) {
        const QByteArray name = u"合成化学品%1号"_s.arg(i).toUtf8();
        const QByteArray alias = u"别名甲%1；别名乙%1"_s.arg(i).toUtf8();
        const QByteArray cas = QStringLiteral("%1-%2-%3").arg(10000 + i).arg(i % 100, 2, 10, QChar(u'0')).arg(i % 10).toUtf8();
        const QByteArray types = u"易燃液体,类别2；急性毒性-经口,类别3*；严重眼损伤/眼刺激,类别2"_s.toUtf8();
        sqlite3_bind_int(insert, 1, i);
        sqlite3_bind_int(insert, 2, i);
        sqlite3_bind_text(insert, 3, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 4, alias.constData(), int(alias.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 5, cas.constData(), int(cas.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 6, types.constData(), int(types.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 7, i % 7 == 0 ? "易制爆" : "", -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 8, i % 19 == 0 ? "剧毒" : "", -1, SQLITE_STATIC);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return made[rows] = path;
}

SqliteStepper::SqliteStepper(const QString& database)
{
    if (sqlite3_open_v2(database.toUtf8().constData(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr)
        != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db_));
}

SqliteStepper::~SqliteStepper()
{
    sqlite3_close(db_);
}

SqliteStep SqliteStepper::run(const QByteArray& statement) const
{
    sqlite3_stmt* step = nullptr;
    if (sqlite3_prepare_v2(db_, statement.constData(), int(statement.size()), &step, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db_));
    SqliteStep result;
    const int columns = sqlite3_column_count(step);
    while (sqlite3_step(step) == SQLITE_ROW) {
        for (int i = 0; i < columns; ++i)
            switch (sqlite3_column_type(step, i)) {
            case SQLITE_INTEGER: benchmark::DoNotOptimize(sqlite3_column_int64(step, i)); break;
            case SQLITE_FLOAT: benchmark::DoNotOptimize(sqlite3_column_double(step, i)); break;
            case SQLITE_NULL: break;
            default:
                benchmark::DoNotOptimize(sqlite3_column_text(step, i));
                result.textBytes += sqlite3_column_bytes(step, i);
            }
        ++result.rows;
    }
    sqlite3_finalize(step);
    return result;
}
