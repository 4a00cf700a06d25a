#pragma once

#include "RowSink.h"

#include <QString>

struct sqlite3;

// Opens a catalogue file read-only through SQLite's own library. Raises
// DatabaseError when it cannot be opened.
sqlite3* openSqliteReadOnly(const QString& path);
void closeSqlite(sqlite3* db);

// Runs a statement on an open SQLite database and hands every row to the
// sink as it is stepped. The columns are described, and errors worded, as
// the catalogue's ODBC driver describes and words them, so that a result
// reads the same whichever way the catalogue is reached. Raises DatabaseError.
void fetchSqliteRows(sqlite3* db, const QString& statement, RowSink& rows);
