#pragma once

#include "db/RowSink.h"

#include <QByteArray>
#include <cstdio>

// Prints a search's rows tab-separated as they are fetched: the shown
// columns' titles, a line per row, and the count, 共N条, at the end. Values
// go out as the window shows them (numbers in plain decimal form, nothing
// for null); only the row being fetched is held.
class ResultPrinter final : public RowSink {
public:
    explicit ResultPrinter(FILE* out) : out_(out) {}

    // Prints the titles. A shown column the statement does not give raises
    // "Field 'name' not found" before anything is printed.
    void begin(std::vector<FetchedColumn> columns) override;
    void appendNull() override { nextCell(); }
    void appendInteger(qint64 value) override { nextCell().setNum(value); }
    void appendDouble(double value) override;
    void appendText(const char* utf8, qsizetype bytes) override { nextCell().append(utf8, bytes); }
    void appendText(const QString& text) override { nextCell().append(text.toUtf8()); }
    void endRow() override;
    // Prints the count.
    void finish();

private:
    // The next value's cell, emptied; a column not shown has a spare one.
    QByteArray& nextCell();

    FILE* out_;
    std::vector<int> shownAt_;       // per fetched column: its place in the printed line, or -1
    std::vector<QByteArray> cells_;  // the row's printed cells, then the spare
    size_t column_ = 0;
    qint64 count_ = 0;
};
