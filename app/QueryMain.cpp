// vorlak-query: one search from the command line, for scripts and batch look-ups.
#include "DataModule.h"
#include "QueryCommandLine.h"
#include "InventoryCheck.h"
#include "ResultPrinter.h"
#include "SearchSql.h"

#include "db/DatabaseError.h"

#include <QCoreApplication>
#include <QFile>
#include <optional>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

enum ExitStatus { kOk = 0, kStatementRefused = 1, kNoConnection = 2, kBadArguments = 64 };

void print(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

// The items of an inventory file, or of standard input for "-"; nothing,
// with a message, when it cannot be read.
std::optional<std::vector<InventoryItem>> readInventoryFile(const QString& path)
{
    QFile file(path);
    const bool opened = path == u"-" ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    QByteArray bytes;
    if (opened)
        bytes = file.readAll();
    if (!opened || file.error() != QFileDevice::NoError) {
        print(stderr, u"cannot read \""_s + path + u"\": "_s + file.errorString() + u'\n');
        return std::nullopt;
    }
    try {
        return readInventory(bytes, path);
    } catch (const Exception& error) {
        print(stderr, error.message() + u'\n');
        return std::nullopt;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);

    QueryCommand command;
    try {
        command = parseQueryCommandLine(app.arguments().mid(1));
    } catch (const Exception& error) {
        print(stderr, error.message() + u'\n' + queryUsage());
        return kBadArguments;
    }

    if (command.kind == QueryCommand::Action::Help) {
        print(stdout, queryHelp());
        return kOk;
    }
    if (command.kind == QueryCommand::Action::Version) {
        print(stdout, queryVersion());
        return kOk;
    }

    std::optional<std::vector<InventoryItem>> inventory;
    if (command.kind == QueryCommand::Action::Check && !(inventory = readInventoryFile(command.checkFile)))
        return kBadArguments;

    const SearchStatement statement = buildSearchSql(command.criteria);
    if (command.kind == QueryCommand::Action::PrintSql) {
        print(stdout, statement.text + u'\n');
        return kOk;
    }
    if (statement.indexNoRejected && !inventory)
        print(stderr, u"序号必须是数字\n"_s);

    DataModule module(QCoreApplication::applicationFilePath());
    dataModule = &module;
    try {
        module.connection->open();
    } catch (const DatabaseError& error) {
        print(stderr, u"数据库无法连接\n"_s + error.message() + u'\n');
        return kNoConnection;
    }

    try {
        if (inventory) {
            InventoryCatalogue catalogue = readInventoryCatalogue(*module.connection);
            catalogue.context.peopleExposed = command.peopleExposed;
            print(stdout, inventoryReportText(checkInventory(catalogue.index, *inventory, catalogue.context)));
        } else {
            ResultPrinter printer(stdout);
            module.connection->run(statement.text, printer);
            printer.finish();
        }
    } catch (const Exception& error) {
        print(stderr, error.message() + u'\n');
        return kStatementRefused;
    }
    return kOk;
}
