#pragma once

#include "GridAppearance.h"

#include "db/DataSetTypes.h"

#include <QString>
#include <optional>

class GridColumn;

enum class FooterValueType { None, Count };

// A column's title: its caption and alignment, in the grid's title font and
// fixed colour.
class ColumnTitle {
public:
    explicit ColumnTitle(GridColumn& column) : column_(column) {}

    TextAlignment alignment() const { return alignment_; }
    void setAlignment(TextAlignment alignment);
    // Set, else the column's field name.
    QString caption() const;
    void setCaption(const QString& caption);
    Colour color() const;
    GridFont font() const;

private:
    GridColumn& column_;
    TextAlignment alignment_ = TextAlignment::Left;
    std::optional<QString> caption_;
};

// A column's footer: empty, or the count of the result's rows written by a
// number pattern, in the grid's footer font and colour.
class ColumnFooter {
public:
    explicit ColumnFooter(GridColumn& column) : column_(column) {}

    // Set, else the bound field's alignment.
    TextAlignment alignment() const;
    void setAlignment(TextAlignment alignment);
    Colour color() const;
    GridFont font() const;
    FooterValueType valueType() const { return valueType_; }
    void setValueType(FooterValueType type);
    QString displayFormat;
    // The text the footer shows.
    QString text() const;

private:
    GridColumn& column_;
    std::optional<TextAlignment> alignment_;
    FooterValueType valueType_ = FooterValueType::None;
};
