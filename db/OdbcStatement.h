#pragma once

#include "RowSink.h"

#include <QString>

// How the rows come from the driver: in blocks of rows into bound column
// buffers, so that the driver converts a block at a time, or value by value,
// which every driver takes; and bound text as UTF-16, or, where the driver
// hands narrow text over as UTF-8, as that (no conversion in the driver).
struct OdbcFetch {
    bool rowArrays = true;
    bool utf8Text = false;
};

// Runs a statement on an open ODBC connection and hands every row it gives
// to the sink as it comes, each column described and read as Qt's ODBC
// driver would. The statement
// goes to the driver null-terminated (one driver told its length reads past
// it). UTF-16 text is measured by its terminator, not by the driver's length
// figure, which some drivers get wrong for multi-byte text; UTF-8 text by
// that figure, which a driver that hands UTF-8 over gives in bytes.
// Row arrays give way to reading value by value when the driver takes none,
// and when a text outgrows its bound buffer (the statement then runs again,
// and the rows already handed over are skipped).
// Raises DatabaseError with the driver's text.
void runOdbcStatement(void* connectionHandle, const QString& statement, RowSink& rows, OdbcFetch fetch = {});
// Runs a statement whose rows, if any, nobody reads.
void runOdbcCommand(void* connectionHandle, const QString& statement);

// Whether the connection's driver hands narrow text over as UTF-8: a literal
// of characters outside ASCII, read back as narrow text, comes as its UTF-8 bytes.
bool odbcNarrowTextIsUtf8(void* connectionHandle);
