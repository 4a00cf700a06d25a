#pragma once

#include <QMetaType>
#include <QString>
#include <vector>

// A result column as the statement describes it.
struct FetchedColumn {
    QString name;
    QMetaType type;  // what its values read as
    int size = 0;    // the declared size: characters of text, digits of numbers
};

// Where a statement's rows go as they are fetched: the columns first, then
// each row's values in column order, each row ended.
class RowSink {
public:
    virtual ~RowSink() = default;

    // Before the first row.
    virtual void begin(std::vector<FetchedColumn> columns) = 0;
    virtual void appendNull() = 0;
    virtual void appendInteger(qint64 value) = 0;
    virtual void appendDouble(double value) = 0;
    virtual void appendText(const char* utf8, qsizetype bytes) = 0;
    virtual void appendText(const QString& text) = 0;
    virtual void endRow() = 0;
};
