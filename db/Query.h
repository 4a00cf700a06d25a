#pragma once

#include "DataSetTypes.h"
#include "Field.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

class DbConnection;
class TDataSource;

// What a result set tells the links attached to it.
enum TDataEvent {
    deActiveChanged,   // opened or closed
    deDataSetChange,   // window contents changed
    deRecordMoved,     // current record moved (each link works out its own scroll)
    deRecordChange,    // current record's values changed (a field or none)
    deLayoutChange,    // fields changed
    deUpdateState,     // editing state changed
    deFocusControl,    // a field asks for focus
    deUpdateRecord,    // data must be written back
    deResetRecord,     // pending changes are dropped
};

// A static, read-only result set (the main window's ADOQuery1): on open it
// runs its statement and fetches every row; its fields exist only while it is
// open. Moves keep every attached link's record window around the current
// record; the event slots let a companion hook the result set's events.
class DbQuery : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Filtered READ Filtered WRITE SetFiltered)
    Q_PROPERTY(QString Filter READ Filter WRITE SetFilter)

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
    // Discards the rows; the fields go after the links are told. Closing a
    // closed query does nothing.
    void Close();
    bool Active() const { return active_; }
    TDataSetState State() const { return active_ ? dsBrowse : dsInactive; }
    // The fields exist only while the query is open.
    bool FieldsCreatedOnOpen() const { return true; }

    int FieldCount() const { return int(fields_.size()); }
    DbField& Field(int index) const { return *fields_.at(size_t(index)); }
    // The field of that name, without regard to letter case, or null.
    DbField* FindField(const QString& name) const;
    // Like FindField, but a missing field raises "Field 'name' not found".
    DbField& FieldByName(const QString& name) const;
    int IndexOfField(const DbField* field) const;
    // Moves a field to another position; the links hear of a layout change.
    void MoveField(DbField* field, int index);

    int RecordCount() const { return int(rows_.size()); }
    // 1-based number of the current record; 0 when there is none.
    int RecNo() const { return rows_.empty() ? 0 : current_ + 1; }
    // Goes to a record by number (1..RecordCount), centring the record
    // windows on it; other numbers do nothing.
    void SetRecNo(int recNo);
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

    TBookmark GetBookmark() const;
    // Goes to a bookmarked record, centring the record windows on it.
    void GotoBookmark(const TBookmark& bookmark);
    bool BookmarkValid(const TBookmark& bookmark) const;
    // -1, 0 or 1 as the first bookmark lies before, at or after the second.
    int CompareBookmarks(const TBookmark& a, const TBookmark& b) const;

    // Suspends notifications to the links; nested. The last resume sends one
    // contents-changed.
    void DisableControls() { ++disableCount_; }
    void EnableControls();
    bool ControlsDisabled() const { return disableCount_ > 0; }

    // The event slots, each readable and writable.
    const TDataSetNotifyEvent& AfterOpen() const { return afterOpen_; }
    void SetAfterOpen(TDataSetNotifyEvent handler) { afterOpen_ = std::move(handler); }
    const TDataSetNotifyEvent& AfterClose() const { return afterClose_; }
    void SetAfterClose(TDataSetNotifyEvent handler) { afterClose_ = std::move(handler); }
    const TDataSetNotifyEvent& AfterScroll() const { return afterScroll_; }
    void SetAfterScroll(TDataSetNotifyEvent handler) { afterScroll_ = std::move(handler); }
    const TDataSetNotifyEvent& AfterEdit() const { return afterEdit_; }
    void SetAfterEdit(TDataSetNotifyEvent handler) { afterEdit_ = std::move(handler); }
    const TDataSetNotifyEvent& AfterInsert() const { return afterInsert_; }
    void SetAfterInsert(TDataSetNotifyEvent handler) { afterInsert_ = std::move(handler); }
    const TDataSetNotifyEvent& AfterPost() const { return afterPost_; }
    void SetAfterPost(TDataSetNotifyEvent handler) { afterPost_ = std::move(handler); }
    const TDataSetNotifyEvent& BeforeDelete() const { return beforeDelete_; }
    void SetBeforeDelete(TDataSetNotifyEvent handler) { beforeDelete_ = std::move(handler); }
    const TDataSetNotifyEvent& AfterCancel() const { return afterCancel_; }
    void SetAfterCancel(TDataSetNotifyEvent handler) { afterCancel_ = std::move(handler); }

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
    void DataEvent(TDataEvent event, DbField* field = nullptr);

    void AttachDataSource(TDataSource* source);
    void DetachDataSource(TDataSource* source);

private:
    enum class Window { ScrollByLeast, Centre };
    void MoveTo(int record, Window window);
    void Fire(const TDataSetNotifyEvent& handler);
    void ForEachLink(const std::function<void(class TDataLink&)>& action);

    DbConnection* connection_ = nullptr;
    QStringList sql_;
    bool active_ = false;
    qint64 opening_ = 0;
    std::vector<std::unique_ptr<DbField>> fields_;
    std::vector<QList<QVariant>> rows_;
    int current_ = 0;
    int reading_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    int disableCount_ = 0;
    bool filtered_ = false;
    QString filter_;
    std::vector<TDataSource*> dataSources_;
    TDataSetNotifyEvent afterOpen_, afterClose_, afterScroll_, afterEdit_, afterInsert_, afterPost_,
        beforeDelete_, afterCancel_;
};
