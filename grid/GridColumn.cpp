// The column: field binding, what follows the field or the grid, cell text.
#include "GridColumns.h"

#include "CellGrid.h"

#include "db/Query.h"
#include "platform/Canvas.h"

using namespace Qt::StringLiterals;

GridColumn::GridColumn(GridColumns& collection, bool stored)
    : collection_(collection), stored_(stored), title_(*this), footer_(*this)
{
}

ColumnsOwner* GridColumn::grid() const
{
    return collection_.grid();
}

int GridColumn::index() const
{
    return collection_.indexOf(this);
}

void GridColumn::setIndex(int index)
{
    const int from = this->index();
    const int to = qBound(0, index, collection_.count() - 1);
    if (from == to)
        return;
    // A default column takes its field along among the result set's fields.
    if (isDefaultColumn() && grid() && grid()->dataSet() && grid()->dataSet()->active()) {
        Field* target = collection_.item(to).boundField();
        if (Field* field = boundField(); field && target)
            field->setIndex(target->index());
    }
    collection_.move(from, to);
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
    field_ = field;
    if (field)
        fieldName_ = field->fieldName();
    if (isDefaultColumn()) {
        if (!field)
            fieldName_.clear();
        clearAssignedValues();
    }
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
    if (isDefaultColumn()) {
        // A default column keeps following its field: the field takes the value.
        if (Field* field = boundField(); field && field->dataSet().active())
            field->setAlignment(alignment);
        changed();
        return;
    }
    if (alignment_ == alignment)
        return;
    alignment_ = alignment;
    changed();
}

Colour GridColumn::color() const
{
    return grid() ? grid()->appearance().color : SystemColour::window();
}

GridFont GridColumn::font() const
{
    if (font_ || !grid())
        return font_.value_or(GridAppearance().font);
    return grid()->appearance().font;
}

void GridColumn::setFont(const GridFont& font)
{
    font_ = font;
    changed();
}

bool GridColumn::readOnly() const
{
    Field* field = boundField();
    return (grid() && grid()->readOnly()) || (field && field->readOnly());
}

int GridColumn::defaultWidth() const
{
    ColumnsOwner* owner = grid();
    Field* field = boundField();
    if (!owner || !field)
        return CellGrid::kDefaultColWidth;
    Canvas& canvas = owner->measuringCanvas();
    canvas.setFont(font().face, QColor());
    const int zero = canvas.textExtent(u"0"_s).width();
    const int overhang = canvas.fontMetrics().overhang;
    return (zero - overhang) * field->displayWidth() + overhang + 4;
}

int GridColumn::width() const
{
    return width_.value_or(defaultWidth());
}

void GridColumn::setWidth(int width)
{
    ColumnsOwner* owner = grid();
    if (isDefaultColumn() && owner) {
        // A default column's width goes back into its field's display width.
        Field* field = boundField();
        if (owner->hasWindow() && field) {
            Canvas& canvas = owner->measuringCanvas();
            canvas.setFont(font().face, QColor());
            const TextMetrics metrics = canvas.fontMetrics();
            const int zero = qMax(1, canvas.textExtent(u"0"_s).width());
            field->setDisplayWidth((width + metrics.aveCharWidth / 2 - metrics.overhang - 3) / zero);
        }
        if (owner->layoutChangeAnnounced() && !width_)
            return;
    }
    if ((width_ || width != defaultWidth()) && width != -1)
        width_ = width;
    changed();
}

void GridColumn::setVisible(bool visible)
{
    if (visible_ == visible)
        return;
    visible_ = visible;
    changed(true);
}

// --- cell contents -------------------------------------------------------------

QString GridColumn::cellText(int record) const
{
    Field* field = boundField();
    return field ? field->formattedText(QString(), record) : QString();
}

CellParams GridColumn::defaultCellParams(int record) const
{
    CellParams params;
    params.font = font();
    params.background = color();
    params.alignment = alignment();
    params.text = cellText(record);
    params.readOnly = readOnly();
    return params;
}

void GridColumn::clearAssignedValues()
{
    const bool fontWasSet = font_.has_value();
    alignment_.reset();
    font_.reset();
    width_.reset();
    changed(fontWasSet);
}
