#include "OdbcFetch.h"

#include "DatabaseError.h"

#include <QSqlField>
#include <type_traits>
#include <sql.h>
#include <sqlext.h>

using namespace Qt::StringLiterals;

namespace {

QString Diagnostics(SQLHSTMT statement)
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
qsizetype TerminatedLength(const std::vector<SQLWCHAR>& buffer, qsizetype room)
{
    qsizetype n = 0;
    while (n < room && buffer[size_t(n)] != 0)
        ++n;
    return n;
}

// Reads a text value into the rows, in chunks: most values fit one at once.
void ReadText(SQLHSTMT statement, SQLUSMALLINT column, ResultRows& rows)
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
            throw DatabaseError(Diagnostics(statement));
        if (indicator == SQL_NULL_DATA) {
            rows.AppendNull();
            return;
        }
        // On SQL_SUCCESS_WITH_INFO the chunk filled the buffer and more follows.
        const qsizetype room = kChunk - 1;
        text += QString::fromUtf16(reinterpret_cast<const char16_t*>(buffer.data()),
                                   TerminatedLength(buffer, room));
        if (r == SQL_SUCCESS)
            break;
    }
    rows.AppendText(text);
}

template <typename T>
void ReadFixed(SQLHSTMT statement, SQLUSMALLINT column, SQLSMALLINT cType, ResultRows& rows)
{
    T value{};
    SQLLEN indicator = 0;
    const SQLRETURN r = SQLGetData(statement, column, cType, &value, sizeof value, &indicator);
    if (!SQL_SUCCEEDED(r))
        throw DatabaseError(Diagnostics(statement));
    if (indicator == SQL_NULL_DATA)
        rows.AppendNull();
    else if constexpr (std::is_floating_point_v<T>)
        rows.AppendDouble(value);
    else
        rows.AppendInteger(qint64(value));
}

void ReadValue(SQLHSTMT statement, SQLUSMALLINT column, QMetaType type, ResultRows& rows)
{
    switch (type.id()) {
    case QMetaType::Int: return ReadFixed<qint32>(statement, column, SQL_C_SLONG, rows);
    case QMetaType::UInt: return ReadFixed<quint32>(statement, column, SQL_C_ULONG, rows);
    case QMetaType::LongLong: return ReadFixed<qint64>(statement, column, SQL_C_SBIGINT, rows);
    case QMetaType::ULongLong: return ReadFixed<quint64>(statement, column, SQL_C_UBIGINT, rows);
    case QMetaType::Double: return ReadFixed<double>(statement, column, SQL_C_DOUBLE, rows);
    default: return ReadText(statement, column, rows);  // anything else as its text
    }
}

} // namespace

ResultRows FetchAllOdbcRows(void* statementHandle, const QSqlRecord& record)
{
    const auto statement = static_cast<SQLHSTMT>(statementHandle);
    std::vector<FetchedColumn> columns;
    for (int i = 0; i < record.count(); ++i)
        columns.push_back({record.field(i).name(), record.field(i).metaType(), record.field(i).length()});
    ResultRows rows(std::move(columns));
    for (;;) {
        const SQLRETURN r = SQLFetch(statement);
        if (r == SQL_NO_DATA)
            break;
        if (!SQL_SUCCEEDED(r))
            throw DatabaseError(Diagnostics(statement));
        for (int i = 0; i < record.count(); ++i)
            ReadValue(statement, SQLUSMALLINT(i + 1), record.field(i).metaType(), rows);
        rows.EndRow();
    }
    return rows;
}
