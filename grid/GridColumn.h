#pragma once

#include "ColumnsOwner.h"

#include "db/DataSetTypes.h"
#include "db/Field.h"
#include "platform/BitSet.h"

#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class ColumnFooters;
class Field;
class GridColumns;
class SumItem;

enum class TextLayout { Top, Center, Bottom };
enum class FooterValueType { None, Sum, Avg, Count, FieldValue, StaticText };
enum class SortMark { None, Down, Up };
enum class TextOrientation { Horizontal, Vertical };
enum class ColumnKind { Plain, PickList, Lookup, KeyPickList, Image, CheckBox, Graphic };

// The setter rule of a value that follows a default: nothing when it is set
// already to the same value; otherwise store it and mark it set. True when
// it was stored, so that the caller sends its notification.
template <typename T, typename Flag>
bool StoreAssigned(T& stored, const T& value, BitSet<Flag>& assigned, Flag flag)
{
    if (assigned.Has(flag) && stored == value)
        return false;
    stored = value;
    assigned.Set(flag, true);
    return true;
}

// A grid-wide default that columns follow: it reads as its value, and a
// change tells the grid, which repaints, or lays out again where the value
// shapes the layout.
template <typename T>
class GridDefault {
public:
    enum class Change { Repaints, LaysOut };
    GridDefault(ColumnsOwner* grid, T value, Change change = Change::Repaints)
        : grid_(grid), value_(value), change_(change)
    {
    }
    operator T() const { return value_; }
    GridDefault& operator=(T value)
    {
        if (value == value_)
            return *this;
        value_ = value;
        if (grid_)
            change_ == Change::LaysOut ? grid_->RequestLayout() : grid_->Repaint();
        return *this;
    }

private:
    ColumnsOwner* grid_;
    T value_;
    Change change_;
};

// Grid-wide defaults of titles and footers, and of columns.
class TitleDefaults {
public:
    explicit TitleDefaults(ColumnsOwner* grid)
        : EndEllipsis(grid, false), Orientation(grid, TextOrientation::Horizontal, GridDefault<TextOrientation>::Change::LaysOut),
          TitleButton(grid, false), grid_(grid)
    {
    }
    TextAlignment Alignment() const;
    void SetAlignment(TextAlignment alignment);
    Colour Color() const;
    void SetColor(const Colour& colour);
    GridDefault<bool> EndEllipsis;
    GridDefault<TextOrientation> Orientation;
    GridDefault<bool> TitleButton;

private:
    ColumnsOwner* grid_;
    std::optional<TextAlignment> alignment_;
    std::optional<Colour> colour_;  // unset: follows the grid
};

class ColumnDefaults {
public:
    explicit ColumnDefaults(ColumnsOwner* grid)
        : EndEllipsis(grid, false), Layout(grid, TextLayout::Top), Title(grid)
    {
    }
    GridDefault<bool> EndEllipsis;
    GridDefault<TextLayout> Layout;
    TitleDefaults Title;
};

// A column's title.
class ColumnTitle {
public:
    explicit ColumnTitle(GridColumn& column) : column_(column) {}

    TextAlignment Alignment() const;
    void SetAlignment(TextAlignment alignment);
    // Set, else the bound field's display name, else the column's FieldName.
    QString Caption() const;
    void SetCaption(const QString& caption);
    Colour Color() const;
    void SetColor(const Colour& colour);
    GridFont Font() const;
    void SetFont(const GridFont& font);
    bool EndEllipsis() const;
    void SetEndEllipsis(bool on);
    bool TitleButton() const;
    void SetTitleButton(bool on);
    TextOrientation Orientation() const;
    void SetOrientation(TextOrientation orientation);

    QString Hint;
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int SortIndex() const { return sortIndex_; }
    void SetSortIndex(int index) { sortIndex_ = qMax(0, index); }
    SortMark SortMarker = SortMark::None;

    void ClearAssignedValues();

private:
    friend class GridColumn;
    GridColumn& column_;
    TextAlignment alignment_ = TextAlignment::Left;
    QString caption_;
    Colour colour_;
    GridFont font_;
    int sortIndex_ = 0;
    int imageIndex_ = -1;
    bool endEllipsis_ = false;
    bool titleButton_ = false;
    TextOrientation orientation_ = TextOrientation::Horizontal;
};

// A column's footer: static text, a field value or an aggregate of the sum list.
class ColumnFooter {
public:
    // The properties that follow a default until set, as bits of the assigned set.
    enum class Property : unsigned { Alignment = 1, Font = 2, Color = 4 };

    explicit ColumnFooter(GridColumn& column) : column_(column) {}
    ~ColumnFooter();
    ColumnFooter(const ColumnFooter&) = delete;
    ColumnFooter& operator=(const ColumnFooter&) = delete;

    TextAlignment Alignment() const;
    void SetAlignment(TextAlignment alignment);
    Colour Color() const;
    void SetColor(const Colour& colour);
    GridFont Font() const;
    void SetFont(const GridFont& font);
    BitSet<Property> AssignedValues() const { return assigned_; }

    const QString& FieldName() const { return fieldName_; }
    void SetFieldName(const QString& fieldName);
    FooterValueType ValueType() const { return valueType_; }
    void SetValueType(FooterValueType type);
    QString DisplayFormat;
    bool EndEllipsis = false;
    QString Value;
    bool WordWrap = false;

    // The sum-list item this footer owns, or null.
    SumItem* Sum() const { return sum_; }
    // Keeps the sum-list item in step with the value type and field.
    void Relink();
    void ClearAssignedValues();

private:
    void FreeSum();

    GridColumn& column_;
    BitSet<Property> assigned_;
    TextAlignment alignment_ = TextAlignment::Left;
    Colour colour_;
    GridFont font_;
    QString fieldName_;
    FooterValueType valueType_ = FooterValueType::None;
    SumItem* sum_ = nullptr;
};

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

// A column's extra footers, one per further footer row.
class ColumnFooters {
public:
    explicit ColumnFooters(GridColumn& column) : column_(column) {}
    int Count() const { return int(items_.size()); }
    ColumnFooter& Item(int index) { return *items_.at(size_t(index)); }
    ColumnFooter& Add();
    void Clear();

private:
    GridColumn& column_;
    std::vector<std::unique_ptr<ColumnFooter>> items_;
};

// The grid's columns. Persistent columns come from the configuration;
// default columns are made by the layout pass for the result set's fields.
class GridColumns {
public:
    explicit GridColumns(ColumnsOwner* grid) : grid_(grid) {}
    ~GridColumns();

    ColumnsOwner* Grid() const { return grid_; }
    int Count() const { return int(items_.size()); }
    GridColumn& Item(int index) const { return *items_.at(size_t(index)); }
    int IndexOf(const GridColumn* column) const;
    GridColumn& Add();
    GridColumn& AddDefault();
    void Delete(int index);
    void Clear();
    void Move(int from, int to);
    // Persistent when any column was added as a persistent one.
    bool PersistentState() const;
    // Every column binds the open result set's field of its name, or none.
    void BindFieldsByName();

    // Changes inside the bracket reach the grid once, at its end.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }
    // A column changed (null: all); held back while updating.
    void Update(GridColumn* column);

    // The stored column list: written only in persistent state; each column's

private:
    ColumnsOwner* grid_;
    std::vector<std::unique_ptr<GridColumn>> items_;
    int updateCount_ = 0;
    bool pendingUpdate_ = false;
};
