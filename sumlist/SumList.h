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
FixedPoint ToFixedPoint(double value);
inline double FromFixedPoint(FixedPoint value) { return double(value) / kFixedOne; }

class SumList;

// One aggregate: a sum, an average or a count over the result's rows.
class SumItem {
public:
    enum class Operation { Sum, Avg, Count };

    explicit SumItem(SumList& owner) : owner_(owner) {}

    const QString& FieldName() const { return fieldName_; }
    void SetFieldName(const QString& name);
    Operation GroupOperation() const { return operation_; }
    void SetGroupOperation(Operation operation);
    // Counts of every row take no field; the others need one.
    bool Counts() const { return operation_ == Operation::Count || !fieldName_.isEmpty(); }

    FixedPoint Result = 0;

private:
    SumList& owner_;
    QString fieldName_;
    Operation operation_ = Operation::Sum;
};

// The items of a sum list, in order.
class SumItems {
public:
    explicit SumItems(SumList& owner) : owner_(owner) {}
    int Count() const { return int(items_.size()); }
    SumItem& Item(int index) const { return *items_.at(size_t(index)); }
    SumItem& Add();
    void Remove(SumItem* item);
    // The first item of that operation whose field name matches without regard to case.
    SumItem* FindSum(SumItem::Operation operation, const QString& fieldName) const;
    // Changes inside the bracket cost one recalculation, at its end.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    void Changed();

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

    SumItems& SumCollection() { return sums_; }
    const Query* DataSet() const { return dataSet_.data(); }
    // The owner recalculates when it is ready to show the values.
    void SetDataSet(const Query* dataSet);

    bool Active() const { return active_; }
    void SetActive(bool active);
    // Told after every recalculation and clearing.
    std::function<void()> Changed;
    // Whether the owner is reading its configuration: work waits until it is done.
    std::function<bool()> OwnerLoading;

    // The values from the rows of the open result, or cleared without one.
    void RecalculateAll();

private:
    bool Loading() const { return OwnerLoading && OwnerLoading(); }

    SumItems sums_;
    // Forgets a result set that goes.
    QPointer<const Query> dataSet_;
    bool active_ = false;
};
