#pragma once

#include <QByteArray>
#include <QString>

// Writes UTF-8 text to a file, creating its folder; fails the test on error.
void WriteTextFile(const QString& path, const QString& text);
void WriteFile(const QString& path, const QByteArray& bytes);
QString ReadTextFile(const QString& path);

// The SHA-256 of a file's bytes, to tell whether anything wrote to it.
QByteArray FileHash(const QString& path);

// Points the ODBC driver manager at a user odbc.ini of the given text (empty:
// no data sources), so that the machine's own file plays no part.
void UseOdbcIni(const QString& folder, const QString& text);
