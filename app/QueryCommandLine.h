#pragma once

#include "SearchSql.h"

#include <QString>
#include <QStringList>
#include <optional>

// What vorlak-query was asked to do.
struct QueryCommand {
    enum class Action { Search, PrintSql, Check, Help, Version };
    Action kind = Action::Search;
    SearchCriteria criteria;
    // --check: the inventory file to check ("-": standard input), and with
    // --exposed the people exposed outside the plant, for the grade.
    QString checkFile;
    std::optional<int> peopleExposed;
};

// Parses the arguments (without the program name). Raises Exception with
// what is wrong on a bad argument.
QueryCommand parseQueryCommandLine(const QStringList& arguments);

// The whole usage: every option with what it does, the exit statuses and examples.
QString queryHelp();
// The short reminder printed after a bad argument.
QString queryUsage();
QString queryVersion();
