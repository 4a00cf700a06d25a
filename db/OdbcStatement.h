#pragma once

#include "ResultRows.h"

#include <QString>

// Runs a statement on an open ODBC connection and reads every row it gives,
// each column described and read as Qt's ODBC driver would. The statement
// goes to the driver null-terminated (one driver told its length reads past
// it). Text is read as UTF-16 and measured by its terminator, not by the
// driver's length figure, which some drivers get wrong for multi-byte text.
// Raises DatabaseError with the driver's text.
ResultRows runOdbcStatement(void* connectionHandle, const QString& statement);
