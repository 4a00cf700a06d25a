#include "SqliteFetch.h"

#include "DatabaseError.h"
#include "SqliteLike.h"

#include <QDateTime>
#include <memory>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

// SQLite's last error on the connection and its code.
QString sqliteMessage(sqlite3* db)
{
    return u"%1 (%2)"_s.arg(QString::fromUtf8(sqlite3_errmsg(db))).arg(sqlite3_errcode(db));
}

QString statementError(sqlite3* db)
{
    return u"[SQLite]%1 QODBC: Unable to execute statement"_s.arg(sqliteMessage(db));
}

// Why an open database cannot serve searches: it cannot be read, or it holds
// no tables. Empty when it can.
QString unusableDatabase(sqlite3* db)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_schema WHERE type = 'table'", -1, &raw, nullptr) != SQLITE_OK)
        return sqliteMessage(db);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    if (sqlite3_step(statement.get()) != SQLITE_ROW)
        return sqliteMessage(db);
    if (sqlite3_column_int(statement.get(), 0) == 0)
        return u"the file holds no tables"_s;
    return QString();
}

// The type and size the ODBC driver gives a column of that declared type.
FetchedColumn declaredColumn(const QString& declared)
{
    const QString type = declared.trimmed().toUpper();
    // The size in brackets: VARCHAR(500), DECIMAL(10,2).
    const qsizetype open = type.indexOf(u'(');
    const int declaredSize =
        open < 0 ? 0 : type.mid(open + 1).section(u',', 0, 0).section(u')', 0, 0).trimmed().toInt();
    const auto is = [&type](const char* name) { return type.startsWith(QLatin1StringView(name)); };
    if (is("BIGINT"))
        return {{}, QMetaType::fromType<qlonglong>(), 20};
    if (is("SMALLINT"))
        return {{}, QMetaType::fromType<short>(), 6};
    if (is("TINYINT"))
        return {{}, QMetaType::fromType<uint>(), 4};
    if (is("BOOLEAN") || is("BIT"))
        return {{}, QMetaType::fromType<uint>(), 1};
    if (is("INT"))
        return {{}, QMetaType::fromType<int>(), 10};
    if (is("REAL") || is("DOUBLE") || is("FLOAT") || is("NUMERIC"))
        return {{}, QMetaType::fromType<double>(), 54};
    if (is("DECIMAL"))
        return {{}, QMetaType::fromType<QString>(), declaredSize};
    if (is("DATETIME") || is("TIMESTAMP"))
        return {{}, QMetaType::fromType<QDateTime>(), 32};
    if (is("DATE"))
        return {{}, QMetaType::fromType<QDate>(), 10};
    if (is("TIME"))
        return {{}, QMetaType::fromType<QTime>(), 8};
    if (is("BLOB"))
        return {{}, QMetaType::fromType<QByteArray>(), 255};
    if (is("TEXT"))
        return {{}, QMetaType::fromType<QString>(), 65536};
    return {{}, QMetaType::fromType<QString>(), declaredSize > 0 ? declaredSize : 255};
}

// A column without a declared type (an expression) takes its type from the
// first row's value.
FetchedColumn valueColumn(sqlite3_stmt* statement, int column, bool haveRow)
{
    switch (haveRow ? sqlite3_column_type(statement, column) : SQLITE_NULL) {
    case SQLITE_INTEGER: return {{}, QMetaType::fromType<int>(), 10};
    case SQLITE_FLOAT: return {{}, QMetaType::fromType<double>(), 54};
    default: return {{}, QMetaType::fromType<QString>(), 255};
    }
}

std::vector<FetchedColumn> describe(sqlite3_stmt* statement, bool haveRow)
{
    std::vector<FetchedColumn> columns;
    for (int i = 0; i < sqlite3_column_count(statement); ++i) {
        const char* declared = sqlite3_column_decltype(statement, i);
        FetchedColumn column = declared ? declaredColumn(QString::fromUtf8(declared)) : valueColumn(statement, i, haveRow);
        // The driver names a column by what follows the last full stop of its text.
        column.name = QString::fromUtf8(sqlite3_column_name(statement, i));
        column.name = column.name.mid(column.name.lastIndexOf(u'.') + 1);
        columns.push_back(std::move(column));
    }
    return columns;
}

void readValue(sqlite3_stmt* statement, int column, QMetaType type, RowSink& rows)
{
    static const char kHex[] = "0123456789ABCDEF";
    switch (type.id()) {
    case QMetaType::Double:
        if (sqlite3_column_type(statement, column) == SQLITE_NULL)
            return rows.appendNull();
        return rows.appendDouble(sqlite3_column_double(statement, column));
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        if (sqlite3_column_type(statement, column) == SQLITE_NULL)
            return rows.appendNull();
        return rows.appendInteger(sqlite3_column_int64(statement, column));
    case QMetaType::QByteArray: {
        if (sqlite3_column_type(statement, column) != SQLITE_BLOB)
            break;
        // A blob reads as its literal, X'…'.
        const auto* bytes = static_cast<const unsigned char*>(sqlite3_column_blob(statement, column));
        QByteArray literal("X'");
        for (int i = 0; i < sqlite3_column_bytes(statement, column); ++i)
            literal.append(kHex[bytes[i] >> 4]).append(kHex[bytes[i] & 15]);
        literal.append('\'');
        return rows.appendText(literal.constData(), literal.size());
    }
    default: break;
    }
    // Text, and other types as their text; no text is a null.
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    if (!text)
        return rows.appendNull();
    rows.appendText(text, sqlite3_column_bytes(statement, column));
}

} // namespace

sqlite3* openSqliteReadOnly(const QString& path)
{
    sqlite3* db = nullptr;
    // One thread uses the connection: its calls need no locking.
    const int r = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    if (r != SQLITE_OK) {
        sqlite3_close(db);
        throw DatabaseError(u"[SQLite]connect failed QODBC: Unable to connect"_s);
    }
    // SQLite reads the file only when asked: a damaged, foreign or empty file
    // is refused here, where a missing one is, not at the first search.
    const QString unusable = unusableDatabase(db);
    if (!unusable.isEmpty()) {
        sqlite3_close(db);
        throw DatabaseError(u"[SQLite]%1 QODBC: Unable to connect"_s.arg(unusable));
    }
    useServerLikeRules(db);
    return db;
}

void closeSqlite(sqlite3* db)
{
    sqlite3_close(db);
}

void fetchSqliteRows(sqlite3* db, const QString& statementText, RowSink& rows)
{
    sqlite3_stmt* raw = nullptr;
    const QByteArray text = statementText.toUtf8();
    if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &raw, nullptr) != SQLITE_OK)
        throw DatabaseError(statementError(db));
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    if (!statement) {
        rows.begin({});  // no statement in the text: no columns, no rows
        return;
    }
    int r = sqlite3_step(statement.get());
    if (r != SQLITE_ROW && r != SQLITE_DONE)
        throw DatabaseError(statementError(db));
    std::vector<FetchedColumn> columns = describe(statement.get(), r == SQLITE_ROW);
    std::vector<QMetaType> types;
    for (const FetchedColumn& column : columns)
        types.push_back(column.type);
    rows.begin(std::move(columns));
    for (; r == SQLITE_ROW; r = sqlite3_step(statement.get())) {
        for (int i = 0; i < int(types.size()); ++i)
            readValue(statement.get(), i, types[size_t(i)], rows);
        rows.endRow();
    }
    if (r != SQLITE_DONE)
        throw DatabaseError(statementError(db));
}
