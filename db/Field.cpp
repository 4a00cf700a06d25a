#include "Field.h"

#include "Query.h"

#include "platform/FormatNumber.h"

Field::Field(Query& query, QString fieldName, FieldType dataType, int size)
    : query_(query), fieldName_(std::move(fieldName)), dataType_(dataType), size_(size)
{
}

Field::~Field()
{
    // Watchers may let go of the field while they are told.
    for (FieldWatcher* watcher : std::vector<FieldWatcher*>(watchers_))
        watcher->FieldDestroyed(this);
}

bool Field::IsNumeric() const
{
    switch (dataType_) {
    case FieldType::Smallint:
    case FieldType::Integer:
    case FieldType::Largeint:
    case FieldType::Float:
        return true;
    default:
        return false;
    }
}

int Field::Index() const
{
    return query_.IndexOfField(this);
}

void Field::SetIndex(int index)
{
    query_.MoveField(this, index);
}

int Field::DisplayWidth() const
{
    if (displayWidth_ >= 0)
        return displayWidth_;
    switch (dataType_) {
    case FieldType::Smallint: return 6;
    case FieldType::Integer: return 11;
    case FieldType::Largeint: return 15;
    case FieldType::Float: return 10;
    case FieldType::Boolean: return 5;
    case FieldType::DateTime: return 18;
    default: return size_ > 0 ? qMin(size_, 255) : 20;
    }
}

TextAlignment Field::Alignment() const
{
    if (alignment_)
        return *alignment_;
    return IsNumeric() ? TextAlignment::Right : TextAlignment::Left;
}

bool Field::IsNull(int record) const
{
    return Value(record).isNull();
}

QVariant Field::Value(int record) const
{
    return query_.Value(record == kCurrentRecord ? query_.CurrentRecordIndex() : record, valueColumn_);
}

QString Field::DisplayText(int record) const
{
    const QVariant value = Value(record);
    if (value.isNull())
        return QString();
    if (dataType_ == FieldType::Float)
        return QString::number(value.toDouble(), 'g', 15);
    return value.toString();
}

QString Field::FormattedText(const QString& displayFormat, int record) const
{
    if (displayFormat.isEmpty())
        return DisplayText(record);
    const QVariant value = Value(record);
    if (value.isNull())
        return QString();
    if (IsNumeric())
        return FormatFloat(displayFormat, value.toDouble());
    if (dataType_ == FieldType::DateTime)
        return FormatDateTime(displayFormat, value.toDateTime());
    return QString();
}

QString Field::AsString(int record) const
{
    const QVariant value = Value(record);
    return value.isNull() ? QString() : value.toString();
}

double Field::AsFloat(int record) const
{
    return Value(record).toDouble();
}

qint64 Field::AsInteger(int record) const
{
    return Value(record).toLongLong();
}

void Field::AddWatcher(FieldWatcher* watcher)
{
    watchers_.push_back(watcher);
}

void Field::RemoveWatcher(FieldWatcher* watcher)
{
    std::erase(watchers_, watcher);
}
