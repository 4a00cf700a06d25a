#pragma once

#include "ColumnTitleFooter.h"

#include "db/Field.h"

#include <QStringList>

class GridColumns;

enum class ColumnKind { Plain, PickList, Lookup, KeyPickList, Image, CheckBox, Graphic };

// What the painter and the find dialog need of a cell.
struct CellParams {
    int col = -1;
    int row = -1;
    GridFont font;
    Colour background;
    TextAlignment alignment = TextAlignment::Left;
    int imageIndex = -1;
    QString text;
    bool readOnly = false;
};

// A grid column: the field it shows and how. A property that follows a
// default is read as its set value when assigned, else as the default worked
// out from the bound field, the grid or the grid's column defaults.
class GridColumn {
public:
    // The properties that follow a default until they are set, as bits of
    // the column's assigned set (the title's live in the column's set too).
    enum class Property : unsigned {
        Color = 1u << 0,
        Width = 1u << 1,
        Font = 1u << 2,
        Alignment = 1u << 3,
        ReadOnly = 1u << 4,
        TitleColor = 1u << 5,
        TitleCaption = 1u << 6,
        TitleAlignment = 1u << 7,
        TitleFont = 1u << 8,
        TitleButton = 1u << 9,
        TitleEndEllipsis = 1u << 10,
        TitleOrientation = 1u << 12,
        WordWrap = 1u << 15,
        Checkboxes = 1u << 17,
        EndEllipsis = 1u << 19,
        Layout = 1u << 25,
    };
    using PropertySet = BitSet<Property>;

    GridColumn(GridColumns& collection, bool stored);
    ~GridColumn();
    GridColumn(const GridColumn&) = delete;
    GridColumn& operator=(const GridColumn&) = delete;

    GridColumns& collection() const { return collection_; }
    ColumnsOwner* grid() const;
    int index() const;
    void setIndex(int index);
    bool isDefaultColumn() const { return !stored_; }
    PropertySet assignedValues() const { return assigned_; }
    bool isAssigned(Property value) const { return assigned_.has(value); }

    const QString& fieldName() const { return fieldName_; }
    // Binds the column to the open result set's field of that name, if any.
    void setFieldName(const QString& fieldName);
    // The bound field, or null.
    Field* boundField() const { return field_; }
    // Binds a field (or none) and tells the grid; a default column follows it wholly.
    void bindField(Field* field);
    // Binds the open result set's field of the column's name, or none,
    // without telling the grid: the layout pass and the result set's opening
    // and closing do this for every persistent column.
    void bindFieldByName();

    TextAlignment alignment() const;
    void setAlignment(TextAlignment alignment);
    Colour color() const;
    void setColor(const Colour& colour);
    GridFont font() const;
    void setFont(const GridFont& font);
    bool readOnly() const;
    void setReadOnly(bool readOnly);
    int width() const;
    void setWidth(int width);
    // The width the column takes while Width is not assigned.
    int defaultWidth() const;
    int minWidth() const { return minWidth_; }
    void setMinWidth(int width);
    int maxWidth() const { return maxWidth_; }
    void setMaxWidth(int width);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool wordWrap() const;
    void setWordWrap(bool wordWrap);
    bool checkboxes() const;
    void setCheckboxes(bool on);
    bool endEllipsis() const;
    void setEndEllipsis(bool endEllipsis);
    TextLayout layout() const;
    void setLayout(TextLayout layout);

    QString displayFormat() const { return displayFormat_; }
    void setDisplayFormat(const QString& format);
    QStringList keyList;
    QStringList pickList;
    int notInKeyListIndex = -1;
    bool hideDuplicates = false;

    ColumnTitle& title() { return title_; }
    const ColumnTitle& title() const { return title_; }
    ColumnFooter& footer() { return footer_; }
    const ColumnFooter& footer() const { return footer_; }
    ColumnFooters& footers() { return *footers_; }
    // The footer shown in footer row i.
    ColumnFooter& footerForRow(int row);
    void relinkFooters();

    ColumnKind kind() const;
    // The bound field's text for a record (by default the current one), after
    // the key and pick lists and the display format.
    QString cellText(int record = Field::kCurrentRecord) const;
    // The parameters of a record's cell.
    CellParams defaultCellParams(int record) const;

    void clearAssignedValues();
    // The column changed: this one, or every column when a shared look changed.
    void changed(bool allColumns = false);

private:
    friend class ColumnTitle;
    // Takes a field without telling the grid.
    void attachField(Field* field);

    GridColumns& collection_;
    bool stored_;
    PropertySet assigned_;
    QString fieldName_;
    Field* field_ = nullptr;
    TextAlignment alignment_ = TextAlignment::Left;
    Colour colour_;
    GridFont font_;
    bool readOnly_ = false;
    int width_ = 64;  // the cell grid's default column width
    int minWidth_ = 0;
    int maxWidth_ = 0;
    bool visible_ = true;
    bool wordWrap_ = false;
    bool checkboxes_ = false;
    bool endEllipsis_ = false;
    TextLayout layout_ = TextLayout::Top;
    QString displayFormat_;
    ColumnTitle title_;
    ColumnFooter footer_;
    std::unique_ptr<ColumnFooters> footers_;
};

// A list of columns that owns none of them (the visible and sort columns).
class ColumnList {
public:
    int count() const { return int(items_.size()); }
    GridColumn& item(int index) const { return *items_.at(size_t(index)); }
    void clear() { items_.clear(); }
    void add(GridColumn& column) { items_.push_back(&column); }
    void remove(const GridColumn& column) { std::erase(items_, &column); }
    int indexOf(const GridColumn& column) const;

private:
    std::vector<GridColumn*> items_;
};
