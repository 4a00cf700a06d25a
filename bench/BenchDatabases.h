#pragma once

#include <QString>

// The shipped catalogue as built beside the programs.
QString CatalogueDatabase();

// A synthetic catalogue of the given number of rows (the catalogue's schema,
// texts of realistic lengths), made once per run in a temporary folder.
QString SyntheticCatalogue(int rows);

// Runs a statement with SQLite's C interface and reads every value as text:
// the number of rows and the bytes of their text.
struct SqliteStep {
    int Rows = 0;
    long long TextBytes = 0;
};
SqliteStep StepWithSqlite(const QString& database, const QString& statement);
