#pragma once

#include "DataSetTypes.h"
#include "Field.h"
#include "ResultRows.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

class Connection;
class DataSource;

// What a result set tells the links attached to it.
enum class DataEvent {
    ActiveChanged,  // opened or closed
    DataSetChange,  // window contents changed
    RecordMoved,    // current record moved (each link works out its own scroll)
};

// A static, read-only result set (the main window's query): on open it runs
// its statement and fetches every row, held compactly; its fields exist only
// while it is open. Any row is read by index without moving anything; the
// current record moves only when asked to, and every attached link keeps its
// record window around it.
class Query : public QObject {
    Q_OBJECT

public:
    explicit Query(QObject* parent = nullptr) : QObject(parent) {}
    ~Query() override;

    ::Connection* connection() const { return connection_; }
    void setConnection(::Connection* connection) { connection_ = connection; }

    // The statement text, a list of lines joined by line breaks when it runs.
    QStringList& sql() { return sql_; }
    const QStringList& sql() const { return sql_; }

    // Runs the statement, opening the connection first when it is closed.
    // Raises DatabaseError with the driver's message; the query stays closed.
    void open();
    // Opens over rows already at hand, as if a statement had read them.
    void open(ResultRows rows);
    // Discards the rows; the fields go after the links are told. Closing a
    // closed query does nothing.
    void close();
    bool active() const { return active_; }

    int fieldCount() const { return int(fields_.size()); }
    Field& fieldAt(int index) const { return *fields_.at(size_t(index)); }
    // The field of that name, without regard to letter case, or null.
    Field* findField(const QString& name) const;
    // Like findField, but a missing field raises "Field 'name' not found".
    Field& fieldByName(const QString& name) const;
    int indexOfField(const Field* field) const;

    int recordCount() const { return rows_.rowCount(); }
    // A fetched value by record index and fetched column; null outside the rows.
    QVariant value(int record, int column) const;
    // 0-based index of the current record.
    int currentRecordIndex() const { return current_; }
    // 1-based number of the current record; 0 when there is none.
    int recNo() const { return recordCount() == 0 ? 0 : current_ + 1; }
    // Goes to a record by number (1..recordCount), the record windows
    // scrolling by the least that shows it; other numbers do nothing.
    void setRecNo(int recNo);
    // The memory the fetched rows take, for measuring.
    size_t bytesHeld() const { return rows_.bytesHeld(); }

    void first();
    void last();
    // Moves by n records, stopping at either end; returns the distance moved.
    int moveBy(int n);

    // Suspends notifications to the links; nested. The last resume sends one
    // contents-changed.
    void disableControls() { ++disableCount_; }
    void enableControls();
    bool controlsDisabled() const { return disableCount_ > 0; }

    void attachDataSource(DataSource* source);
    void detachDataSource(DataSource* source);

private:
    void moveTo(int record);
    // Tells every attached link, unless notifications are suspended.
    void notifyLinks(DataEvent event);
    void forEachLink(const std::function<void(class DataLink&)>& action);

    ::Connection* connection_ = nullptr;
    QStringList sql_;
    bool active_ = false;
    std::vector<std::unique_ptr<Field>> fields_;
    ResultRows rows_;
    int current_ = 0;
    int disableCount_ = 0;
    std::vector<DataSource*> dataSources_;
};
