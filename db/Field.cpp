#include "Field.h"

#include "Query.h"

DbField::DbField(DbQuery& query, QString fieldName, TFieldType dataType, int size)
    : query_(query), fieldName_(std::move(fieldName)), dataType_(dataType), size_(size)
{
}

DbField::~DbField()
{
    // Watchers may let go of the field while they are told.
    for (TFieldWatcher* watcher : std::vector<TFieldWatcher*>(watchers_))
        watcher->FieldDestroyed(this);
}

bool DbField::IsNumeric() const
{
    switch (dataType_) {
    case ftSmallint:
    case ftInteger:
    case ftLargeint:
    case ftFloat:
        return true;
    default:
        return false;
    }
}

int DbField::Index() const
{
    return query_.IndexOfField(this);
}

void DbField::SetIndex(int index)
{
    query_.MoveField(this, index);
}

int DbField::DisplayWidth() const
{
    if (displayWidth_ >= 0)
        return displayWidth_;
    switch (dataType_) {
    case ftSmallint: return 6;
    case ftInteger: return 11;
    case ftLargeint: return 15;
    case ftFloat: return 10;
    case ftBoolean: return 5;
    case ftDateTime: return 18;
    default: return size_ > 0 ? qMin(size_, 255) : 20;
    }
}

TAlignment DbField::Alignment() const
{
    if (alignment_ >= 0)
        return TAlignment(alignment_);
    return IsNumeric() ? taRightJustify : taLeftJustify;
}

bool DbField::IsNull() const
{
    return Value().isNull();
}

QVariant DbField::Value() const
{
    return query_.ReadValue(valueColumn_);
}

QString DbField::DisplayText() const
{
    const QVariant value = Value();
    if (value.isNull())
        return QString();
    if (dataType_ == ftFloat)
        return QString::number(value.toDouble(), 'g', 15);
    return value.toString();
}

QString DbField::AsString() const
{
    const QVariant value = Value();
    return value.isNull() ? QString() : value.toString();
}

double DbField::AsFloat() const
{
    return Value().toDouble();
}

qint64 DbField::AsInteger() const
{
    return Value().toLongLong();
}

bool DbField::AsBoolean() const
{
    return Value().toBool();
}

QDateTime DbField::AsDateTime() const
{
    return Value().toDateTime();
}

void DbField::AddWatcher(TFieldWatcher* watcher)
{
    watchers_.push_back(watcher);
}

void DbField::RemoveWatcher(TFieldWatcher* watcher)
{
    std::erase(watchers_, watcher);
}
