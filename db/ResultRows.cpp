#include "ResultRows.h"

#include "DatabaseError.h"

#include <cstring>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// Seven bits a byte, low bits first.
void putVarint(std::string& record, uint64_t bits)
{
    for (; bits >= 0x80; bits >>= 7)
        record.push_back(char(bits | 0x80));
    record.push_back(char(bits));
}

// Integers zigzagged, so that small magnitudes of either sign take few bytes.
void putInteger(std::string& record, qint64 value)
{
    putVarint(record, (uint64_t(value) << 1) ^ uint64_t(value >> 63));
}

uint64_t takeVarint(const char*& at)
{
    uint64_t bits = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = uchar(*at++);
        bits |= uint64_t(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            return bits;
    }
}

qint64 takeInteger(const char*& at)
{
    const uint64_t bits = takeVarint(at);
    return qint64(bits >> 1) ^ -qint64(bits & 1);
}

void putDouble(std::string& record, double value)
{
    record.append(reinterpret_cast<const char*>(&value), sizeof value);
}

double takeDouble(const char*& at)
{
    double value;
    std::memcpy(&value, at, sizeof value);
    at += sizeof value;
    return value;
}

// Text as its length, then its bytes.
void putText(std::string& record, const char* utf8, qsizetype bytes)
{
    putVarint(record, uint64_t(bytes));
    record.append(utf8, size_t(bytes));
}

} // namespace

void ResultRows::begin(std::vector<FetchedColumn> columns)
{
    *this = ResultRows();
    columns_ = std::move(columns);
    for (const FetchedColumn& column : columns_)
        kinds_.push_back(storageOf(column.type));
}

ResultRows::Storage ResultRows::storageOf(QMetaType type)
{
    switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: return Storage::Integer;
    case QMetaType::Double: return Storage::Double;
    default: return Storage::Text;  // text, and other types as their text
    }
}

ResultRows::Storage ResultRows::nextColumn()
{
    if (filled_ >= columnCount())
        throw DatabaseError(u"A result row holds more values than the result has columns"_s);
    return kinds_[size_t(filled_++)];
}

void ResultRows::appendNull()
{
    const size_t bit = size_t(rows_) * size_t(columnCount()) + size_t(filled_);
    if (nextColumn() == Storage::Double)
        putDouble(record_, 0);
    else
        putVarint(record_, 0);  // zero, or no text
    while (nulls_.size() <= bit / 64)
        nulls_.append(0);
    nulls_.at(bit / 64) |= uint64_t(1) << (bit % 64);
}

void ResultRows::appendInteger(qint64 value)
{
    switch (nextColumn()) {
    case Storage::Integer: putInteger(record_, value); break;
    case Storage::Double: putDouble(record_, double(value)); break;
    case Storage::Text: {
        const QByteArray text = QByteArray::number(value);
        putText(record_, text.constData(), text.size());
        break;
    }
    }
}

void ResultRows::appendDouble(double value)
{
    switch (nextColumn()) {
    case Storage::Integer: putInteger(record_, qint64(value)); break;
    case Storage::Double: putDouble(record_, value); break;
    case Storage::Text: {
        const QByteArray text = QByteArray::number(value, 'g', 17);
        putText(record_, text.constData(), text.size());
        break;
    }
    }
}

void ResultRows::appendText(const char* utf8, qsizetype bytes)
{
    switch (nextColumn()) {
    case Storage::Integer: putInteger(record_, QByteArray(utf8, bytes).toLongLong()); break;
    case Storage::Double: putDouble(record_, QByteArray(utf8, bytes).toDouble()); break;
    case Storage::Text: putText(record_, utf8, bytes); break;
    }
}

void ResultRows::appendText(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    appendText(utf8.constData(), utf8.size());
}

void ResultRows::endRow()
{
    if (filled_ != columnCount())
        throw DatabaseError(u"A result row holds fewer values than the result has columns"_s);
    ends_.append(records_.append(record_));
    record_.clear();
    filled_ = 0;
    ++rows_;
}

bool ResultRows::isNull(int row, int column) const
{
    const size_t bit = size_t(row) * size_t(columnCount()) + size_t(column);
    return bit / 64 < nulls_.size() && (nulls_.at(bit / 64) >> (bit % 64)) & 1;
}

QVariant ResultRows::value(int row, int column) const
{
    if (row < 0 || row >= rows_ || column < 0 || column >= columnCount())
        return QVariant();
    const QMetaType type = columns_[size_t(column)].type;
    if (isNull(row, column))
        return QVariant(type);
    const char* at = records_.read(row == 0 ? 0 : ends_.at(size_t(row) - 1), ends_.at(size_t(row)));
    for (int before = 0; before < column; ++before)
        switch (kinds_[size_t(before)]) {
        case Storage::Integer: takeVarint(at); break;
        case Storage::Double: at += sizeof(double); break;
        case Storage::Text: at += takeVarint(at); break;
        }
    switch (kinds_[size_t(column)]) {
    case Storage::Integer: {
        const qint64 value = takeInteger(at);
        switch (type.id()) {
        case QMetaType::Int: return QVariant(int(value));
        case QMetaType::UInt: return QVariant(uint(value));
        case QMetaType::ULongLong: return QVariant(qulonglong(value));
        default: return QVariant(qlonglong(value));
        }
    }
    case Storage::Double: return QVariant(takeDouble(at));
    case Storage::Text: break;
    }
    const auto bytes = qsizetype(takeVarint(at));
    QVariant value(bytes == 0 ? QString(u""_s) : QString::fromUtf8(at, bytes));
    if (type.isValid() && type.id() != QMetaType::QString)
        value.convert(type);
    return value;
}

size_t ResultRows::bytesHeld() const
{
    return sizeof(*this) + columns_.capacity() * sizeof(FetchedColumn) + kinds_.capacity() * sizeof(Storage)
           + record_.capacity() + records_.bytesHeld() + ends_.bytesHeld() + nulls_.bytesHeld();
}

uint32_t ResultRows::RecordBlocks::append(const std::string& record)
{
    if (record.empty())
        return end_;
    const uint64_t size = uint64_t(record.size());
    uint64_t begin = end_;
    // The rest of the current block, unless a long record ended there (its block is spoken for).
    const bool fits = begin % kBlockSize != 0 && blocks_[size_t(begin / kBlockSize)]
                      && begin % kBlockSize + size <= kBlockSize;
    if (!fits) {
        begin = (begin + kBlockSize - 1) / kBlockSize * kBlockSize;
        const uint64_t spanned = (size + kBlockSize - 1) / kBlockSize;
        if (begin + spanned * kBlockSize > std::numeric_limits<uint32_t>::max())
            throw DatabaseError(u"The result's text is too large to hold"_s);
        blocks_.resize(size_t(begin / kBlockSize));
        blocks_.push_back(BlockPool::take(size_t(size)));
        bytesHeld_ += qMax<size_t>(size_t(size), kBlockSize);
        // A long record's block stands for every block it spans.
        blocks_.resize(blocks_.size() + size_t(spanned) - 1);
    }
    std::memcpy(blocks_[size_t(begin / kBlockSize)].get() + begin % kBlockSize, record.data(), size_t(size));
    end_ = uint32_t(begin + size);
    return end_;
}

const char* ResultRows::RecordBlocks::read(uint32_t previousEnd, uint32_t end) const
{
    // Within the block the previous record ended in, or from the next block's start.
    const bool sameBlock = previousEnd / kBlockSize == (end - 1) / kBlockSize;
    const uint32_t begin = sameBlock ? previousEnd : (previousEnd + kBlockSize - 1) / kBlockSize * kBlockSize;
    return blocks_[begin / kBlockSize].get() + begin % kBlockSize;
}
