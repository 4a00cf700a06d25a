#include "OdbcFetch.h"

#include "DatabaseError.h"

#include <QSqlField>
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

QVariant ReadText(SQLHSTMT statement, SQLUSMALLINT column)
{
    constexpr qsizetype kChunk = 4096;  // characters, terminator included
    // One buffer for every value: most values fit a chunk at once.
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
        if (indicator == SQL_NULL_DATA)
            return QVariant(QMetaType::fromType<QString>());
        // On SQL_SUCCESS_WITH_INFO the chunk filled the buffer and more follows.
        const qsizetype room = kChunk - 1;
        text += QString::fromUtf16(reinterpret_cast<const char16_t*>(buffer.data()),
                                   TerminatedLength(buffer, room));
        if (r == SQL_SUCCESS)
            break;
    }
    return text;
}

template <typename T>
QVariant ReadFixed(SQLHSTMT statement, SQLUSMALLINT column, SQLSMALLINT cType)
{
    T value{};
    SQLLEN indicator = 0;
    const SQLRETURN r = SQLGetData(statement, column, cType, &value, sizeof value, &indicator);
    if (!SQL_SUCCEEDED(r))
        throw DatabaseError(Diagnostics(statement));
    if (indicator == SQL_NULL_DATA)
        return QVariant(QMetaType::fromType<T>());
    return QVariant::fromValue(value);
}

QVariant ReadValue(SQLHSTMT statement, SQLUSMALLINT column, QMetaType type)
{
    switch (type.id()) {
    case QMetaType::Int:
        return ReadFixed<qint32>(statement, column, SQL_C_SLONG);
    case QMetaType::UInt:
        return ReadFixed<quint32>(statement, column, SQL_C_ULONG);
    case QMetaType::LongLong:
        return ReadFixed<qint64>(statement, column, SQL_C_SBIGINT);
    case QMetaType::ULongLong:
        return ReadFixed<quint64>(statement, column, SQL_C_UBIGINT);
    case QMetaType::Double:
        return ReadFixed<double>(statement, column, SQL_C_DOUBLE);
    default: {
        // Text, and anything else as its text converted to the column's type.
        QVariant value = ReadText(statement, column);
        if (!value.isNull() && type.isValid() && type.id() != QMetaType::QString)
            value.convert(type);
        return value;
    }
    }
}

} // namespace

std::vector<QList<QVariant>> FetchAllOdbcRows(void* statementHandle, const QSqlRecord& record)
{
    const auto statement = static_cast<SQLHSTMT>(statementHandle);
    std::vector<QList<QVariant>> rows;
    for (;;) {
        const SQLRETURN r = SQLFetch(statement);
        if (r == SQL_NO_DATA)
            break;
        if (!SQL_SUCCEEDED(r))
            throw DatabaseError(Diagnostics(statement));
        QList<QVariant> row;
        row.reserve(record.count());
        for (int i = 0; i < record.count(); ++i)
            row.append(ReadValue(statement, SQLUSMALLINT(i + 1), record.field(i).metaType()));
        rows.push_back(std::move(row));
    }
    return rows;
}
