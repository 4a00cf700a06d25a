#pragma once

#include "ResultRows.h"

#include <QSqlRecord>

// Reads every remaining row of an executed ODBC statement, each column as the
// type the record gives it. Text is read as UTF-16 and measured by its
// terminator, not by the driver's length figure, which some drivers get wrong
// for multi-byte text. Raises DatabaseError with the driver's text.
ResultRows FetchAllOdbcRows(void* statementHandle, const QSqlRecord& record);
