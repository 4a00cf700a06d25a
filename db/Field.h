#pragma once

#include "DataSetTypes.h"

#include <QDateTime>
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
    virtual void FieldDestroyed(Field* field) = 0;
};

// One result column of an open query. Its values are read by record index;
// without one, for the query's current record.
class Field {
public:
    Field(Query& query, QString fieldName, FieldType dataType, int size);
    ~Field();
    Field(const Field&) = delete;
    Field& operator=(const Field&) = delete;

    Query& DataSet() const { return query_; }
    const QString& FieldName() const { return fieldName_; }
    FieldType DataType() const { return dataType_; }
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
    TextAlignment Alignment() const;
    void SetAlignment(TextAlignment alignment) { alignment_ = alignment; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

    static constexpr int kCurrentRecord = -1;
    bool IsNull(int record = kCurrentRecord) const;
    QVariant Value(int record = kCurrentRecord) const;
    // The value as shown: numbers in plain decimal form, empty for null.
    QString DisplayText(int record = kCurrentRecord) const;
    // The value by a display pattern: numbers and dates formatted by it, empty
    // for null and for other types; the display text when there is no pattern.
    QString FormattedText(const QString& displayFormat, int record = kCurrentRecord) const;
    QString AsString(int record = kCurrentRecord) const;
    double AsFloat(int record = kCurrentRecord) const;
    qint64 AsInteger(int record = kCurrentRecord) const;

    void AddWatcher(FieldWatcher* watcher);
    void RemoveWatcher(FieldWatcher* watcher);

private:
    Query& query_;
    QString fieldName_;
    FieldType dataType_;
    int size_;
    int valueColumn_ = 0;
    QString displayLabel_;
    int displayWidth_ = -1;
    std::optional<TextAlignment> alignment_;
    bool visible_ = true;
    bool readOnly_ = false;
    std::vector<FieldWatcher*> watchers_;
};
