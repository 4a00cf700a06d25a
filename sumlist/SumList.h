#pragma once

#include "db/Query.h"

#include <QPointer>
#include <functional>

// The footer's value: the count of the result's rows, taken when the result
// opens (the row count; nothing is read or moved) and 0 while it is closed
// or the list is not active. With a counted field it is the count of the
// rows whose value there is not null, read once per recount.
class SumList {
public:
    const Query* dataSet() const { return dataSet_.data(); }
    // The owner recounts when it is ready to show the value.
    void setDataSet(const Query* dataSet) { dataSet_ = dataSet; }

    bool active() const { return active_; }
    const QString& countedField() const { return countedField_; }
    void setCountedField(const QString& fieldName) { countedField_ = fieldName; }
    void setActive(bool active);
    int count() const { return count_; }
    // Told after every recount.
    std::function<void()> changed;
    // Whether the owner is reading its configuration: work waits until it is done.
    std::function<bool()> ownerLoading;

    // The count of the open result's rows, or 0 without one.
    void recalculateAll();

private:
    // Forgets a result set that goes.
    QPointer<const Query> dataSet_;
    bool active_ = false;
    QString countedField_;
    int count_ = 0;
};
