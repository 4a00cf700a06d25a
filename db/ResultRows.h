#pragma once

#include "BlockPool.h"
#include "RowSink.h"

#include <QVariant>
#include <cstdint>

// The rows of a result, held compactly and row by row: numbers in arrays,
// the text of every value as UTF-8 one after the other in blocks, with where
// each value ends, and a null bit per value. A value becomes a QVariant of
// its column's type only when read. Nothing held moves as the rows grow.
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
    // Text in blocks. A value lies within one block: one that does not fit
    // the rest of the current block starts at the next block's start, and
    // one longer than a block gets a block of its own size that stands for
    // as many blocks as it spans. Offsets run on across blocks.
    class TextBlocks {
    public:
        static constexpr uint32_t kBlockSize = uint32_t(BlockPool::kBlockSize);
        // Stores a value; returns the offset where it ends.
        uint32_t append(const char* utf8, qsizetype bytes);
        // The value that ends at `end`, the one stored before it having ended at `previousEnd`.
        QString read(uint32_t previousEnd, uint32_t end) const;
        uint32_t end() const { return end_; }
        size_t bytesHeld() const { return bytesHeld_ + blocks_.capacity() * sizeof(BlockPool::Block); }

    private:
        std::vector<BlockPool::Block> blocks_;  // by block number; null where a long value runs on
        size_t bytesHeld_ = 0;
        uint32_t end_ = 0;
    };

    enum class Storage { Integer, Double, Text };
    // Where a column's values go: its kind of array and its place in a row there.
    struct Slot {
        Storage kind = Storage::Text;
        int index = 0;
    };
    static Storage storageOf(QMetaType type);
    int nextColumn();
    size_t position(int row, const Slot& slot) const;

    std::vector<FetchedColumn> columns_;
    std::vector<Slot> slots_;
    int perRow_[3] = {0, 0, 0};  // values per row of each storage kind
    TextBlocks text_;
    ChunkedArray<uint32_t> ends_;  // where each text value ends
    ChunkedArray<qint64> integers_;
    ChunkedArray<double> doubles_;
    ChunkedArray<uint64_t> nulls_;  // a bit per value, row by row
    int rows_ = 0;
    int filled_ = 0;  // values of the row being filled
};
