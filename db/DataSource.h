#pragma once

#include "Query.h"

#include <QObject>
#include <vector>

class TDataLink;

// Links a result set to any number of data links.
class TDataSource : public QObject {
    Q_OBJECT

public:
    explicit TDataSource(QObject* parent = nullptr) : QObject(parent) {}
    ~TDataSource() override;

    DbQuery* DataSet() const { return dataSet_; }
    // Attaches to another result set; every link is told the new open state.
    void SetDataSet(DbQuery* dataSet);

    void AddLink(TDataLink* link);
    void RemoveLink(TDataLink* link);
    const std::vector<TDataLink*>& Links() const { return links_; }

private:
    DbQuery* dataSet_ = nullptr;
    std::vector<TDataLink*> links_;
};

// A control's view of a result set: a record window of consecutive records
// that always holds the current one, and the notifications of the result set.
// Several links on one result set each keep their own window.
class TDataLink {
public:
    virtual ~TDataLink();

    TDataSource* DataSource() const { return dataSource_; }
    void SetDataSource(TDataSource* source);
    DbQuery* DataSet() const { return dataSource_ ? dataSource_->DataSet() : nullptr; }
    bool Active() const;

    // The number of records the window may hold (at least 1).
    int BufferCount() const { return bufferCount_; }
    void SetBufferCount(int count);
    // The records the window holds: the window size, or fewer when the
    // result set has fewer records; 0 when it is closed.
    int RecordCount() const;
    // 0-based record index of the window's first record.
    int FirstRecord() const { return first_; }
    // The current record's slot in the window, or the slot selected for reading.
    int ActiveRecord() const;
    // Selects a window slot for reading field values; the current record stays.
    void SetActiveRecord(int slot);

    // Notifications, each delivered unless the result set suspended them.
    virtual void ActiveChanged() {}
    virtual void DataSetChanged() {}
    virtual void DataSetScrolled(int distance) { (void)distance; }
    virtual void RecordChanged(DbField* field) { (void)field; }
    virtual void LayoutChanged() {}
    virtual void EditingChanged() {}
    virtual void FocusControl(DbField* field) { (void)field; }
    virtual void UpdateData() {}
    virtual void Reset() {}

private:
    friend class DbQuery;
    friend class TDataSource;
    // The result set opened, or its current record moved.
    void WindowOpened();
    int WindowFollow(int record, bool centre);
    void Deliver(TDataEvent event, DbField* field, int distance);

    TDataSource* dataSource_ = nullptr;
    int bufferCount_ = 1;
    int first_ = 0;
    int readingSlot_ = -1;
};
