#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <vector>

// A result column as the statement describes it.
struct FetchedColumn {
    QString Name;
    QMetaType Type;  // what its values read as
    int Size = 0;    // the declared size: characters of text, digits of numbers
};

// The rows of a result, held compactly: per column, numbers in one array,
// text as UTF-8 in one buffer with an end offset per row, and a null bit per
// value. A value becomes a QVariant of its column's type only when read.
class ResultRows {
public:
    ResultRows() = default;
    explicit ResultRows(std::vector<FetchedColumn> columns);

    const std::vector<FetchedColumn>& Columns() const { return columns_; }
    int ColumnCount() const { return int(columns_.size()); }
    int RowCount() const { return rows_; }

    // Filling, a row at a time, each of its values in column order.
    void AppendNull();
    void AppendInteger(qint64 value);
    void AppendDouble(double value);
    void AppendText(const char* utf8, qsizetype bytes);
    void AppendText(const QString& text);
    void EndRow();

    bool IsNull(int row, int column) const;
    QVariant Value(int row, int column) const;

    // The memory the rows take, for measuring.
    size_t BytesHeld() const;

private:
    enum class Storage { Integer, Double, Text };
    struct Store {
        Storage Kind = Storage::Text;
        std::vector<qint64> Integers;
        std::vector<double> Doubles;
        std::vector<char> Text;
        std::vector<uint32_t> Ends;  // where each row's text ends in Text
        std::vector<uint64_t> Nulls;  // a bit per row
    };
    Store& Next();
    static Storage StorageOf(QMetaType type);

    std::vector<FetchedColumn> columns_;
    std::vector<Store> stores_;
    int rows_ = 0;
    int filled_ = 0;  // values of the row being filled
};
