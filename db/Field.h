#pragma once

#include "DataSetTypes.h"

#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

class Field;
class Query;

// Something that keeps a field and must let go of it when the field goes.
class FieldWatcher {
public:
    virtual ~FieldWatcher() = default;
    virtual void fieldDestroyed(Field* field) = 0;
};

// One result column of an open query. Its values are read by record index;
// without one, for the query's current record.
class Field {
public:
    Field(Query& query, QString fieldName, FieldType dataType, int size);
    ~Field();
    Field(const Field&) = delete;
    Field& operator=(const Field&) = delete;

    Query& dataSet() const { return query_; }
    const QString& fieldName() const { return fieldName_; }
    FieldType dataType() const { return dataType_; }
    int size() const { return size_; }
    bool isNumeric() const;

    // Position among the query's fields.
    int index() const;
    // The column within the fetched rows, whatever the field's position.
    int valueColumn() const { return valueColumn_; }
    void setValueColumn(int column) { valueColumn_ = column; }

    // Numbers right, text left.
    TextAlignment alignment() const { return isNumeric() ? TextAlignment::Right : TextAlignment::Left; }

    static constexpr int kCurrentRecord = -1;
    bool isNull(int record = kCurrentRecord) const;
    QVariant value(int record = kCurrentRecord) const;
    // The value as shown: numbers in plain decimal form, empty for null.
    QString displayText(int record = kCurrentRecord) const;
    QString asString(int record = kCurrentRecord) const;
    qint64 asInteger(int record = kCurrentRecord) const;

    void addWatcher(FieldWatcher* watcher);
    void removeWatcher(FieldWatcher* watcher);

private:
    Query& query_;
    QString fieldName_;
    FieldType dataType_;
    int size_;
    int valueColumn_ = 0;
    std::vector<FieldWatcher*> watchers_;
};
