#include "ResultRows.h"

#include "DatabaseError.h"

#include <limits>

using namespace Qt::StringLiterals;

ResultRows::ResultRows(std::vector<FetchedColumn> columns) : columns_(std::move(columns)), stores_(columns_.size())
{
    for (size_t i = 0; i < columns_.size(); ++i)
        stores_[i].Kind = StorageOf(columns_[i].Type);
}

ResultRows::Storage ResultRows::StorageOf(QMetaType type)
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

ResultRows::Store& ResultRows::Next()
{
    if (filled_ >= int(stores_.size()))
        throw DatabaseError(u"A result row holds more values than the result has columns"_s);
    Store& store = stores_[size_t(filled_++)];
    if (size_t(rows_) / 64 >= store.Nulls.size())
        store.Nulls.push_back(0);
    return store;
}

void ResultRows::AppendNull()
{
    Store& store = Next();
    store.Nulls[size_t(rows_) / 64] |= uint64_t(1) << (rows_ % 64);
    switch (store.Kind) {
    case Storage::Integer: store.Integers.push_back(0); break;
    case Storage::Double: store.Doubles.push_back(0); break;
    case Storage::Text: store.Ends.push_back(uint32_t(store.Text.size())); break;
    }
}

void ResultRows::AppendInteger(qint64 value)
{
    Store& store = Next();
    switch (store.Kind) {
    case Storage::Integer: store.Integers.push_back(value); break;
    case Storage::Double: store.Doubles.push_back(double(value)); break;
    case Storage::Text: {
        const QByteArray text = QByteArray::number(value);
        store.Text.insert(store.Text.end(), text.begin(), text.end());
        store.Ends.push_back(uint32_t(store.Text.size()));
        break;
    }
    }
}

void ResultRows::AppendDouble(double value)
{
    Store& store = Next();
    switch (store.Kind) {
    case Storage::Integer: store.Integers.push_back(qint64(value)); break;
    case Storage::Double: store.Doubles.push_back(value); break;
    case Storage::Text: {
        const QByteArray text = QByteArray::number(value, 'g', 17);
        store.Text.insert(store.Text.end(), text.begin(), text.end());
        store.Ends.push_back(uint32_t(store.Text.size()));
        break;
    }
    }
}

void ResultRows::AppendText(const char* utf8, qsizetype bytes)
{
    Store& store = Next();
    switch (store.Kind) {
    case Storage::Integer: store.Integers.push_back(QByteArray(utf8, bytes).toLongLong()); return;
    case Storage::Double: store.Doubles.push_back(QByteArray(utf8, bytes).toDouble()); return;
    case Storage::Text: break;
    }
    if (store.Text.size() + size_t(bytes) > std::numeric_limits<uint32_t>::max())
        throw DatabaseError(u"The result's text is too large to hold"_s);
    store.Text.insert(store.Text.end(), utf8, utf8 + bytes);
    store.Ends.push_back(uint32_t(store.Text.size()));
}

void ResultRows::AppendText(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    AppendText(utf8.constData(), utf8.size());
}

void ResultRows::EndRow()
{
    if (filled_ != int(stores_.size()))
        throw DatabaseError(u"A result row holds fewer values than the result has columns"_s);
    filled_ = 0;
    ++rows_;
}

bool ResultRows::IsNull(int row, int column) const
{
    return (stores_[size_t(column)].Nulls[size_t(row) / 64] >> (row % 64)) & 1;
}

QVariant ResultRows::Value(int row, int column) const
{
    if (row < 0 || row >= rows_ || column < 0 || column >= ColumnCount())
        return QVariant();
    const QMetaType type = columns_[size_t(column)].Type;
    if (IsNull(row, column))
        return QVariant(type);
    const Store& store = stores_[size_t(column)];
    switch (store.Kind) {
    case Storage::Integer: {
        const qint64 value = store.Integers[size_t(row)];
        switch (type.id()) {
        case QMetaType::Int: return QVariant(int(value));
        case QMetaType::UInt: return QVariant(uint(value));
        case QMetaType::ULongLong: return QVariant(qulonglong(value));
        default: return QVariant(qlonglong(value));
        }
    }
    case Storage::Double: return QVariant(store.Doubles[size_t(row)]);
    case Storage::Text: break;
    }
    const uint32_t begin = row == 0 ? 0 : store.Ends[size_t(row) - 1];
    QVariant value(QString::fromUtf8(store.Text.data() + begin, qsizetype(store.Ends[size_t(row)] - begin)));
    if (type.isValid() && type.id() != QMetaType::QString)
        value.convert(type);
    return value;
}

size_t ResultRows::BytesHeld() const
{
    size_t bytes = sizeof(*this) + columns_.capacity() * sizeof(FetchedColumn) + stores_.capacity() * sizeof(Store);
    for (const Store& store : stores_)
        bytes += store.Integers.capacity() * sizeof(qint64) + store.Doubles.capacity() * sizeof(double)
                 + store.Text.capacity() + store.Ends.capacity() * sizeof(uint32_t)
                 + store.Nulls.capacity() * sizeof(uint64_t);
    return bytes;
}
