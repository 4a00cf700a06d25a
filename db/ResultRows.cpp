#include "ResultRows.h"

#include "DatabaseError.h"

#include <cstring>
#include <limits>

using namespace Qt::StringLiterals;

void ResultRows::begin(std::vector<FetchedColumn> columns)
{
    *this = ResultRows();
    columns_ = std::move(columns);
    for (const FetchedColumn& column : columns_) {
        const Storage kind = storageOf(column.type);
        slots_.push_back({kind, perRow_[int(kind)]++});
    }
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

size_t ResultRows::position(int row, const Slot& slot) const
{
    return size_t(row) * size_t(perRow_[int(slot.kind)]) + size_t(slot.index);
}

int ResultRows::nextColumn()
{
    if (filled_ >= columnCount())
        throw DatabaseError(u"A result row holds more values than the result has columns"_s);
    return filled_++;
}

void ResultRows::appendNull()
{
    const int column = nextColumn();
    const size_t bit = size_t(rows_) * size_t(columnCount()) + size_t(column);
    while (nulls_.size() <= bit / 64)
        nulls_.append(0);
    nulls_.at(bit / 64) |= uint64_t(1) << (bit % 64);
    switch (slots_[size_t(column)].kind) {
    case Storage::Integer: integers_.append(0); break;
    case Storage::Double: doubles_.append(0); break;
    case Storage::Text: ends_.append(text_.end()); break;
    }
}

void ResultRows::appendInteger(qint64 value)
{
    switch (slots_[size_t(nextColumn())].kind) {
    case Storage::Integer: integers_.append(value); break;
    case Storage::Double: doubles_.append(double(value)); break;
    case Storage::Text: {
        const QByteArray text = QByteArray::number(value);
        ends_.append(text_.append(text.constData(), text.size()));
        break;
    }
    }
}

void ResultRows::appendDouble(double value)
{
    switch (slots_[size_t(nextColumn())].kind) {
    case Storage::Integer: integers_.append(qint64(value)); break;
    case Storage::Double: doubles_.append(value); break;
    case Storage::Text: {
        const QByteArray text = QByteArray::number(value, 'g', 17);
        ends_.append(text_.append(text.constData(), text.size()));
        break;
    }
    }
}

void ResultRows::appendText(const char* utf8, qsizetype bytes)
{
    switch (slots_[size_t(nextColumn())].kind) {
    case Storage::Integer: integers_.append(QByteArray(utf8, bytes).toLongLong()); break;
    case Storage::Double: doubles_.append(QByteArray(utf8, bytes).toDouble()); break;
    case Storage::Text: ends_.append(text_.append(utf8, bytes)); break;
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
    const Slot& slot = slots_[size_t(column)];
    const size_t at = position(row, slot);
    switch (slot.kind) {
    case Storage::Integer: {
        const qint64 value = integers_.at(at);
        switch (type.id()) {
        case QMetaType::Int: return QVariant(int(value));
        case QMetaType::UInt: return QVariant(uint(value));
        case QMetaType::ULongLong: return QVariant(qulonglong(value));
        default: return QVariant(qlonglong(value));
        }
    }
    case Storage::Double: return QVariant(doubles_.at(at));
    case Storage::Text: break;
    }
    QVariant value(text_.read(at == 0 ? 0 : ends_.at(at - 1), ends_.at(at)));
    if (type.isValid() && type.id() != QMetaType::QString)
        value.convert(type);
    return value;
}

size_t ResultRows::bytesHeld() const
{
    return sizeof(*this) + columns_.capacity() * sizeof(FetchedColumn) + slots_.capacity() * sizeof(Slot)
           + text_.bytesHeld() + ends_.bytesHeld() + integers_.bytesHeld() + doubles_.bytesHeld() + nulls_.bytesHeld();
}

uint32_t ResultRows::TextBlocks::append(const char* utf8, qsizetype bytes)
{
    if (bytes == 0)
        return end_;
    const uint64_t size = uint64_t(bytes);
    uint64_t begin = end_;
    // The rest of the current block, unless a long value ended there (its block is spoken for).
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
        // A long value's block stands for every block it spans.
        blocks_.resize(blocks_.size() + size_t(spanned) - 1);
    }
    std::memcpy(blocks_[size_t(begin / kBlockSize)].get() + begin % kBlockSize, utf8, size_t(size));
    end_ = uint32_t(begin + size);
    return end_;
}

QString ResultRows::TextBlocks::read(uint32_t previousEnd, uint32_t end) const
{
    if (end == previousEnd)
        return QString(u""_s);
    // Within the block the previous value ended in, or from the next block's start.
    const bool sameBlock = previousEnd % kBlockSize != 0 && previousEnd / kBlockSize == (end - 1) / kBlockSize;
    const uint32_t begin = sameBlock ? previousEnd : (previousEnd + kBlockSize - 1) / kBlockSize * kBlockSize;
    return QString::fromUtf8(blocks_[begin / kBlockSize].get() + begin % kBlockSize, qsizetype(end - begin));
}
