#pragma once

#include "db/DataSetTypes.h"
#include "db/Query.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

enum TGroupOperation { goSum, goAvg, goCount };

// Footer values in fixed point: signed 64-bit counts of ten-thousandths.
using TFixedPoint = qint64;
constexpr TFixedPoint kFixedOne = 10000;
// A value in ten-thousandths, rounded to the nearest, ties to even.
TFixedPoint ToFixedPoint(double value);
inline double FromFixedPoint(TFixedPoint value) { return double(value) / kFixedOne; }

class TDBSumListProducer;

// One aggregate: a sum, an average or a count over the data set's records.
class TDBSum {
public:
    explicit TDBSum(TDBSumListProducer& owner) : owner_(owner) {}

    const QString& FieldName() const { return fieldName_; }
    void SetFieldName(const QString& name);
    TGroupOperation GroupOperation() const { return operation_; }
    void SetGroupOperation(TGroupOperation operation);
    // Counts of every record take no field; the others need one.
    bool Counts() const { return operation_ == goCount || !fieldName_.isEmpty(); }

    TFixedPoint Result = 0;
    TFixedPoint EditedShare = 0;
    int NonNullCount = 0;
    TFixedPoint AverageTotal = 0;
    QVariant EditedOldValue;

private:
    TDBSumListProducer& owner_;
    QString fieldName_;
    TGroupOperation operation_ = goSum;
};

// The items of a sum list, in order.
class TDBSumCollection {
public:
    explicit TDBSumCollection(TDBSumListProducer& owner) : owner_(owner) {}
    int Count() const { return int(items_.size()); }
    TDBSum& Item(int index) const { return *items_.at(size_t(index)); }
    TDBSum& Add();
    void Remove(TDBSum* item);
    // The first item of that operation whose field name matches without regard to case.
    TDBSum* FindSum(TGroupOperation operation, const QString& fieldName) const;
    // Changes inside the bracket cost one recalculation, at its end.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    void Changed();

private:
    TDBSumListProducer& owner_;
    std::vector<std::unique_ptr<TDBSum>> items_;
    int updateCount_ = 0;
    bool pending_ = false;
};

// Keeps the footer values current as the data set changes: it takes over the
// data set's event slots while active, recounts on open and on a filter
// change, and answers record-number questions.
class TDBSumListProducer {
public:
    using TNotify = std::function<void(TDBSumListProducer& sumList)>;

    TDBSumListProducer();
    virtual ~TDBSumListProducer();
    TDBSumListProducer(const TDBSumListProducer&) = delete;
    TDBSumListProducer& operator=(const TDBSumListProducer&) = delete;

    TDBSumCollection& SumCollection() { return sums_; }
    DbQuery* DataSet() const { return dataSet_; }
    void SetDataSet(DbQuery* dataSet);

    bool Active() const { return active_; }
    void SetActive(bool active);
    bool ExternalRecalc() const { return externalRecalc_; }
    void SetExternalRecalc(bool on);
    bool VirtualRecords() const { return virtualRecords_; }
    void SetVirtualRecords(bool on);
    TNotify OnRecalcAll;
    TNotify OnAfterRecalcAll;
    TNotify SumListChanged;
    // Whether the owner is reading its configuration: work waits until Loaded.
    std::function<bool()> OwnerLoading;

    void ActivateSums(bool recalculate);
    void DeactivateSums(bool clearValues);
    void Loaded();
    bool Hooked() const { return hooked_; }
    bool Recalculating() const { return recalculating_; }

    virtual void RecalculateAll();
    virtual void ClearValues();
    virtual void HookDataSetEvents();
    virtual void UnhookDataSetEvents();

    virtual bool HasRecordNumbers() const;
    virtual int CountRecords() const;
    virtual int GetRecordNumber();
    virtual void SetRecordNumber(int number);
    virtual int FindVirtualRecord(const TBookmark& bookmark);

protected:
    virtual void HandleAfterOpen(DbQuery& dataSet);
    virtual void HandleAfterClose(DbQuery& dataSet);
    virtual void HandleAfterScroll(DbQuery& dataSet);
    virtual void HandleAfterEdit(DbQuery& dataSet);
    virtual void HandleAfterInsert(DbQuery& dataSet);
    virtual void HandleAfterPost(DbQuery& dataSet);
    virtual void HandleBeforeDelete(DbQuery& dataSet);
    virtual void HandleAfterCancel(DbQuery& dataSet);
    void HandleMasterAfterScroll(DbQuery& dataSet);

private:
    bool Loading() const { return OwnerLoading && OwnerLoading(); }
    bool VirtualMode() const;
    void Notify(const TNotify& handler) { if (handler) handler(*this); }

    TDBSumCollection sums_;
    DbQuery* dataSet_ = nullptr;
    DbQuery* master_ = nullptr;
    bool active_ = false;
    bool externalRecalc_ = false;
    bool virtualRecords_ = false;
    bool hooked_ = false;
    bool recalculating_ = false;
    bool rememberedFiltered_ = false;
    QString rememberedFilter_;
    std::vector<TBookmark> virtualList_;
    int searchHint_ = -1;
    bool insertPending_ = false;

    struct SavedSlots {
        TDataSetNotifyEvent afterOpen, afterClose, afterScroll, afterEdit, afterInsert, afterPost, beforeDelete,
            afterCancel, masterAfterScroll;
    } saved_;
};

// The grid's sum list; it differs from the producer only in how it hooks
// while its grid is designed, which this program never does.
class TDBGridEhSumList : public TDBSumListProducer {
public:
    using TDBSumListProducer::TDBSumListProducer;
};
