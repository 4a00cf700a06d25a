#include "OdbcStatement.h"

#include "DatabaseError.h"

#include <QDateTime>
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
void readText(SQLHSTMT statement, SQLUSMALLINT column, ResultRows& rows)
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
void readFixed(SQLHSTMT statement, SQLUSMALLINT column, SQLSMALLINT cType, ResultRows& rows)
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

void readValue(SQLHSTMT statement, SQLUSMALLINT column, QMetaType type, ResultRows& rows)
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

} // namespace

ResultRows runOdbcStatement(void* connectionHandle, const QString& statementText)
{
    SQLHSTMT raw = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, static_cast<SQLHDBC>(connectionHandle), &raw)))
        throw DatabaseError(u"QODBC: Unable to allocate statement"_s);
    const std::unique_ptr<void, void (*)(void*)> owner(raw, [](void* s) { SQLFreeHandle(SQL_HANDLE_STMT, s); });
    const SQLHSTMT statement = raw;

    // Handed over null-terminated: a driver told the length may read past it.
    const auto* units = reinterpret_cast<const SQLWCHAR*>(statementText.utf16());
    std::vector<SQLWCHAR> text(units, units + statementText.size());
    text.push_back(0);
    const SQLRETURN executed = SQLExecDirectW(statement, text.data(), SQL_NTS);
    if (executed != SQL_NO_DATA && !SQL_SUCCEEDED(executed))
        throw DatabaseError(diagnostics(statement) + u" QODBC: Unable to execute statement"_s);

    SQLSMALLINT columnCount = 0;
    SQLNumResultCols(statement, &columnCount);
    std::vector<FetchedColumn> columns;
    for (SQLUSMALLINT i = 1; i <= columnCount; ++i)
        columns.push_back(describeColumn(statement, i));
    ResultRows rows(std::move(columns));
    if (columnCount == 0)
        return rows;
    for (;;) {
        const SQLRETURN r = SQLFetch(statement);
        if (r == SQL_NO_DATA)
            break;
        if (!SQL_SUCCEEDED(r))
            throw DatabaseError(diagnostics(statement));
        for (int i = 0; i < columnCount; ++i)
            readValue(statement, SQLUSMALLINT(i + 1), rows.columns()[size_t(i)].type, rows);
        rows.endRow();
    }
    return rows;
}
