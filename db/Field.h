#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>

class DbQuery;

// One result column of an open query; its values are read for the query's
// current record.
class DbField {
public:
    DbField(DbQuery& query, int index, QString fieldName, QMetaType dataType)
        : query_(query), index_(index), fieldName_(std::move(fieldName)), dataType_(dataType) {}

    const QString& FieldName() const { return fieldName_; }
    QMetaType DataType() const { return dataType_; }
    int Index() const { return index_; }

    bool IsNull() const;
    QVariant Value() const;
    // The value as text; empty for null.
    QString AsString() const;
    // The text the grid shows; for this read-only program the same as AsString.
    QString DisplayText() const { return AsString(); }

private:
    DbQuery& query_;
    int index_;
    QString fieldName_;
    QMetaType dataType_;
};
