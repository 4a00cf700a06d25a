#pragma once

#include <QSqlDatabase>

// The ODBC connection handle of an open Qt connection.
void* odbcConnectionHandle(const QSqlDatabase& db);

// Settles an open ODBC session so that every server reads statement text
// alike: on MariaDB and MySQL a backslash is then an ordinary character inside
// a literal. Raises DatabaseError when the server refuses.
void prepareOdbcSession(const QSqlDatabase& db);

// Whether the driver finds the session's server gone (a lost link, a server
// stopped since the session began).
bool odbcConnectionDead(const QSqlDatabase& db);
