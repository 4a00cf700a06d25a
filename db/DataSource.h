#pragma once

#include <QObject>
#include <vector>

class DbQuery;
class TDataLink;

// Links a result set to the controls that show it.
class TDataSource : public QObject {
    Q_OBJECT

public:
    explicit TDataSource(QObject* parent = nullptr) : QObject(parent) {}
    ~TDataSource() override;

    DbQuery* DataSet() const { return dataSet_; }
    void SetDataSet(DbQuery* dataSet);

    void AddLink(TDataLink* link);
    void RemoveLink(TDataLink* link);
    // The result set opened or closed: every link is told.
    void NotifyActiveChanged();

private:
    DbQuery* dataSet_ = nullptr;
    std::vector<TDataLink*> links_;
};

// A control's view of a result set through a data source.
class TDataLink {
public:
    virtual ~TDataLink();
    TDataSource* DataSource() const { return dataSource_; }
    void SetDataSource(TDataSource* source);
    DbQuery* DataSet() const { return dataSource_ ? dataSource_->DataSet() : nullptr; }
    bool Active() const;

    // The result set opened or closed.
    virtual void ActiveChanged() {}

private:
    TDataSource* dataSource_ = nullptr;
};
