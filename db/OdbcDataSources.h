#pragma once

#include <QString>
#include <optional>

// The driver of a data source the driver manager knows (user or system
// odbc.ini), the name matched without regard to letter case as the driver
// manager does; nothing when no data source has the name.
std::optional<QString> odbcDataSourceDriver(const QString& name);

// Whether a driver reads a database file (SQLite), whose name the data source
// gives and no catalogue name may replace: by its name or the library the
// driver list gives for it.
bool odbcDriverTakesFileName(const QString& driver);

// The name the server gives of itself (SQL_DBMS_NAME) for an open ODBC
// connection handle.
QString odbcDbmsName(void* connectionHandle);
