// vorlak-query: one search from the command line, for scripts and batch look-ups.
#include "DataModule.h"
#include "QueryCommandLine.h"
#include "ResultColumns.h"
#include "SearchSql.h"

#include "db/DatabaseError.h"
#include "db/Query.h"

#include <QCoreApplication>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

enum ExitStatus { kOk = 0, kStatementRefused = 1, kNoConnection = 2, kBadArguments = 64 };

void Print(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

// A value on one line of tab-separated output.
QString Cell(QString text)
{
    for (QChar& ch : text)
        if (ch == u'\t' || ch == u'\n' || ch == u'\r')
            ch = u' ';
    return text;
}

QString ResultTable(Query& query)
{
    QStringList titles;
    QList<Field*> fields;
    for (const ResultColumn& column : ShownResultColumns()) {
        titles.append(column.Title);
        fields.append(&query.FieldByName(column.FieldName));
    }
    QString out = titles.join(u'\t') + u'\n';
    for (query.First(); !query.Eof(); query.Next()) {
        QStringList cells;
        for (Field* field : fields)
            cells.append(Cell(field->DisplayText()));
        out += cells.join(u'\t') + u'\n';
    }
    out += u"共"_s + QString::number(query.RecordCount()) + u"条\n"_s;
    return out;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);

    QueryCommand command;
    try {
        command = ParseQueryCommandLine(app.arguments().mid(1));
    } catch (const Exception& error) {
        Print(stderr, error.Message() + u'\n' + QueryUsage());
        return kBadArguments;
    }

    const SearchStatement statement = BuildSearchSql(command.Criteria);
    if (command.PrintSqlOnly) {
        Print(stdout, statement.Text + u'\n');
        return kOk;
    }
    if (statement.IndexNoRejected)
        Print(stderr, u"序号必须是数字\n"_s);

    DataModule module(QCoreApplication::applicationFilePath());
    dataModule = &module;
    try {
        module.connection->Open();
    } catch (const DatabaseError& error) {
        Print(stderr, u"数据库无法连接\n"_s + error.Message() + u'\n');
        return kNoConnection;
    }

    Query query;
    query.SetConnection(module.connection);
    query.SQL().append(statement.Text);
    try {
        query.Open();
        Print(stdout, ResultTable(query));
    } catch (const Exception& error) {
        Print(stderr, error.Message() + u'\n');
        return kStatementRefused;
    }
    return kOk;
}
