#pragma once

#include "SearchSql.h"

#include <QString>
#include <QStringList>

// What vorlak-query was asked to do.
struct QueryCommand {
    SearchCriteria Criteria;
    bool PrintSqlOnly = false;
    // --check: the inventory file to check ("-": standard input), instead of a search.
    QString CheckFile;
};

// Parses the arguments (without the program name). Raises Exception with a
// usage message on a bad argument.
QueryCommand ParseQueryCommandLine(const QStringList& arguments);

QString QueryUsage();
