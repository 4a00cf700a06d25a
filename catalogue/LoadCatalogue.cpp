// vorlak-load: creates the catalogue tables over an ODBC connection and fills
// them from the rows files. It builds the embedded vorlak.db and loads a
// catalogue server.
//   vorlak-load ODBC_CONNECTION_STRING SCHEMA_SQL ROWS_DIR
#include "RowsFile.h"
#include "ToolMain.h"

#include "db/OdbcSession.h"
#include "db/SqlLiteral.h"
#include "platform/Errors.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace {

void Exec(QSqlQuery& query, const QString& statement)
{
    if (!query.exec(statement))
        throw Exception(statement.left(80) + u"...: "_s + query.lastError().text());
}

QStringList TableNames(const QStringList& statements)
{
    static const QRegularExpression create(u"^CREATE TABLE\\s+(\\w+)"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    for (const QString& statement : statements)
        if (const auto match = create.match(statement); match.hasMatch())
            names.append(match.captured(1));
    return names;
}

QString SqlValue(const RowValue& value)
{
    return value ? u'\'' + SqlQuotedText(*value) + u'\'' : u"NULL"_s;
}

// Plain INSERT statements of many rows each: the ODBC drivers differ in how
// they take bound parameters, never in how they read a literal.
void LoadTable(QSqlQuery& query, const QString& table, const RowsTable& rows)
{
    constexpr int kRowsPerStatement = 200;
    const QString head = u"INSERT INTO %1 (%2) VALUES "_s.arg(table, rows.Columns.join(u", "_s));
    for (qsizetype first = 0; first < rows.Rows.size(); first += kRowsPerStatement) {
        QStringList tuples;
        for (const auto& row : rows.Rows.mid(first, kRowsPerStatement)) {
            QStringList values;
            for (const RowValue& value : row)
                values.append(SqlValue(value));
            tuples.append(u'(' + values.join(u", "_s) + u')');
        }
        Exec(query, head + tuples.join(u",\n"_s));
    }
}

void Load(const QString& connectionString, const QString& schemaPath, const QString& rowsDir)
{
    QFile schemaFile(schemaPath);
    if (!schemaFile.open(QIODevice::ReadOnly))
        throw Exception(schemaPath + u": "_s + schemaFile.errorString());
    const QStringList statements = SplitSqlScript(QString::fromUtf8(schemaFile.readAll()));

    QSqlDatabase db = QSqlDatabase::addDatabase(u"QODBC"_s);
    db.setDatabaseName(connectionString);
    if (!db.open())
        throw Exception(db.lastError().text());

    if (!PrepareOdbcSession(db))
        throw Exception(db.lastError().text());

    QSqlQuery query(db);
    for (const QString& statement : statements)
        Exec(query, statement);
    for (const QString& table : TableNames(statements)) {
        const QString path = QDir(rowsDir).filePath(table + u".tsv"_s);
        if (QFileInfo::exists(path))
            LoadTable(query, table, ReadRowsFile(path));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    return RunCatalogueTool(argc, argv, "vorlak-load", "ODBC_CONNECTION_STRING SCHEMA_SQL ROWS_DIR", 3,
                            [](const QStringList& args) { Load(args.at(0), args.at(1), args.at(2)); });
}
