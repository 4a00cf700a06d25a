#pragma once

#include <QString>

// The shipped catalogue as built beside the programs.
QString catalogueDatabase();

// A synthetic catalogue of the given number of rows (the catalogue's schema,
// texts of realistic lengths), made once per run in a temporary folder.
QString syntheticCatalogue(int rows);

// Runs a statement with SQLite's C interface and reads every value as text:
// the number of rows and the bytes of their text.
struct SqliteStep {
    int rows = 0;
    long long textBytes = 0;
};
SqliteStep stepWithSqlite(const QString& database, const QString& statement);
