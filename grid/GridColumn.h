#pragma once

#include "ColumnTitleFooter.h"
#include "ColumnsOwner.h"

#include "db/Field.h"

#include <optional>
#include <vector>

class GridColumns;

// What the painter and the find dialog need of a cell.
struct CellParams {
    GridFont font;
    Colour background;
    TextAlignment alignment = TextAlignment::Left;
    QString text;
};

// A grid column: the field it shows, its title and footer, its width,
// alignment and font. What it does not set follows its field or the grid.
class GridColumn {
public:
    explicit GridColumn(GridColumns& collection);
    GridColumn(const GridColumn&) = delete;
    GridColumn& operator=(const GridColumn&) = delete;

    GridColumns& collection() const { return collection_; }
    ColumnsOwner* grid() const;
    int index() const;

    const QString& fieldName() const { return fieldName_; }
    // Binds the column to the open result set's field of that name, if any.
    void setFieldName(const QString& fieldName);
    // The bound field, or null.
    Field* boundField() const { return field_; }
    // Binds a field (or none) and tells the grid.
    void bindField(Field* field);
    // Binds the open result set's field of the column's name, or none,
    // without telling the grid: the layout pass and the result set's opening
    // and closing do this for every column.
    void bindFieldByName();

    // Set, else the field's.
    TextAlignment alignment() const;
    void setAlignment(TextAlignment alignment);
    // The grid's look, or the default one for a column without a grid.
    const GridAppearance& look() const;
    // The grid's colour.
    Colour color() const;
    // Set, else the grid's.
    GridFont font() const;
    void setFont(const GridFont& font);
    // The grid's read-only state.
    bool readOnly() const;
    // The grid's default column width until set; -1 is ignored.
    int width() const { return width_; }
    void setWidth(int width);

    ColumnTitle& title() { return title_; }
    const ColumnTitle& title() const { return title_; }
    ColumnFooter& footer() { return footer_; }
    const ColumnFooter& footer() const { return footer_; }

    // The bound field's text for a record (by default the current one).
    QString cellText(int record = Field::kCurrentRecord) const;
    // The parameters of a record's cell.
    CellParams defaultCellParams(int record) const;

    // The column changed: this one, or every column when a shared look changed.
    void changed(bool allColumns = false);

private:
    // Takes a field without telling the grid.
    void attachField(Field* field);

    GridColumns& collection_;
    QString fieldName_;
    Field* field_ = nullptr;
    std::optional<TextAlignment> alignment_;
    std::optional<GridFont> font_;
    int width_ = 64;  // the cell grid's default column width
    ColumnTitle title_;
    ColumnFooter footer_;
};
