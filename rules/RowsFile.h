#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The catalogue's rows files: UTF-8, one table per file, a header line of
// column names, then one line per row with tab-separated values. Inside a
// value "\t", "\n" and "\\" stand for a tab, a line break and a backslash;
// a value of "\N" alone is null.
using RowValue = std::optional<QString>;

struct RowsTable {
    QStringList columns;
    QList<QList<RowValue>> rows;
};

// Raises Exception naming the file and line of a malformed row.
RowsTable readRowsFile(const QString& path);
void writeRowsFile(const QString& path, const RowsTable& table);

QString encodeRowValue(const RowValue& value);
RowValue decodeRowValue(const QString& text);

// The lines of a hand-written tab-separated data file: the comment lines
// ("#") at its head and the line of column titles left out, the others split
// at tabs with each cell trimmed. Raises Exception naming an unreadable file.
QList<QStringList> readDataLines(const QString& path);

// The statements of an SQL script: "--" comments dropped, split at ";".
QStringList splitSqlScript(const QString& script);
