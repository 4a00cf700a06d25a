#pragma once

#include "BlockPool.h"
#include "RowSink.h"

#include <QVariant>
#include <cstdint>
#include <string>

// The rows of a result, held compactly: each row as one record in blocks
// (integers in a variable number of bytes, doubles as their 8 bytes, text as
// its length and its UTF-8), where each record ends, and a null bit per
// value. A value becomes a QVariant of its column's type only when read,
// found by stepping over the values before it in its row's record. Nothing
// held moves as the rows grow.
class ResultRows final : public RowSink {
public:
    ResultRows() = default;
    explicit ResultRows(std::vector<FetchedColumn> columns) { begin(std::move(columns)); }

    const std::vector<FetchedColumn>& columns() const { return columns_; }
    int columnCount() const { return int(columns_.size()); }
    int rowCount() const { return rows_; }

    // Filling: the columns, then a row at a time, each of its values in
    // column order. Beginning again drops every row.
    void begin(std::vector<FetchedColumn> columns) override;
    void appendNull() override;
    void appendInteger(qint64 value) override;
    void appendDouble(double value) override;
    void appendText(const char* utf8, qsizetype bytes) override;
    void appendText(const QString& text) override;
    void endRow() override;

    bool isNull(int row, int column) const;
    QVariant value(int row, int column) const;

    // The memory the rows take, for measuring.
    size_t bytesHeld() const;

private:
    // Records in blocks. A record lies within one block: one that does not
    // fit the rest of the current block starts at the next block's start, and
    // one longer than a block gets a block of its own size that stands for
    // as many blocks as it spans. Offsets run on across blocks.
    class RecordBlocks {
    public:
        static constexpr uint32_t kBlockSize = uint32_t(BlockPool::kBlockSize);
        // Stores a record; returns the offset where it ends.
        uint32_t append(const std::string& record);
        // The record that ends at `end`, the one stored before it having ended at `previousEnd`.
        const char* read(uint32_t previousEnd, uint32_t end) const;
        size_t bytesHeld() const { return bytesHeld_ + blocks_.capacity() * sizeof(BlockPool::Block); }

    private:
        std::vector<BlockPool::Block> blocks_;  // by block number; null where a long record runs on
        size_t bytesHeld_ = 0;
        uint32_t end_ = 0;
    };

    enum class Storage { Integer, Double, Text };
    static Storage storageOf(QMetaType type);
    Storage nextColumn();

    std::vector<FetchedColumn> columns_;
    std::vector<Storage> kinds_;
    std::string record_;  // the row being filled
    RecordBlocks records_;
    ChunkedArray<uint32_t> ends_;  // where each row's record ends
    ChunkedArray<uint64_t> nulls_;  // a bit per value, row by row
    int rows_ = 0;
    int filled_ = 0;  // values of the row being filled
};
