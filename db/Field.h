#pragma once

#include "DataSetTypes.h"

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <vector>

class DbField;

// Something that keeps a field and must let go of it when the field goes.
class TFieldWatcher {
public:
    virtual ~TFieldWatcher() = default;
    virtual void FieldDestroyed(DbField* field) = 0;
};

// One result column of an open query. Its values are read for the query's
// current record, or for the window record a link has selected for reading.
class DbField {
public:
    DbField(DbQuery& query, QString fieldName, TFieldType dataType, int size);
    ~DbField();
    DbField(const DbField&) = delete;
    DbField& operator=(const DbField&) = delete;

    DbQuery& DataSet() const { return query_; }
    const QString& FieldName() const { return fieldName_; }
    TFieldType DataType() const { return dataType_; }
    TFieldKind FieldKind() const { return fkData; }
    int Size() const { return size_; }
    bool IsNumeric() const;

    // Position among the query's fields; setting it moves the field there.
    int Index() const;
    void SetIndex(int index);
    // The column within the fetched rows, whatever the field's position.
    int ValueColumn() const { return valueColumn_; }
    void SetValueColumn(int column) { valueColumn_ = column; }

    // Empty until set: DisplayName() then answers the field name.
    const QString& DisplayLabel() const { return displayLabel_; }
    void SetDisplayLabel(const QString& label) { displayLabel_ = label; }
    QString DisplayName() const { return displayLabel_.isEmpty() ? fieldName_ : displayLabel_; }
    // Width in characters, by default from the data type and size.
    int DisplayWidth() const;
    void SetDisplayWidth(int width) { displayWidth_ = width; }
    // Numbers right, text left, unless set.
    TAlignment Alignment() const;
    void SetAlignment(TAlignment alignment) { alignment_ = alignment; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

    bool IsNull() const;
    QVariant Value() const;
    // The value as shown: numbers in plain decimal form, empty for null.
    QString DisplayText() const;
    // The value as edited: unformatted.
    QString EditText() const { return AsString(); }
    QString AsString() const;
    double AsFloat() const;
    qint64 AsInteger() const;
    bool AsBoolean() const;
    QDateTime AsDateTime() const;

    void AddWatcher(TFieldWatcher* watcher);
    void RemoveWatcher(TFieldWatcher* watcher);

private:
    DbQuery& query_;
    QString fieldName_;
    TFieldType dataType_;
    int size_;
    int valueColumn_ = 0;
    QString displayLabel_;
    int displayWidth_ = -1;
    int alignment_ = -1;
    bool visible_ = true;
    bool readOnly_ = false;
    std::vector<TFieldWatcher*> watchers_;
};
