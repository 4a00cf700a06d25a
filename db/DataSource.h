#pragma once

#include "Query.h"

#include <QObject>
#include <vector>

class DataLink;

// Links a result set to any number of data links.
class DataSource : public QObject {
    Q_OBJECT

public:
    explicit DataSource(QObject* parent = nullptr) : QObject(parent) {}
    ~DataSource() override;

    Query* DataSet() const { return dataSet_; }
    // Attaches to another result set; every link is told the new open state.
    void SetDataSet(Query* dataSet);

    void AddLink(DataLink* link);
    void RemoveLink(DataLink* link);
    const std::vector<DataLink*>& Links() const { return links_; }

private:
    Query* dataSet_ = nullptr;
    std::vector<DataLink*> links_;
};

// A control's view of a result set: a record window of consecutive records
// that always holds the current one, and the notifications of the result set.
// Several links on one result set each keep their own window. This is the
// one interface through which the result set reaches its views.
class DataLink {
public:
    virtual ~DataLink();

    ::DataSource* DataSource() const { return dataSource_; }
    void SetDataSource(::DataSource* source);
    Query* DataSet() const { return dataSource_ ? dataSource_->DataSet() : nullptr; }
    bool Active() const;

    // The number of records the window may hold (at least 1).
    int BufferCount() const { return bufferCount_; }
    void SetBufferCount(int count);
    // The records the window holds: the window size, or fewer when the
    // result set has fewer records; 0 when it is closed.
    int RecordCount() const;
    // 0-based record index of the window's first record.
    int FirstRecord() const { return first_; }
    // The current record's slot in the window.
    int ActiveRecord() const;
    // The record index a window slot shows, or -1 for a slot the window does not hold.
    int RecordAt(int slot) const { return slot >= 0 && slot < RecordCount() ? first_ + slot : -1; }

    // Notifications, each delivered unless the result set suspended them.
    virtual void ActiveChanged() {}
    virtual void DataSetChanged() {}
    virtual void DataSetScrolled(int distance) { (void)distance; }
    virtual void LayoutChanged() {}

private:
    friend class Query;
    friend class DataSource;
    // The result set opened, or its current record moved (the window scrolls
    // by the least that shows it); returns how far the window moved.
    void WindowOpened() { first_ = 0; }
    int WindowFollow(int record);
    void Deliver(DataEvent event, int distance);

    ::DataSource* dataSource_ = nullptr;
    int bufferCount_ = 1;
    int first_ = 0;
};
