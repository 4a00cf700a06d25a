#include "Query.h"

#include "Connection.h"
#include "DataSource.h"
#include "DatabaseError.h"
#include "OdbcSession.h"
#include "OdbcStatement.h"
#include "SqliteFetch.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

FieldType FieldTypeOf(QMetaType type)
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
        source->SetDataSet(nullptr);
}

void Query::Open()
{
    if (active_)
        return;
    if (!connection_)
        throw DatabaseError(u"Missing Connection or ConnectionString"_s);
    connection_->Open();

    rows_ = Fetch(sql_.join(u'\n'));
    for (int i = 0; i < rows_.ColumnCount(); ++i) {
        const FetchedColumn& column = rows_.Columns()[size_t(i)];
        auto field = std::make_unique<Field>(*this, column.Name, FieldTypeOf(column.Type), column.Size);
        field->SetValueColumn(i);
        fields_.push_back(std::move(field));
    }
    active_ = true;
    current_ = 0;
    ForEachLink([](DataLink& link) { link.WindowOpened(); });
    NotifyLinks(DataEvent::ActiveChanged);
}

ResultRows Query::Fetch(const QString& statement) const
{
    if (sqlite3* embedded = connection_->EmbeddedHandle())
        return FetchAllSqliteRows(embedded, statement);
    const QSqlDatabase db = connection_->Database();
    try {
        return RunOdbcStatement(OdbcConnectionHandle(db), statement);
    } catch (const DatabaseError&) {
        // A server lost since the connection opened: the next search connects again.
        if (OdbcConnectionDead(db))
            connection_->Close();
        throw;
    }
}

void Query::Close()
{
    if (!active_)
        return;
    active_ = false;
    rows_ = ResultRows();
    current_ = 0;
    NotifyLinks(DataEvent::ActiveChanged);
    // The links know the query is closed before its fields go.
    fields_.clear();
}

Field* Query::FindField(const QString& name) const
{
    for (const auto& field : fields_)
        if (field->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return field.get();
    return nullptr;
}

Field& Query::FieldByName(const QString& name) const
{
    if (Field* field = FindField(name))
        return *field;
    throw DatabaseError(u"Field '"_s + name + u"' not found"_s);
}

int Query::IndexOfField(const Field* field) const
{
    for (size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].get() == field)
            return int(i);
    return -1;
}

void Query::MoveField(Field* field, int index)
{
    const int from = IndexOfField(field);
    if (from < 0)
        return;
    const int to = qBound(0, index, FieldCount() - 1);
    if (from == to)
        return;
    auto moved = std::move(fields_[size_t(from)]);
    fields_.erase(fields_.begin() + from);
    fields_.insert(fields_.begin() + to, std::move(moved));
    NotifyLinks(DataEvent::LayoutChange);
}

QVariant Query::Value(int record, int column) const
{
    if (record < 0 || record >= RecordCount())
        return QVariant();
    return rows_.Value(record, column);
}

void Query::SetRecNo(int recNo)
{
    if (recNo >= 1 && recNo <= RecordCount())
        MoveTo(recNo - 1);
}

void Query::First()
{
    if (RecordCount() > 0)
        MoveTo(0);
}

void Query::Last()
{
    if (RecordCount() > 0)
        MoveTo(RecordCount() - 1);
}

int Query::MoveBy(int n)
{
    if (n == 0 || RecordCount() == 0)
        return 0;
    const int target = int(std::clamp<qint64>(qint64(current_) + n, 0, RecordCount() - 1));
    const int moved = target - current_;
    if (moved != 0)
        MoveTo(target);
    return moved;
}

void Query::EnableControls()
{
    if (disableCount_ == 0)
        return;
    if (--disableCount_ == 0)
        NotifyLinks(DataEvent::DataSetChange);
}

void Query::NotifyLinks(DataEvent event)
{
    if (ControlsDisabled())
        return;
    ForEachLink([&](DataLink& link) { link.Deliver(event, 0); });
}

void Query::AttachDataSource(DataSource* source)
{
    dataSources_.push_back(source);
}

void Query::DetachDataSource(DataSource* source)
{
    std::erase(dataSources_, source);
}

void Query::MoveTo(int record)
{
    current_ = record;
    ForEachLink([&](DataLink& link) {
        const int distance = link.WindowFollow(record);
        if (!ControlsDisabled())
            link.Deliver(DataEvent::RecordMoved, distance);
    });
}

void Query::ForEachLink(const std::function<void(DataLink&)>& action)
{
    for (DataSource* source : std::vector<DataSource*>(dataSources_))
        for (DataLink* link : std::vector<DataLink*>(source->Links()))
            action(*link);
}
