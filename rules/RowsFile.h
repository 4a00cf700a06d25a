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
    QStringList Columns;
    QList<QList<RowValue>> Rows;
};

// Raises Exception naming the file and line of a malformed row.
RowsTable ReadRowsFile(const QString& path);
void WriteRowsFile(const QString& path, const RowsTable& table);

QString EncodeRowValue(const RowValue& value);
RowValue DecodeRowValue(const QString& text);

// The lines of a hand-written tab-separated data file: the comment lines
// ("#") at its head and the line of column titles left out, the others split
// at tabs with each cell trimmed. Raises Exception naming an unreadable file.
QList<QStringList> ReadDataLines(const QString& path);

// The statements of an SQL script: "--" comments dropped, split at ";".
QStringList SplitSqlScript(const QString& script);
