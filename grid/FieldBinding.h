#pragma once

#include "db/Field.h"

#include <vector>

class DataGrid;

// Which field each of the grid's columns shows. The layout pass rebuilds the
// field map by the columns' field names; a name the result set lacks maps to
// nothing. A column lets go of its field when the field goes.
class FieldBinding : private FieldWatcher {
public:
    explicit FieldBinding(DataGrid& grid) : grid_(grid) {}
    ~FieldBinding() override;
    FieldBinding(const FieldBinding&) = delete;
    FieldBinding& operator=(const FieldBinding&) = delete;

    // Maps the fields of the open result set (none when it is closed) and
    // binds the columns to them.
    void rebuild();
    // The field shown by data column i, or null.
    Field* mappedField(int dataColumn) const;
    int count() const { return int(fieldMap_.size()); }

private:
    void clear();
    void define();
    void addMapping(const QString& name);
    void fieldDestroyed(Field* field) override;

    DataGrid& grid_;
    std::vector<int> fieldMap_;  // field index by data column; -1 for none
    std::vector<Field*> watchedFields_;
};
