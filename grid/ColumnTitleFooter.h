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

    TextAlignment alignment() const;
    void setAlignment(TextAlignment alignment);
    // Set, else the bound field's display name, else the column's FieldName.
    QString caption() const;
    void setCaption(const QString& caption);
    Colour color() const;
    void setColor(const Colour& colour);
    GridFont font() const;
    void setFont(const GridFont& font);
    bool endEllipsis() const;
    void setEndEllipsis(bool on);
    bool titleButton() const;
    void setTitleButton(bool on);
    TextOrientation orientation() const;
    void setOrientation(TextOrientation orientation);

    QString hint;
    int imageIndex() const { return imageIndex_; }
    void setImageIndex(int index);
    int sortIndex() const { return sortIndex_; }
    void setSortIndex(int index) { sortIndex_ = qMax(0, index); }
    SortMark sortMarker = SortMark::None;

    void clearAssignedValues();

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

    TextAlignment alignment() const;
    void setAlignment(TextAlignment alignment);
    Colour color() const;
    void setColor(const Colour& colour);
    GridFont font() const;
    void setFont(const GridFont& font);
    BitSet<Property> assignedValues() const { return assigned_; }

    const QString& fieldName() const { return fieldName_; }
    void setFieldName(const QString& fieldName);
    FooterValueType valueType() const { return valueType_; }
    void setValueType(FooterValueType type);
    QString displayFormat;
    bool endEllipsis = false;
    QString value;
    bool wordWrap = false;

    // The sum-list item this footer owns, or null.
    SumItem* sum() const { return sum_; }
    // The text the footer shows: by its value type, from the sum list's
    // values and the result set.
    QString text() const;
    // Keeps the sum-list item in step with the value type and field.
    void relink();
    void clearAssignedValues();

private:
    void freeSum();

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
    int count() const { return int(items_.size()); }
    ColumnFooter& item(int index) { return *items_.at(size_t(index)); }
    ColumnFooter& add();
    void clear();

private:
    GridColumn& column_;
    std::vector<std::unique_ptr<ColumnFooter>> items_;
};
