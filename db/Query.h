#pragma once

#include "Field.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

class DbConnection;
class TDataSource;

// A static, read-only result set: on open it runs its statement and fetches
// every row; its fields exist only while it is open.
class DbQuery : public QObject {
    Q_OBJECT

public:
    explicit DbQuery(QObject* parent = nullptr) : QObject(parent) {}
    ~DbQuery() override;

    DbConnection* Connection() const { return connection_; }
    void SetConnection(DbConnection* connection) { connection_ = connection; }

    // The statement text, a list of lines joined by line breaks when it runs.
    QStringList& SQL() { return sql_; }
    const QStringList& SQL() const { return sql_; }

    // Runs the statement, opening the connection first when it is closed.
    // Raises EDatabaseError with the driver's message; the query stays closed.
    void Open();
    // Discards the rows and the fields; closing a closed query does nothing.
    void Close();
    bool Active() const { return active_; }

    int FieldCount() const { return int(fields_.size()); }
    DbField& Field(int index) const { return *fields_.at(size_t(index)); }
    // The field of that name, without regard to letter case, or null.
    DbField* FindField(const QString& name) const;
    // Like FindField, but a missing field raises "Field 'name' not found".
    DbField& FieldByName(const QString& name) const;

    int RecordCount() const { return int(rows_.size()); }
    // 1-based number of the current record; 0 when there is none.
    int RecNo() const { return rows_.empty() ? 0 : current_ + 1; }
    // Makes a record current; a number outside 1..RecordCount does nothing.
    void SetRecNo(int recNo);
    void First() { current_ = 0; eof_ = rows_.empty(); }
    void Next();
    bool Eof() const { return eof_; }

    QVariant CurrentValue(int fieldIndex) const;

    // The data sources that show this result set; told when it opens or closes.
    void AttachDataSource(TDataSource* source);
    void DetachDataSource(TDataSource* source);

private:
    void NotifyActiveChanged();

    std::vector<TDataSource*> dataSources_;
    DbConnection* connection_ = nullptr;
    QStringList sql_;
    bool active_ = false;
    std::vector<std::unique_ptr<DbField>> fields_;
    std::vector<QList<QVariant>> rows_;
    int current_ = 0;
    bool eof_ = true;
};
