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
    ActiveChanged,   // opened or closed
    DataSetChange,   // window contents changed
    RecordMoved,     // current record moved (each link works out its own scroll)
    RecordChange,    // current record's values changed (a field or none)
    LayoutChange,    // fields changed
    UpdateState,     // editing state changed
    FocusControl,    // a field asks for focus
    UpdateRecord,    // data must be written back
    ResetRecord,     // pending changes are dropped
};

// A static, read-only result set (the main window's query): on open it
// runs its statement and fetches every row, held compactly; its fields exist only while it is
// open. Moves keep every attached link's record window around the current
// record; the event slots let a companion hook the result set's events.
class Query : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Filtered READ Filtered WRITE SetFiltered)
    Q_PROPERTY(QString Filter READ Filter WRITE SetFilter)

public:
    explicit Query(QObject* parent = nullptr) : QObject(parent) {}
    ~Query() override;

    ::Connection* Connection() const { return connection_; }
    void SetConnection(::Connection* connection) { connection_ = connection; }

    // The statement text, a list of lines joined by line breaks when it runs.
    QStringList& SQL() { return sql_; }
    const QStringList& SQL() const { return sql_; }

    // Runs the statement, opening the connection first when it is closed.
    // Raises DatabaseError with the driver's message; the query stays closed.
    void Open();
    // Discards the rows; the fields go after the links are told. Closing a
    // closed query does nothing.
    void Close();
    bool Active() const { return active_; }
    DataSetState State() const { return active_ ? DataSetState::Browse : DataSetState::Inactive; }
    // The fields exist only while the query is open.
    bool FieldsCreatedOnOpen() const { return true; }

    int FieldCount() const { return int(fields_.size()); }
    Field& FieldAt(int index) const { return *fields_.at(size_t(index)); }
    // The field of that name, without regard to letter case, or null.
    Field* FindField(const QString& name) const;
    // Like FindField, but a missing field raises "Field 'name' not found".
    Field& FieldByName(const QString& name) const;
    int IndexOfField(const Field* field) const;
    // Moves a field to another position; the links hear of a layout change.
    void MoveField(Field* field, int index);

    int RecordCount() const { return rows_.RowCount(); }
    // 1-based number of the current record, or of the window record a link
    // selected for reading; 0 when there is none.
    int RecNo() const { return RecordCount() == 0 ? 0 : (reading_ >= 0 ? reading_ : current_) + 1; }
    // Goes to a record by number (1..RecordCount), the record windows
    // scrolling by the least that shows it; other numbers do nothing.
    void SetRecNo(int recNo);
    // The memory the fetched rows take, for measuring.
    size_t BytesHeld() const { return rows_.BytesHeld(); }
    // Record numbers are available: the rows are a fixed snapshot.
    bool IsSequenced() const { return true; }

    void First();
    void Last();
    // Moves by n records, stopping at either end; returns the distance moved.
    int MoveBy(int n);
    void Next() { MoveBy(1); }
    void Prior() { MoveBy(-1); }
    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }

    Bookmark GetBookmark() const;
    // Goes to a bookmarked record, centring the record windows on it.
    void GotoBookmark(const Bookmark& bookmark);
    bool BookmarkValid(const Bookmark& bookmark) const;
    // -1, 0 or 1 as the first bookmark lies before, at or after the second.
    int CompareBookmarks(const Bookmark& a, const Bookmark& b) const;

    // Suspends notifications to the links; nested. The last resume sends one
    // contents-changed.
    void DisableControls() { ++disableCount_; }
    void EnableControls();
    bool ControlsDisabled() const { return disableCount_ > 0; }

    // The event slots, each readable and writable.
    const DataSetHandler& AfterOpen() const { return afterOpen_; }
    void SetAfterOpen(DataSetHandler handler) { afterOpen_ = std::move(handler); }
    const DataSetHandler& AfterClose() const { return afterClose_; }
    void SetAfterClose(DataSetHandler handler) { afterClose_ = std::move(handler); }
    const DataSetHandler& AfterScroll() const { return afterScroll_; }
    void SetAfterScroll(DataSetHandler handler) { afterScroll_ = std::move(handler); }
    const DataSetHandler& AfterEdit() const { return afterEdit_; }
    void SetAfterEdit(DataSetHandler handler) { afterEdit_ = std::move(handler); }
    const DataSetHandler& AfterInsert() const { return afterInsert_; }
    void SetAfterInsert(DataSetHandler handler) { afterInsert_ = std::move(handler); }
    const DataSetHandler& AfterPost() const { return afterPost_; }
    void SetAfterPost(DataSetHandler handler) { afterPost_ = std::move(handler); }
    const DataSetHandler& BeforeDelete() const { return beforeDelete_; }
    void SetBeforeDelete(DataSetHandler handler) { beforeDelete_ = std::move(handler); }
    const DataSetHandler& AfterCancel() const { return afterCancel_; }
    void SetAfterCancel(DataSetHandler handler) { afterCancel_ = std::move(handler); }

    bool Filtered() const { return filtered_; }
    void SetFiltered(bool filtered) { filtered_ = filtered; }
    const QString& Filter() const { return filter_; }
    void SetFilter(const QString& filter) { filter_ = filter; }

    // Whether the result set publishes a property of that name.
    bool HasPublishedProperty(const QString& name) const;

    // The value of a fetched column for the record being read: the current
    // record, or the window record a link selected.
    QVariant ReadValue(int column) const;
    int CurrentRecordIndex() const { return current_; }
    void SetReadingRecord(int recordIndex) { reading_ = recordIndex; }
    void ClearReadingRecord() { reading_ = -1; }

    // Tells every attached link, unless notifications are suspended.
    void NotifyLinks(DataEvent event, Field* field = nullptr);

    void AttachDataSource(DataSource* source);
    void DetachDataSource(DataSource* source);

private:
    enum class Window { ScrollByLeast, Centre };
    ResultRows Fetch(const QString& statement) const;
    void MoveTo(int record, Window window);
    void Fire(const DataSetHandler& handler);
    void ForEachLink(const std::function<void(class DataLink&)>& action);

    ::Connection* connection_ = nullptr;
    QStringList sql_;
    bool active_ = false;
    qint64 opening_ = 0;
    std::vector<std::unique_ptr<Field>> fields_;
    ResultRows rows_;
    int current_ = 0;
    int reading_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    int disableCount_ = 0;
    bool filtered_ = false;
    QString filter_;
    std::vector<DataSource*> dataSources_;
    DataSetHandler afterOpen_, afterClose_, afterScroll_, afterEdit_, afterInsert_, afterPost_,
        beforeDelete_, afterCancel_;
};
