#pragma once

#include <QByteArray>
#include <QString>

// Writes UTF-8 text to a file, creating its folder; fails the test on error.
void writeTextFile(const QString& path, const QString& text);
void writeFile(const QString& path, const QByteArray& bytes);
QString readTextFile(const QString& path);

// The SHA-256 of a file's bytes, to tell whether anything wrote to it.
QByteArray fileHash(const QString& path);

// Points the ODBC driver manager at a user odbc.ini of the given text (empty:
// no data sources), so that the machine's own file plays no part.
void useOdbcIni(const QString& folder, const QString& text);
