#include "Field.h"

#include "Query.h"

Field::Field(Query& query, QString fieldName, FieldType dataType, int size)
    : query_(query), fieldName_(std::move(fieldName)), dataType_(dataType), size_(size)
{
}

Field::~Field()
{
    // Watchers may let go of the field while they are told.
    for (FieldWatcher* watcher : std::vector<FieldWatcher*>(watchers_))
        watcher->fieldDestroyed(this);
}

bool Field::isNumeric() const
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

int Field::index() const
{
    return query_.indexOfField(this);
}

bool Field::isNull(int record) const
{
    return value(record).isNull();
}

QVariant Field::value(int record) const
{
    return query_.value(record == kCurrentRecord ? query_.currentRecordIndex() : record, valueColumn_);
}

QString Field::displayText(int record) const
{
    const QVariant stored = value(record);
    if (stored.isNull())
        return QString();
    if (dataType_ == FieldType::Float)
        return QString::number(stored.toDouble(), 'g', 15);
    return stored.toString();
}

QString Field::asString(int record) const
{
    const QVariant stored = value(record);
    return stored.isNull() ? QString() : stored.toString();
}

qint64 Field::asInteger(int record) const
{
    return value(record).toLongLong();
}

void Field::addWatcher(FieldWatcher* watcher)
{
    watchers_.push_back(watcher);
}

void Field::removeWatcher(FieldWatcher* watcher)
{
    std::erase(watchers_, watcher);
}
