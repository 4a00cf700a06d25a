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

    Query* dataSet() const { return dataSet_; }
    // Attaches to another result set; every link is told the new open state.
    void setDataSet(Query* dataSet);

    void addLink(DataLink* link);
    void removeLink(DataLink* link);
    const std::vector<DataLink*>& links() const { return links_; }

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

    ::DataSource* dataSource() const { return dataSource_; }
    void setDataSource(::DataSource* source);
    Query* dataSet() const { return dataSource_ ? dataSource_->dataSet() : nullptr; }
    bool active() const;

    // The number of records the window may hold (at least 1).
    int bufferCount() const { return bufferCount_; }
    void setBufferCount(int count);
    // The records the window holds: the window size, or fewer when the
    // result set has fewer records; 0 when it is closed.
    int recordCount() const;
    // 0-based record index of the window's first record.
    int firstRecord() const { return first_; }
    // The current record's slot in the window.
    int activeRecord() const;
    // The record index a window slot shows, or -1 for a slot the window does not hold.
    int recordAt(int slot) const { return slot >= 0 && slot < recordCount() ? first_ + slot : -1; }

    // Notifications, each delivered unless the result set suspended them.
    virtual void activeChanged() {}
    virtual void dataSetChanged() {}
    virtual void dataSetScrolled(int distance) { (void)distance; }

private:
    friend class Query;
    friend class DataSource;
    // The result set opened, or its current record moved (the window scrolls
    // by the least that shows it); returns how far the window moved.
    void windowOpened() { first_ = 0; }
    int windowFollow(int record);
    void deliver(DataEvent event, int distance);

    ::DataSource* dataSource_ = nullptr;
    int bufferCount_ = 1;
    int first_ = 0;
};
