#pragma once

#include "db/DataSetTypes.h"
#include "db/Query.h"

#include <QPointer>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

// Footer values in fixed point: signed 64-bit counts of ten-thousandths.
using FixedPoint = qint64;
constexpr FixedPoint kFixedOne = 10000;
// A value in ten-thousandths: the exact value, not its rounded product,
// rounded to the nearest, ties to even. A value the type cannot hold raises
// an error that says so.
FixedPoint ToFixedPoint(double value);
inline double FromFixedPoint(FixedPoint value) { return double(value) / kFixedOne; }

class SumList;

// One aggregate: a sum, an average or a count over the data set's records.
class SumItem {
public:
    enum class Operation { Sum, Avg, Count };

    explicit SumItem(SumList& owner) : owner_(owner) {}

    const QString& FieldName() const { return fieldName_; }
    void SetFieldName(const QString& name);
    Operation GroupOperation() const { return operation_; }
    void SetGroupOperation(Operation operation);
    // Counts of every record take no field; the others need one.
    bool Counts() const { return operation_ == Operation::Count || !fieldName_.isEmpty(); }

    FixedPoint Result = 0;
    FixedPoint EditedShare = 0;
    int NonNullCount = 0;
    FixedPoint AverageTotal = 0;
    QVariant EditedOldValue;

    // An average's result: the total over the records with a value, 0 without any.
    void UpdateAverage()
    {
        Result = NonNullCount ? ToFixedPoint(FromFixedPoint(AverageTotal) / NonNullCount) : 0;
    }

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

// Keeps the footer values current as the data set changes: it takes over the
// data set's event slots while active, recounts on open and on a filter
// change, and answers record-number questions.
class SumList {
public:
    using Handler = std::function<void(SumList& sumList)>;

    SumList();
    ~SumList();
    SumList(const SumList&) = delete;
    SumList& operator=(const SumList&) = delete;

    SumItems& SumCollection() { return sums_; }
    Query* DataSet() const { return dataSet_.data(); }
    void SetDataSet(Query* dataSet);

    bool Active() const { return active_; }
    void SetActive(bool active);
    bool ExternalRecalc() const { return externalRecalc_; }
    void SetExternalRecalc(bool on);
    bool VirtualRecords() const { return virtualRecords_; }
    void SetVirtualRecords(bool on);
    Handler OnRecalcAll;
    Handler OnAfterRecalcAll;
    Handler SumListChanged;
    // Whether the owner is reading its configuration: work waits until Loaded.
    std::function<bool()> OwnerLoading;

    void ActivateSums(bool recalculate);
    void DeactivateSums(bool clearValues);
    void Loaded();
    bool Hooked() const { return hooked_; }
    bool Recalculating() const { return recalculating_; }

    void RecalculateAll();
    void ClearValues();
    void HookDataSetEvents();
    void UnhookDataSetEvents();

    bool HasRecordNumbers() const;
    int CountRecords() const;
    int GetRecordNumber();
    void SetRecordNumber(int number);
    int FindVirtualRecord(const Bookmark& bookmark);

protected:
    void HandleAfterOpen(Query& dataSet);
    void HandleAfterClose(Query& dataSet);
    void HandleAfterScroll(Query& dataSet);
    void HandleAfterEdit(Query& dataSet);
    void HandleAfterInsert(Query& dataSet);
    void HandleAfterPost(Query& dataSet);
    void HandleBeforeDelete(Query& dataSet);
    void HandleAfterCancel(Query& dataSet);
    void HandleMasterAfterScroll(Query& dataSet);

private:
    bool Loading() const { return OwnerLoading && OwnerLoading(); }
    bool VirtualMode() const;
    void Notify(const Handler& handler) { if (handler) handler(*this); }

    SumItems sums_;
    // Both forget a data set that goes.
    QPointer<Query> dataSet_;
    QPointer<Query> master_;
    bool active_ = false;
    bool externalRecalc_ = false;
    bool virtualRecords_ = false;
    bool hooked_ = false;
    bool recalculating_ = false;
    bool rememberedFiltered_ = false;
    QString rememberedFilter_;
    std::vector<Bookmark> virtualList_;
    int searchHint_ = -1;
    bool insertPending_ = false;

    struct SavedSlots {
        DataSetHandler afterOpen, afterClose, afterScroll, afterEdit, afterInsert, afterPost, beforeDelete,
            afterCancel, masterAfterScroll;
    } saved_;
};
