#include "Query.h"

#include "Connection.h"
#include "DataSource.h"
#include "DatabaseError.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

FieldType fieldTypeOf(QMetaType type)
{
    switch (type.id()) {
    case QMetaType::Short:
    case QMetaType::UShort: return FieldType::Smallint;
    case QMetaType::Int:
    case QMetaType::UInt: return FieldType::Integer;
    case QMetaType::LongLong:
    case QMetaType::ULongLong: return FieldType::Largeint;
    case QMetaType::Double:
    case QMetaType::Float: return FieldType::Float;
    case QMetaType::Bool: return FieldType::Boolean;
    case QMetaType::QDate:
    case QMetaType::QDateTime: return FieldType::DateTime;
    case QMetaType::QString: return FieldType::WideString;
    default: return FieldType::Unknown;
    }
}

} // namespace

Query::~Query()
{
    for (DataSource* source : std::vector<DataSource*>(dataSources_))
        source->setDataSet(nullptr);
}

void Query::open()
{
    if (active_)
        return;
    if (!connection_)
        throw DatabaseError(u"Missing Connection or ConnectionString"_s);
    connection_->open();
    ResultRows rows;
    connection_->run(sql_.join(u'\n'), rows);
    open(std::move(rows));
}

void Query::open(ResultRows rows)
{
    if (active_)
        return;
    rows_ = std::move(rows);
    for (int i = 0; i < rows_.columnCount(); ++i) {
        const FetchedColumn& column = rows_.columns()[size_t(i)];
        auto field = std::make_unique<Field>(*this, column.name, fieldTypeOf(column.type), column.size);
        field->setValueColumn(i);
        fields_.push_back(std::move(field));
    }
    active_ = true;
    current_ = 0;
    forEachLink([](DataLink& link) { link.windowOpened(); });
    notifyLinks(DataEvent::ActiveChanged);
}

void Query::close()
{
    if (!active_)
        return;
    active_ = false;
    rows_ = ResultRows();
    current_ = 0;
    notifyLinks(DataEvent::ActiveChanged);
    // The links know the query is closed before its fields go.
    fields_.clear();
}

Field* Query::findField(const QString& name) const
{
    for (const auto& field : fields_)
        if (field->fieldName().compare(name, Qt::CaseInsensitive) == 0)
            return field.get();
    return nullptr;
}

Field& Query::fieldByName(const QString& name) const
{
    if (Field* field = findField(name))
        return *field;
    throw DatabaseError(u"Field '"_s + name + u"' not found"_s);
}

int Query::indexOfField(const Field* field) const
{
    for (size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].get() == field)
            return int(i);
    return -1;
}

QVariant Query::value(int record, int column) const
{
    if (record < 0 || record >= recordCount())
        return QVariant();
    return rows_.value(record, column);
}

void Query::setRecNo(int recNo)
{
    if (recNo >= 1 && recNo <= recordCount())
        moveTo(recNo - 1);
}

void Query::first()
{
    if (recordCount() > 0)
        moveTo(0);
}

void Query::last()
{
    if (recordCount() > 0)
        moveTo(recordCount() - 1);
}

int Query::moveBy(int n)
{
    if (n == 0 || recordCount() == 0)
        return 0;
    const int target = int(std::clamp<qint64>(qint64(current_) + n, 0, recordCount() - 1));
    const int moved = target - current_;
    if (moved != 0)
        moveTo(target);
    return moved;
}

void Query::enableControls()
{
    if (disableCount_ == 0)
        return;
    if (--disableCount_ == 0)
        notifyLinks(DataEvent::DataSetChange);
}

void Query::notifyLinks(DataEvent event)
{
    if (controlsDisabled())
        return;
    forEachLink([&](DataLink& link) { link.deliver(event, 0); });
}

void Query::attachDataSource(DataSource* source)
{
    dataSources_.push_back(source);
}

void Query::detachDataSource(DataSource* source)
{
    std::erase(dataSources_, source);
}

void Query::moveTo(int record)
{
    current_ = record;
    forEachLink([&](DataLink& link) {
        const int distance = link.windowFollow(record);
        if (!controlsDisabled())
            link.deliver(DataEvent::RecordMoved, distance);
    });
}

void Query::forEachLink(const std::function<void(DataLink&)>& action)
{
    for (DataSource* source : std::vector<DataSource*>(dataSources_))
        for (DataLink* link : std::vector<DataLink*>(source->links()))
            action(*link);
}
