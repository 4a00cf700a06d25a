#pragma once

#include "db/ResultRows.h"

#include <cstdio>

// Prints a search's rows tab-separated as they are fetched: the shown
// columns' titles, a line per row, and the count, 共N条, at the end. Rows are
// gathered a block at a time and written as the window shows them; no more
// than a block is ever held.
class ResultPrinter final : public RowSink {
public:
    explicit ResultPrinter(FILE* out) : out_(out) {}

    // Prints the titles. A shown column the statement does not give raises
    // "Field 'name' not found" before anything is printed.
    void begin(std::vector<FetchedColumn> columns) override;
    void appendNull() override { block_.appendNull(); }
    void appendInteger(qint64 value) override { block_.appendInteger(value); }
    void appendDouble(double value) override { block_.appendDouble(value); }
    void appendText(const char* utf8, qsizetype bytes) override { block_.appendText(utf8, bytes); }
    void appendText(const QString& text) override { block_.appendText(text); }
    void endRow() override;
    // Prints the rows still held and the count.
    void finish();

private:
    static constexpr int kBlockRows = 256;
    void printBlock();

    FILE* out_;
    ResultRows block_;
    std::vector<int> shown_;  // the fetched column of each shown column
    qint64 count_ = 0;
};
