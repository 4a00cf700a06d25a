#pragma once

#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class Query;

// Footer values in fixed point: signed 64-bit counts of ten-thousandths.
using FixedPoint = qint64;
constexpr FixedPoint kFixedOne = 10000;
// A value in ten-thousandths: the exact value, not its rounded product,
// rounded to the nearest, ties to even. A value the type cannot hold raises
// an error that says so.
FixedPoint toFixedPoint(double value);
inline double fromFixedPoint(FixedPoint value) { return double(value) / kFixedOne; }

class SumList;

// One aggregate: a sum, an average or a count over the result's rows.
class SumItem {
public:
    enum class Operation { Sum, Avg, Count };

    explicit SumItem(SumList& owner) : owner_(owner) {}

    const QString& fieldName() const { return fieldName_; }
    void setFieldName(const QString& name);
    Operation groupOperation() const { return operation_; }
    void setGroupOperation(Operation operation);
    // Counts of every row take no field; the others need one.
    bool counts() const { return operation_ == Operation::Count || !fieldName_.isEmpty(); }

    FixedPoint result = 0;

private:
    SumList& owner_;
    QString fieldName_;
    Operation operation_ = Operation::Sum;
};

// The items of a sum list, in order.
class SumItems {
public:
    explicit SumItems(SumList& owner) : owner_(owner) {}
    int count() const { return int(items_.size()); }
    SumItem& item(int index) const { return *items_.at(size_t(index)); }
    SumItem& add();
    void remove(SumItem* item);
    // The first item of that operation whose field name matches without regard to case.
    SumItem* findSum(SumItem::Operation operation, const QString& fieldName) const;
    // Changes inside the bracket cost one recalculation, at its end.
    void beginUpdate() { ++updateCount_; }
    void endUpdate();
    void changed();

private:
    SumList& owner_;
    std::vector<std::unique_ptr<SumItem>> items_;
    int updateCount_ = 0;
    bool pending_ = false;
};

// The footer values of a result: recalculated when the result opens, by
// reading its rows by index (a count is the row count, a sum one pass over a
// column), and cleared when it closes. Nothing moves while it reads.
class SumList {
public:
    SumList();
    SumList(const SumList&) = delete;
    SumList& operator=(const SumList&) = delete;

    SumItems& sumCollection() { return sums_; }
    const Query* dataSet() const { return dataSet_.data(); }
    // The owner recalculates when it is ready to show the values.
    void setDataSet(const Query* dataSet);

    bool active() const { return active_; }
    void setActive(bool active);
    // Told after every recalculation and clearing.
    std::function<void()> changed;
    // Whether the owner is reading its configuration: work waits until it is done.
    std::function<bool()> ownerLoading;

    // The values from the rows of the open result, or cleared without one.
    void recalculateAll();

private:
    bool loading() const { return ownerLoading && ownerLoading(); }

    SumItems sums_;
    // Forgets a result set that goes.
    QPointer<const Query> dataSet_;
    bool active_ = false;
};
