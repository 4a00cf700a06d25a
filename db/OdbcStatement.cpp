#include "OdbcStatement.h"

#include "DatabaseError.h"

#include <QDateTime>
#include <QScopeGuard>
#include <cstring>
#include <memory>
#include <type_traits>
#include <sql.h>
#include <sqlext.h>

using namespace Qt::StringLiterals;

namespace {

QString diagnostics(SQLHSTMT statement)
{
    QString text;
    SQLWCHAR state[6];
    SQLWCHAR message[1024];
    SQLINTEGER nativeError = 0;
    SQLSMALLINT length = 0;
    for (SQLSMALLINT record = 1;
         SQL_SUCCEEDED(SQLGetDiagRecW(SQL_HANDLE_STMT, statement, record, state, &nativeError,
                                      message, SQLSMALLINT(std::size(message)), &length));
         ++record) {
        if (!text.isEmpty())
            text += u' ';
        text += QString::fromUtf16(reinterpret_cast<const char16_t*>(message));
    }
    return text.isEmpty() ? u"Unable to fetch row"_s : text;
}

// Length of UTF-16 text up to its terminator, within the buffer.
qsizetype terminatedLength(const std::vector<SQLWCHAR>& buffer, qsizetype room)
{
    qsizetype n = 0;
    while (n < room && buffer[size_t(n)] != 0)
        ++n;
    return n;
}

// Reads a text value into the rows, in chunks: most values fit one at once.
void readText(SQLHSTMT statement, SQLUSMALLINT column, RowSink& rows)
{
    constexpr qsizetype kChunk = 4096;  // characters, terminator included
    thread_local std::vector<SQLWCHAR> buffer(kChunk);
    QString text;
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN r = SQLGetData(statement, column, SQL_C_WCHAR, buffer.data(),
                                       SQLLEN(buffer.size() * sizeof(SQLWCHAR)), &indicator);
        if (r == SQL_NO_DATA)
            break;
        if (!SQL_SUCCEEDED(r))
            throw DatabaseError(diagnostics(statement));
        if (indicator == SQL_NULL_DATA) {
            rows.appendNull();
            return;
        }
        // On SQL_SUCCESS_WITH_INFO the chunk filled the buffer and more follows.
        const qsizetype room = kChunk - 1;
        text += QString::fromUtf16(reinterpret_cast<const char16_t*>(buffer.data()),
                                   terminatedLength(buffer, room));
        if (r == SQL_SUCCESS)
            break;
    }
    rows.appendText(text);
}

template <typename T>
void readFixed(SQLHSTMT statement, SQLUSMALLINT column, SQLSMALLINT cType, RowSink& rows)
{
    T value{};
    SQLLEN indicator = 0;
    const SQLRETURN r = SQLGetData(statement, column, cType, &value, sizeof value, &indicator);
    if (!SQL_SUCCEEDED(r))
        throw DatabaseError(diagnostics(statement));
    if (indicator == SQL_NULL_DATA)
        rows.appendNull();
    else if constexpr (std::is_floating_point_v<T>)
        rows.appendDouble(value);
    else
        rows.appendInteger(qint64(value));
}

void readValue(SQLHSTMT statement, SQLUSMALLINT column, QMetaType type, RowSink& rows)
{
    switch (type.id()) {
    case QMetaType::Int: return readFixed<qint32>(statement, column, SQL_C_SLONG, rows);
    case QMetaType::UInt: return readFixed<quint32>(statement, column, SQL_C_ULONG, rows);
    case QMetaType::LongLong: return readFixed<qint64>(statement, column, SQL_C_SBIGINT, rows);
    case QMetaType::ULongLong: return readFixed<quint64>(statement, column, SQL_C_UBIGINT, rows);
    case QMetaType::Double: return readFixed<double>(statement, column, SQL_C_DOUBLE, rows);
    default: return readText(statement, column, rows);  // anything else as its text
    }
}

// A column's name, the type its values read as and its size, as Qt's ODBC
// driver describes them.
FetchedColumn describeColumn(SQLHSTMT statement, SQLUSMALLINT column)
{
    SQLWCHAR name[256] = {};
    SQLSMALLINT nameLength = 0, sqlType = 0, scale = 0, nullable = 0;
    SQLULEN size = 0;
    if (!SQL_SUCCEEDED(SQLDescribeColW(statement, column, name, SQLSMALLINT(std::size(name)), &nameLength, &sqlType,
                                       &size, &scale, &nullable)))
        throw DatabaseError(diagnostics(statement));
    // The name up to its terminator: some drivers report its length wrongly.
    name[std::size(name) - 1] = 0;
    qsizetype length = 0;
    while (name[length] != 0)
        ++length;
    SQLLEN isUnsigned = SQL_FALSE;
    SQLColAttributeW(statement, column, SQL_DESC_UNSIGNED, nullptr, 0, nullptr, &isUnsigned);
    const bool unsignedType = isUnsigned == SQL_TRUE;
    QMetaType type;
    switch (sqlType) {
    case SQL_DECIMAL:
    case SQL_NUMERIC:
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE: type = QMetaType::fromType<double>(); break;
    case SQL_SMALLINT: type = unsignedType ? QMetaType::fromType<ushort>() : QMetaType::fromType<short>(); break;
    case SQL_INTEGER:
    case SQL_BIT: type = unsignedType ? QMetaType::fromType<uint>() : QMetaType::fromType<int>(); break;
    case SQL_TINYINT: type = QMetaType::fromType<uint>(); break;
    case SQL_BIGINT: type = unsignedType ? QMetaType::fromType<qulonglong>() : QMetaType::fromType<qlonglong>(); break;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY: type = QMetaType::fromType<QByteArray>(); break;
    case SQL_DATE:
    case SQL_TYPE_DATE: type = QMetaType::fromType<QDate>(); break;
    case SQL_TIME:
    case SQL_TYPE_TIME: type = QMetaType::fromType<QTime>(); break;
    case SQL_TIMESTAMP:
    case SQL_TYPE_TIMESTAMP: type = QMetaType::fromType<QDateTime>(); break;
    case SQL_WCHAR:
    case SQL_WVARCHAR:
    case SQL_WLONGVARCHAR:
    case SQL_CHAR:
    case SQL_VARCHAR:
    case SQL_GUID:
    case SQL_LONGVARCHAR: type = QMetaType::fromType<QString>(); break;
    default: type = QMetaType::fromType<QByteArray>(); break;
    }
    return {QString::fromUtf16(reinterpret_cast<const char16_t*>(name), length), type, int(size)};
}

// Reads the rest of the result a value at a time, after skipping rows already read.
void fetchValueByValue(SQLHSTMT statement, const std::vector<FetchedColumn>& columns, RowSink& rows, qint64 skip)
{
    for (;; --skip) {
        const SQLRETURN r = SQLFetch(statement);
        if (r == SQL_NO_DATA)
            break;
        if (!SQL_SUCCEEDED(r))
            throw DatabaseError(diagnostics(statement));
        if (skip > 0)
            continue;
        for (size_t i = 0; i < columns.size(); ++i)
            readValue(statement, SQLUSMALLINT(i + 1), columns[i].type, rows);
        rows.endRow();
    }
}

constexpr SQLULEN kRowsPerBlock = 256;
// The UTF-16 units a bound text holds at most, its terminator aside; the
// catalogue's longest text is a fifth of that. A longer one is read value by value.
constexpr SQLLEN kBoundTextUnits = 1024;

// A column bound for blocks of rows: a block's values side by side, each in
// `width` bytes, and their length indicators.
struct BoundColumn {
    SQLSMALLINT cType = SQL_C_WCHAR;
    SQLLEN width = 0;
    std::unique_ptr<char[]> values;
    std::unique_ptr<SQLLEN[]> indicators;
};

BoundColumn boundColumn(const FetchedColumn& column, SQLULEN blockRows, bool utf8Text)
{
    BoundColumn bound;
    switch (column.type.id()) {
    case QMetaType::Int: bound = {SQL_C_SLONG, sizeof(qint32), {}, {}}; break;
    case QMetaType::UInt: bound = {SQL_C_ULONG, sizeof(quint32), {}, {}}; break;
    case QMetaType::LongLong: bound = {SQL_C_SBIGINT, sizeof(qint64), {}, {}}; break;
    case QMetaType::ULongLong: bound = {SQL_C_UBIGINT, sizeof(quint64), {}, {}}; break;
    case QMetaType::Double: bound = {SQL_C_DOUBLE, sizeof(double), {}, {}}; break;
    default: {
        // Anything else as its text, with room for a pair of units (or
        // four UTF-8 bytes) at every declared character.
        const SQLLEN units = column.size > 0 ? qMin(2 * SQLLEN(column.size), kBoundTextUnits) : kBoundTextUnits;
        if (utf8Text)
            bound = {SQL_C_CHAR, 2 * units + 1, {}, {}};
        else
            bound.width = (units + 1) * SQLLEN(sizeof(SQLWCHAR));
    }
    }
    bound.values.reset(new char[size_t(bound.width) * blockRows]);
    bound.indicators.reset(new SQLLEN[blockRows]);
    return bound;
}

template <typename T>
T boundValue(const char* at)
{
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// Whether a block row's value came whole: a text may have outgrown its buffer.
bool cameWhole(const BoundColumn& column, SQLULEN row)
{
    const SQLLEN indicator = column.indicators[row];
    if (indicator == SQL_NULL_DATA || (column.cType != SQL_C_CHAR && column.cType != SQL_C_WCHAR))
        return true;
    // At most the buffer less its terminator.
    const SQLLEN terminator = column.cType == SQL_C_CHAR ? 1 : SQLLEN(sizeof(SQLWCHAR));
    return indicator != SQL_NO_TOTAL && indicator <= column.width - terminator;
}

void appendBound(const BoundColumn& column, SQLULEN row, RowSink& rows)
{
    const SQLLEN indicator = column.indicators[row];
    if (indicator == SQL_NULL_DATA) {
        rows.appendNull();
        return;
    }
    const char* at = column.values.get() + size_t(column.width) * row;
    switch (column.cType) {
    case SQL_C_SLONG: rows.appendInteger(boundValue<qint32>(at)); break;
    case SQL_C_ULONG: rows.appendInteger(boundValue<quint32>(at)); break;
    case SQL_C_SBIGINT: rows.appendInteger(boundValue<qint64>(at)); break;
    case SQL_C_UBIGINT: rows.appendInteger(qint64(boundValue<quint64>(at))); break;
    case SQL_C_DOUBLE: rows.appendDouble(boundValue<double>(at)); break;
    // A text came whole, so its indicator is its length in bytes.
    case SQL_C_CHAR: rows.appendText(at, qsizetype(indicator)); break;
    default: {
        const qsizetype room = column.width / qsizetype(sizeof(SQLWCHAR)) - 1;
        const auto* units = reinterpret_cast<const char16_t*>(at);
        qsizetype length = 0;
        while (length < room && units[length] != 0)
            ++length;
        rows.appendText(QString::fromUtf16(units, length));
    }
    }
}

enum class Blocks { Read, NotTaken, TextTooLong };

// Reads the result in blocks of rows into bound buffers, counting the rows
// read. A row with a text that outgrew its buffer is not read. Whatever the
// outcome the statement is left with nothing bound and a row at a time.
Blocks fetchInBlocks(SQLHSTMT statement, const std::vector<FetchedColumn>& columns, RowSink& rows, bool utf8Text,
                     qint64& read)
{
    const auto unbind = qScopeGuard([statement] {
        SQLFreeStmt(statement, SQL_UNBIND);
        SQLSetStmtAttr(statement, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(SQLULEN(1)), 0);
        SQLSetStmtAttr(statement, SQL_ATTR_ROWS_FETCHED_PTR, nullptr, 0);
        SQLSetStmtAttr(statement, SQL_ATTR_ROW_STATUS_PTR, nullptr, 0);
    });
    // The driver may grant fewer rows a block than asked; one is none.
    SQLULEN blockRows = 0;
    if (!SQL_SUCCEEDED(SQLSetStmtAttr(statement, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(kRowsPerBlock), 0))
        || !SQL_SUCCEEDED(SQLGetStmtAttr(statement, SQL_ATTR_ROW_ARRAY_SIZE, &blockRows, 0, nullptr)) || blockRows <= 1)
        return Blocks::NotTaken;
    SQLULEN fetched = 0;
    const std::unique_ptr<SQLUSMALLINT[]> status(new SQLUSMALLINT[blockRows]);
    bool taken = SQL_SUCCEEDED(SQLSetStmtAttr(statement, SQL_ATTR_ROW_BIND_TYPE, SQL_BIND_BY_COLUMN, 0))
                 && SQL_SUCCEEDED(SQLSetStmtAttr(statement, SQL_ATTR_ROWS_FETCHED_PTR, &fetched, 0))
                 && SQL_SUCCEEDED(SQLSetStmtAttr(statement, SQL_ATTR_ROW_STATUS_PTR, status.get(), 0));
    std::vector<BoundColumn> bound;
    for (size_t i = 0; i < columns.size() && taken; ++i) {
        const BoundColumn& column = bound.emplace_back(boundColumn(columns[i], blockRows, utf8Text));
        taken = SQL_SUCCEEDED(SQLBindCol(statement, SQLUSMALLINT(i + 1), column.cType, column.values.get(),
                                         column.width, column.indicators.get()));
    }
    if (!taken)
        return Blocks::NotTaken;
    for (;;) {
        const SQLRETURN r = SQLFetch(statement);
        if (r == SQL_NO_DATA)
            return Blocks::Read;
        if (!SQL_SUCCEEDED(r))
            throw DatabaseError(diagnostics(statement));
        for (SQLULEN row = 0; row < fetched; ++row) {
            if (status[row] == SQL_ROW_ERROR)
                throw DatabaseError(diagnostics(statement));
            for (const BoundColumn& column : bound)
                if (!cameWhole(column, row))
                    return Blocks::TextTooLong;
            for (const BoundColumn& column : bound)
                appendBound(column, row, rows);
            rows.endRow();
            ++read;
        }
    }
}

void execute(SQLHSTMT statement, const QString& statementText)
{
    // Handed over null-terminated: a driver told the length may read past it.
    const auto* units = reinterpret_cast<const SQLWCHAR*>(statementText.utf16());
    std::vector<SQLWCHAR> text(units, units + statementText.size());
    text.push_back(0);
    const SQLRETURN executed = SQLExecDirectW(statement, text.data(), SQL_NTS);
    if (executed != SQL_NO_DATA && !SQL_SUCCEEDED(executed))
        throw DatabaseError(diagnostics(statement) + u" QODBC: Unable to execute statement"_s);
}

using StatementHandle = std::unique_ptr<void, void (*)(void*)>;

StatementHandle newStatement(void* connectionHandle)
{
    SQLHSTMT raw = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, static_cast<SQLHDBC>(connectionHandle), &raw)))
        throw DatabaseError(u"QODBC: Unable to allocate statement"_s);
    return StatementHandle(raw, [](void* s) { SQLFreeHandle(SQL_HANDLE_STMT, s); });
}

} // namespace

void runOdbcCommand(void* connectionHandle, const QString& statementText)
{
    const StatementHandle owner = newStatement(connectionHandle);
    execute(owner.get(), statementText);
}

bool odbcNarrowTextIsUtf8(void* connectionHandle)
{
    const StatementHandle owner = newStatement(connectionHandle);
    const SQLHSTMT statement = owner.get();
    const QString probe = u"甲é"_s;
    const QByteArray expected = probe.toUtf8();
    char value[16] = {};
    SQLLEN indicator = 0;
    try {
        execute(statement, u"SELECT '"_s + probe + u'\'');
    } catch (const DatabaseError&) {
        return false;
    }
    return SQL_SUCCEEDED(SQLFetch(statement))
           && SQL_SUCCEEDED(SQLGetData(statement, 1, SQL_C_CHAR, value, sizeof value, &indicator))
           && QByteArray(value) == expected;
}

void runOdbcStatement(void* connectionHandle, const QString& statementText, RowSink& rows, OdbcFetch fetch)
{
    const StatementHandle owner = newStatement(connectionHandle);
    const SQLHSTMT statement = owner.get();
    execute(statement, statementText);
    SQLSMALLINT columnCount = 0;
    SQLNumResultCols(statement, &columnCount);
    std::vector<FetchedColumn> columns;
    for (SQLUSMALLINT i = 1; i <= columnCount; ++i)
        columns.push_back(describeColumn(statement, i));
    rows.begin(columns);
    if (columnCount == 0)
        return;
    qint64 read = 0;
    if (fetch.rowArrays) {
        switch (fetchInBlocks(statement, columns, rows, fetch.utf8Text, read)) {
        case Blocks::Read: return;
        case Blocks::NotTaken: break;  // nothing read yet
        case Blocks::TextTooLong:
            // The statement runs again and goes on value by value after the rows read.
            SQLFreeStmt(statement, SQL_CLOSE);
            execute(statement, statementText);
            break;
        }
    }
    fetchValueByValue(statement, columns, rows, read);
}
