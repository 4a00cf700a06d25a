#pragma once

#include "ColumnDefaults.h"

#include <QString>
#include <memory>
#include <vector>

class GridColumn;
class SumItem;

enum class FooterValueType { None, Sum, Avg, Count, FieldValue, StaticText };
enum class SortMark { None, Down, Up };

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
    // The text the footer shows: by its value type, from the sum list's
    // values and the result set.
    QString Text() const;
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
