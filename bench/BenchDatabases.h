#pragma once

#include <QString>

// The shipped catalogue as built beside the programs.
QString catalogueDatabase();

// A synthetic catalogue of the given number of rows (the catalogue's schema,
// texts of realistic lengths), made once per run in a temporary folder.
QString syntheticCatalogue(int rows);

struct sqlite3;

// The floor of a search: SQLite's C interface over a file opened once, each
// run preparing the statement, stepping it and reading every value by its
// type. A run gives the number of rows and the bytes of their text.
struct SqliteStep {
    int rows = 0;
    long long textBytes = 0;
};
class SqliteStepper {
public:
    explicit SqliteStepper(const QString& database);
    ~SqliteStepper();
    SqliteStepper(const SqliteStepper&) = delete;
    SqliteStepper& operator=(const SqliteStepper&) = delete;

    SqliteStep run(const QByteArray& statement) const;

private:
    sqlite3* db_ = nullptr;
};
