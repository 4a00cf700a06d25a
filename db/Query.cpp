#include "Query.h"

#include "Connection.h"
#include "DataSource.h"
#include "DatabaseError.h"
#include "OdbcFetch.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>
#include <algorithm>

namespace {

TFieldType FieldTypeOf(QMetaType type)
{
    switch (type.id()) {
    case QMetaType::Short:
    case QMetaType::UShort: return ftSmallint;
    case QMetaType::Int:
    case QMetaType::UInt: return ftInteger;
    case QMetaType::LongLong:
    case QMetaType::ULongLong: return ftLargeint;
    case QMetaType::Double:
    case QMetaType::Float: return ftFloat;
    case QMetaType::Bool: return ftBoolean;
    case QMetaType::QDate:
    case QMetaType::QDateTime: return ftDateTime;
    case QMetaType::QString: return ftWideString;
    default: return ftUnknown;
    }
}

} // namespace

DbQuery::~DbQuery()
{
    for (TDataSource* source : std::vector<TDataSource*>(dataSources_))
        source->SetDataSet(nullptr);
}

void DbQuery::Open()
{
    if (active_)
        return;
    if (!connection_)
        throw EDatabaseError(u"Missing Connection or ConnectionString"_qs);
    connection_->Open();

    QSqlQuery query(connection_->Database());
    query.setForwardOnly(true);
    if (!query.exec(sql_.join(u'\n')))
        throw EDatabaseError(query.lastError().text().trimmed());
    const QSqlRecord record = query.record();
    std::vector<QList<QVariant>> rows = FetchAllOdbcRows(query.result()->handle().value<void*>(), record);

    for (int i = 0; i < record.count(); ++i) {
        const QSqlField column = record.field(i);
        auto field = std::make_unique<DbField>(*this, column.name(), FieldTypeOf(column.metaType()), column.length());
        field->SetValueColumn(i);
        fields_.push_back(std::move(field));
    }
    rows_ = std::move(rows);
    ++opening_;
    active_ = true;
    current_ = 0;
    reading_ = -1;
    bof_ = true;
    eof_ = rows_.empty();
    ForEachLink([](TDataLink& link) { link.WindowOpened(); });
    DataEvent(deActiveChanged);
    Fire(afterOpen_);
}

void DbQuery::Close()
{
    if (!active_)
        return;
    active_ = false;
    rows_.clear();
    current_ = 0;
    reading_ = -1;
    bof_ = eof_ = true;
    DataEvent(deActiveChanged);
    // The links know the query is closed before its fields go.
    fields_.clear();
    Fire(afterClose_);
}

DbField* DbQuery::FindField(const QString& name) const
{
    for (const auto& field : fields_)
        if (field->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return field.get();
    return nullptr;
}

DbField& DbQuery::FieldByName(const QString& name) const
{
    if (DbField* field = FindField(name))
        return *field;
    throw EDatabaseError(u"Field '"_qs + name + u"' not found"_qs);
}

int DbQuery::IndexOfField(const DbField* field) const
{
    for (size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].get() == field)
            return int(i);
    return -1;
}

void DbQuery::MoveField(DbField* field, int index)
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
    DataEvent(deLayoutChange);
}

void DbQuery::SetRecNo(int recNo)
{
    if (recNo < 1 || recNo > RecordCount())
        return;
    bof_ = eof_ = false;
    MoveTo(recNo - 1, Window::Centre);
}

void DbQuery::First()
{
    bof_ = true;
    eof_ = rows_.empty();
    if (!rows_.empty())
        MoveTo(0, Window::ScrollByLeast);
}

void DbQuery::Last()
{
    eof_ = true;
    bof_ = rows_.empty();
    if (!rows_.empty())
        MoveTo(RecordCount() - 1, Window::ScrollByLeast);
}

int DbQuery::MoveBy(int n)
{
    if (n == 0 || rows_.empty())
        return 0;
    const qint64 wanted = qint64(current_) + n;
    const int target = int(std::clamp<qint64>(wanted, 0, RecordCount() - 1));
    bof_ = wanted < 0;
    eof_ = wanted > RecordCount() - 1;
    const int moved = target - current_;
    if (moved != 0)
        MoveTo(target, Window::ScrollByLeast);
    return moved;
}

TBookmark DbQuery::GetBookmark() const
{
    if (!active_ || rows_.empty())
        return TBookmark();
    return TBookmark{opening_, current_};
}

void DbQuery::GotoBookmark(const TBookmark& bookmark)
{
    if (!BookmarkValid(bookmark))
        throw EDatabaseError(u"Record not found"_qs);
    bof_ = eof_ = false;
    MoveTo(bookmark.Record, Window::Centre);
}

bool DbQuery::BookmarkValid(const TBookmark& bookmark) const
{
    return active_ && bookmark.Opening == opening_ && bookmark.Record >= 0 && bookmark.Record < RecordCount();
}

int DbQuery::CompareBookmarks(const TBookmark& a, const TBookmark& b) const
{
    if (a.IsNull() || b.IsNull())
        return a.IsNull() == b.IsNull() ? 0 : (a.IsNull() ? -1 : 1);
    return a.Record < b.Record ? -1 : (a.Record > b.Record ? 1 : 0);
}

void DbQuery::EnableControls()
{
    if (disableCount_ == 0)
        return;
    if (--disableCount_ == 0)
        DataEvent(deDataSetChange);
}

bool DbQuery::HasPublishedProperty(const QString& name) const
{
    return metaObject()->indexOfProperty(name.toUtf8().constData()) >= 0;
}

QVariant DbQuery::ReadValue(int column) const
{
    const int record = reading_ >= 0 ? reading_ : current_;
    if (record < 0 || record >= RecordCount())
        return QVariant();
    return rows_[size_t(record)].value(column);
}

void DbQuery::DataEvent(TDataEvent event, DbField* field)
{
    if (ControlsDisabled())
        return;
    ForEachLink([&](TDataLink& link) { link.Deliver(event, field, 0); });
}

void DbQuery::AttachDataSource(TDataSource* source)
{
    dataSources_.push_back(source);
}

void DbQuery::DetachDataSource(TDataSource* source)
{
    std::erase(dataSources_, source);
}

void DbQuery::MoveTo(int record, Window window)
{
    current_ = record;
    reading_ = -1;
    ForEachLink([&](TDataLink& link) {
        const int distance = link.WindowFollow(record, window == Window::Centre);
        if (!ControlsDisabled())
            link.Deliver(window == Window::Centre ? deDataSetChange : deRecordMoved, nullptr, distance);
    });
    Fire(afterScroll_);
}

void DbQuery::Fire(const TDataSetNotifyEvent& handler)
{
    if (handler)
        handler(*this);
}

void DbQuery::ForEachLink(const std::function<void(TDataLink&)>& action)
{
    for (TDataSource* source : std::vector<TDataSource*>(dataSources_))
        for (TDataLink* link : std::vector<TDataLink*>(source->Links()))
            action(*link);
}
