// vorlak-query: one search from the command line, for scripts and batch look-ups.
#include "DataModule.h"
#include "QueryCommandLine.h"
#include "ResultColumns.h"
#include "SearchSql.h"
#include "InventoryCheck.h"
#include "InventoryFile.h"
#include "TabSeparated.h"

#include "db/DatabaseError.h"
#include "db/Query.h"

#include <QCoreApplication>
#include <QFile>
#include <optional>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

enum ExitStatus { kOk = 0, kStatementRefused = 1, kNoConnection = 2, kBadArguments = 64 };

void Print(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

// The text of an inventory file, or standard input for "-"; empty with a
// message when it cannot be read or is not text.
std::optional<QString> ReadInventory(const QString& path)
{
    QFile file(path);
    const bool opened = path == u"-" ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    QByteArray bytes;
    if (opened)
        bytes = file.readAll();
    if (!opened || file.error() != QFileDevice::NoError) {
        Print(stderr, u"cannot read \""_s + path + u"\": "_s + file.errorString() + u'\n');
        return std::nullopt;
    }
    try {
        return DecodeInventory(bytes, path);
    } catch (const Exception& error) {
        Print(stderr, error.Message() + u'\n');
        return std::nullopt;
    }
}

// The whole table a statement reads, as rows.
RowsTable TableOf(Query& query, const QString& statement)
{
    query.Close();
    query.SQL().clear();
    query.SQL().append(statement);
    query.Open();
    return QueryTable(query);
}

// The check of an inventory: the catalogue read once (the open query), its
// GB 18218-2018 tables beside it.
QString CheckInventory(Query& query, const QString& inventory, std::optional<int> peopleExposed)
{
    std::vector<CatalogueRow> entries = CatalogueRows(QueryTable(query));
    MajorHazardContext context = ShippedMajorHazardContext();
    context.PeopleExposed = peopleExposed;
    const RowsTable named = TableOf(query, u"SELECT seq, index_id, name, threshold_t FROM major_hazard_named"_s);
    const RowsTable categories = TableOf(query, u"SELECT code, wording, threshold_t FROM major_hazard_categories"_s);
    AttachMajorHazard(entries, named, categories, context.Rules);
    return InventoryReport(InventoryIndex(std::move(entries)), inventory, context);
}

QString ResultTable(const Query& query)
{
    QStringList titles;
    QList<Field*> fields;
    for (const ResultColumn& column : ShownResultColumns()) {
        titles.append(column.Title);
        fields.append(&query.FieldByName(column.FieldName));
    }
    QString out = titles.join(u'\t') + u'\n';
    for (int record = 0; record < query.RecordCount(); ++record) {
        QStringList cells;
        for (const Field* field : fields)
            cells.append(TabSeparatedCell(field->DisplayText(record)));
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

    if (command.Kind == QueryCommand::Action::Help) {
        Print(stdout, QueryHelp());
        return kOk;
    }
    if (command.Kind == QueryCommand::Action::Version) {
        Print(stdout, QueryVersion());
        return kOk;
    }

    std::optional<QString> inventory;
    if (command.Kind == QueryCommand::Action::Check && !(inventory = ReadInventory(command.CheckFile)))
        return kBadArguments;

    const SearchStatement statement = BuildSearchSql(command.Criteria);
    if (command.Kind == QueryCommand::Action::PrintSql) {
        Print(stdout, statement.Text + u'\n');
        return kOk;
    }
    if (statement.IndexNoRejected && !inventory)
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
    query.SQL().append(inventory ? InventoryCatalogueSql() : statement.Text);
    try {
        query.Open();
        if (inventory)
            Print(stdout, CheckInventory(query, *inventory, command.PeopleExposed));
        else
            Print(stdout, ResultTable(query));
    } catch (const Exception& error) {
        Print(stderr, error.Message() + u'\n');
        return kStatementRefused;
    }
    return kOk;
}
