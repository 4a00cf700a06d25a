#pragma once

#include <QSqlDatabase>

// Settles an open ODBC session so that every server reads statement text
// alike: on MariaDB and MySQL a backslash is then an ordinary character inside
// a literal. Returns false, with the database's error, when the server refuses.
bool PrepareOdbcSession(QSqlDatabase& db);
