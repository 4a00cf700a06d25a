#pragma once

#include "SearchSql.h"

#include <QString>
#include <QStringList>
#include <optional>

// What vorlak-query was asked to do.
struct QueryCommand {
    enum class Action { Search, PrintSql, Check, Help, Version };
    Action Kind = Action::Search;
    SearchCriteria Criteria;
    // --check: the inventory file to check ("-": standard input), and with
    // --exposed the people exposed outside the plant, for the grade.
    QString CheckFile;
    std::optional<int> PeopleExposed;
};

// Parses the arguments (without the program name). Raises Exception with
// what is wrong on a bad argument.
QueryCommand ParseQueryCommandLine(const QStringList& arguments);

// The whole usage: every option with what it does, the exit statuses and examples.
QString QueryHelp();
// The short reminder printed after a bad argument.
QString QueryUsage();
QString QueryVersion();
