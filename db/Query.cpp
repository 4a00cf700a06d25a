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

    for (int i = 0; i < record.count(); ++i)
        fields_.push_back(std::make_unique<DbField>(*this, i, record.fieldName(i),
                                                    record.field(i).metaType()));
    rows_ = std::move(rows);
    active_ = true;
    First();
    NotifyActiveChanged();
}

void DbQuery::Close()
{
    if (!active_)
        return;
    active_ = false;
    fields_.clear();
    rows_.clear();
    current_ = 0;
    eof_ = true;
    NotifyActiveChanged();
}

DbQuery::~DbQuery()
{
    for (TDataSource* source : std::vector<TDataSource*>(dataSources_))
        source->SetDataSet(nullptr);
}

void DbQuery::SetRecNo(int recNo)
{
    if (recNo >= 1 && recNo <= RecordCount()) {
        current_ = recNo - 1;
        eof_ = false;
    }
}

void DbQuery::AttachDataSource(TDataSource* source)
{
    dataSources_.push_back(source);
}

void DbQuery::DetachDataSource(TDataSource* source)
{
    std::erase(dataSources_, source);
}

void DbQuery::NotifyActiveChanged()
{
    for (TDataSource* source : dataSources_)
        source->NotifyActiveChanged();
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

void DbQuery::Next()
{
    if (current_ + 1 < RecordCount())
        ++current_;
    else
        eof_ = true;
}

QVariant DbQuery::CurrentValue(int fieldIndex) const
{
    if (rows_.empty())
        return QVariant();
    return rows_.at(size_t(current_)).at(fieldIndex);
}
