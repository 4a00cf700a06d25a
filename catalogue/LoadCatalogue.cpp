// vorlak-load: creates the catalogue tables over an ODBC connection and fills
// them from the rows files. It builds the embedded vorlak.db and loads a
// catalogue server.
//   vorlak-load ODBC_CONNECTION_STRING SCHEMA_SQL ROWS_DIR
#include "rules/RowsFile.h"
#include "ToolMain.h"

#include "db/OdbcDataSources.h"
#include "db/DatabaseError.h"
#include "db/OdbcSession.h"
#include "db/OdbcStatement.h"
#include "db/SqlLiteral.h"
#include "platform/Errors.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>

using namespace Qt::StringLiterals;

namespace {

void exec(void* connection, const QString& statement)
{
    try {
        runOdbcCommand(connection, statement);
    } catch (const DatabaseError& error) {
        throw Exception(statement.left(80) + u"...: "_s + error.message());
    }
}

QStringList tableNames(const QStringList& statements)
{
    static const QRegularExpression create(u"^CREATE TABLE\\s+(\\w+)"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    for (const QString& statement : statements)
        if (const auto match = create.match(statement); match.hasMatch())
            names.append(match.captured(1));
    return names;
}

// On SQLite the text columns compare without regard to the case of ASCII
// letters, as a catalogue server's case-insensitive collation compares them:
// an exact name then finds what it finds there.
QString forSqlite(QString statement)
{
    static const QRegularExpression textType(u"\\b(VARCHAR\\(\\d+\\)|TEXT\\b)"_s, QRegularExpression::CaseInsensitiveOption);
    return statement.replace(textType, u"\\1 COLLATE NOCASE"_s);
}

QString sqlValue(const RowValue& value)
{
    return value ? u'\'' + sqlQuotedText(*value) + u'\'' : u"NULL"_s;
}

// Plain INSERT statements of many rows each: the ODBC drivers differ in how
// they take bound parameters, never in how they read a literal.
void loadTable(void* connection, const QString& table, const RowsTable& rows)
{
    constexpr int kRowsPerStatement = 200;
    const QString head = u"INSERT INTO %1 (%2) VALUES "_s.arg(table, rows.columns.join(u", "_s));
    for (qsizetype first = 0; first < rows.rows.size(); first += kRowsPerStatement) {
        QStringList tuples;
        for (const auto& row : rows.rows.mid(first, kRowsPerStatement)) {
            QStringList values;
            for (const RowValue& value : row)
                values.append(sqlValue(value));
            tuples.append(u'(' + values.join(u", "_s) + u')');
        }
        exec(connection, head + tuples.join(u",\n"_s));
    }
}

void load(const QString& connectionString, const QString& schemaPath, const QString& rowsDir)
{
    QFile schemaFile(schemaPath);
    if (!schemaFile.open(QIODevice::ReadOnly))
        throw Exception(schemaPath + u": "_s + schemaFile.errorString());
    const QStringList statements = splitSqlScript(QString::fromUtf8(schemaFile.readAll()));

    QSqlDatabase db = QSqlDatabase::addDatabase(u"QODBC"_s);
    db.setDatabaseName(connectionString);
    if (!db.open())
        throw Exception(db.lastError().text());

    prepareOdbcSession(db);
    void* connection = odbcConnectionHandle(db);
    const bool sqlite = odbcDbmsName(connection).contains(u"SQLite"_s, Qt::CaseInsensitive);
    for (const QString& statement : statements)
        exec(connection, sqlite ? forSqlite(statement) : statement);
    for (const QString& table : tableNames(statements)) {
        const QString path = QDir(rowsDir).filePath(table + u".tsv"_s);
        if (QFileInfo::exists(path))
            loadTable(connection, table, readRowsFile(path));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    return runCatalogueTool(argc, argv, "vorlak-load", "ODBC_CONNECTION_STRING SCHEMA_SQL ROWS_DIR", 3,
                            [](const QStringList& args) { load(args.at(0), args.at(1), args.at(2)); });
}
