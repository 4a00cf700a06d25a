#pragma once

#include <QString>

// Whether the driver manager knows a data source of this name (user or system
// odbc.ini), matched without regard to letter case as the driver manager does.
bool OdbcDataSourceDefined(const QString& name);

// Whether the data source's driver reads a database file (SQLite), whose
// name the data source gives and no catalogue name may replace.
bool OdbcDataSourceTakesFileName(const QString& name);

// The name the server gives of itself (SQL_DBMS_NAME) for an open ODBC
// connection handle.
QString OdbcDbmsName(void* connectionHandle);
