#pragma once

#include <QList>
#include <QSqlRecord>
#include <QVariant>
#include <vector>

// Reads every remaining row of an executed ODBC statement, converting each
// column to the type the record gives it. Text is read as UTF-16 and measured
// by its terminator, not by the driver's length figure, which some drivers
// get wrong for multi-byte text. Raises DatabaseError with the driver's text.
std::vector<QList<QVariant>> FetchAllOdbcRows(void* statementHandle, const QSqlRecord& record);
