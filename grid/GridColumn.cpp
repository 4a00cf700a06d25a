// The column: field binding, what follows the field or the grid, cell text.
#include "GridColumns.h"

#include "db/Query.h"

GridColumn::GridColumn(GridColumns& collection) : collection_(collection), title_(*this), footer_(*this) {}

ColumnsOwner* GridColumn::grid() const
{
    return collection_.grid();
}

int GridColumn::index() const
{
    return collection_.indexOf(this);
}

void GridColumn::changed(bool allColumns)
{
    collection_.update(allColumns ? nullptr : this);
}

// --- the field ---------------------------------------------------------------

void GridColumn::attachField(Field* field)
{
    if (field == field_)
        return;
    field_ = field;
    if (field)
        fieldName_ = field->fieldName();
}

void GridColumn::bindFieldByName()
{
    ColumnsOwner* owner = grid();
    Query* dataSet = owner ? owner->dataSet() : nullptr;
    const bool open = dataSet && dataSet->active() && !fieldName_.isEmpty();
    attachField(open ? dataSet->findField(fieldName_) : nullptr);
}

void GridColumn::bindField(Field* field)
{
    if (field == field_)
        return;
    attachField(field);
    changed();
}

void GridColumn::setFieldName(const QString& fieldName)
{
    Field* found = nullptr;
    ColumnsOwner* owner = grid();
    if (owner && !owner->loading() && owner->dataSet() && !fieldName.isEmpty())
        found = owner->dataSet()->findField(fieldName);
    fieldName_ = fieldName;
    // The field of the new name, or none: the old one goes either way.
    bindField(found);
    changed();
}

// --- what follows the field or the grid -----------------------------------------

TextAlignment GridColumn::alignment() const
{
    if (alignment_)
        return *alignment_;
    Field* field = boundField();
    return field ? field->alignment() : TextAlignment::Left;
}

void GridColumn::setAlignment(TextAlignment alignment)
{
    if (alignment_ == alignment)
        return;
    alignment_ = alignment;
    changed();
}

const GridAppearance& GridColumn::look() const
{
    static const GridAppearance kDefaultLook;
    return grid() ? grid()->appearance() : kDefaultLook;
}

Colour GridColumn::color() const
{
    return look().color;
}

GridFont GridColumn::font() const
{
    return font_.value_or(look().font);
}

void GridColumn::setFont(const GridFont& font)
{
    font_ = font;
    changed();
}

bool GridColumn::readOnly() const
{
    return grid() && grid()->readOnly();
}

void GridColumn::setWidth(int width)
{
    if (width != -1)
        width_ = width;
    changed();
}

// --- cell contents -------------------------------------------------------------

QString GridColumn::cellText(int record) const
{
    Field* field = boundField();
    return field ? field->displayText(record) : QString();
}

CellParams GridColumn::defaultCellParams(int record) const
{
    CellParams params;
    params.font = font();
    params.background = color();
    params.alignment = alignment();
    params.text = cellText(record);
    return params;
}
