#pragma once

#include "ColumnTitleFooter.h"

#include "db/Field.h"

#include <QStringList>

class GridColumns;

enum class ColumnKind { Plain, PickList, Lookup, KeyPickList, Image, CheckBox, Graphic };

// What the painter and the find dialog need of a cell.
struct CellParams {
    int Col = -1;
    int Row = -1;
    GridFont Font;
    Colour Background;
    TextAlignment Alignment = TextAlignment::Left;
    int ImageIndex = -1;
    QString Text;
    bool ReadOnly = false;
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

    GridColumns& Collection() const { return collection_; }
    ColumnsOwner* Grid() const;
    int Index() const;
    void SetIndex(int index);
    bool IsDefaultColumn() const { return !stored_; }
    PropertySet AssignedValues() const { return assigned_; }
    bool IsAssigned(Property value) const { return assigned_.Has(value); }

    const QString& FieldName() const { return fieldName_; }
    // Binds the column to the open result set's field of that name, if any.
    void SetFieldName(const QString& fieldName);
    // The bound field, or null.
    Field* BoundField() const { return field_; }
    // Binds a field (or none) and tells the grid; a default column follows it wholly.
    void BindField(Field* field);
    // Binds the open result set's field of the column's name, or none,
    // without telling the grid: the layout pass and the result set's opening
    // and closing do this for every persistent column.
    void BindFieldByName();

    TextAlignment Alignment() const;
    void SetAlignment(TextAlignment alignment);
    Colour Color() const;
    void SetColor(const Colour& colour);
    GridFont Font() const;
    void SetFont(const GridFont& font);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    int Width() const;
    void SetWidth(int width);
    // The width the column takes while Width is not assigned.
    int DefaultWidth() const;
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int width);
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int width);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool WordWrap() const;
    void SetWordWrap(bool wordWrap);
    bool Checkboxes() const;
    void SetCheckboxes(bool on);
    bool EndEllipsis() const;
    void SetEndEllipsis(bool endEllipsis);
    TextLayout Layout() const;
    void SetLayout(TextLayout layout);

    QString DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const QString& format);
    QStringList KeyList;
    QStringList PickList;
    int NotInKeyListIndex = -1;
    bool HideDuplicates = false;

    ColumnTitle& Title() { return title_; }
    const ColumnTitle& Title() const { return title_; }
    ColumnFooter& Footer() { return footer_; }
    const ColumnFooter& Footer() const { return footer_; }
    ColumnFooters& Footers() { return *footers_; }
    // The footer shown in footer row i.
    ColumnFooter& FooterForRow(int row);
    void RelinkFooters();

    ColumnKind Kind() const;
    // The bound field's text for a record (by default the current one), after
    // the key and pick lists and the display format.
    QString CellText(int record = Field::kCurrentRecord) const;
    // The parameters of a record's cell.
    CellParams DefaultCellParams(int record) const;

    void ClearAssignedValues();
    // The column changed: this one, or every column when a shared look changed.
    void Changed(bool allColumns = false);

private:
    friend class ColumnTitle;
    // Takes a field without telling the grid.
    void AttachField(Field* field);

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
    int Count() const { return int(items_.size()); }
    GridColumn& Item(int index) const { return *items_.at(size_t(index)); }
    void Clear() { items_.clear(); }
    void Add(GridColumn& column) { items_.push_back(&column); }
    void Remove(const GridColumn& column) { std::erase(items_, &column); }
    int IndexOf(const GridColumn& column) const;

private:
    std::vector<GridColumn*> items_;
};
