#pragma once

#include <QString>

// The shipped catalogue as built beside the programs.
QString CatalogueDatabase();

// A synthetic catalogue of the given number of rows (the catalogue's schema,
// texts of realistic lengths), made once per run in a temporary folder.
QString SyntheticCatalogue(int rows);

// Runs a statement with SQLite's C interface and reads every value as text;
// returns the number of rows.
int StepWithSqlite(const QString& database, const QString& statement);
