// The column: defaults that follow, width rules, field binding, cell text.
#include "GridColumns.h"

#include "db/Query.h"
#include "CellGrid.h"

#include "platform/Canvas.h"

using namespace Qt::StringLiterals;

GridColumn::GridColumn(GridColumns& collection, bool stored)
    : collection_(collection), stored_(stored), title_(*this), footer_(*this),
      footers_(std::make_unique<ColumnFooters>(*this))
{
    if (ColumnsOwner* owner = grid())
        font_ = owner->appearance().font;
    title_.font_ = font_;
}

GridColumn::~GridColumn() = default;

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
    relinkFooters();
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
    relinkFooters();
    changed();
}

void GridColumn::setFieldName(const QString& fieldName)
{
    Field* found = nullptr;
    ColumnsOwner* owner = grid();
    if (owner && !owner->loading() && owner->dataSet() && !fieldName.isEmpty())
        found = owner->dataSet()->findField(fieldName);
    fieldName_ = fieldName;
    // The field of the new name, or none: the old one goes either way, and
    // the footers aggregate under the new name.
    bindField(found);
    relinkFooters();
    changed();
}

// --- properties that follow a default ---------------------------------------

TextAlignment GridColumn::alignment() const
{
    if (isAssigned(Property::Alignment))
        return alignment_;
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
    if (storeAssigned(alignment_, alignment, assigned_, Property::Alignment))
        changed();
}

Colour GridColumn::color() const
{
    if (isAssigned(Property::Color))
        return colour_;
    return grid() ? grid()->appearance().color : SystemColour::window();
}

void GridColumn::setColor(const Colour& colour)
{
    if (storeAssigned(colour_, colour, assigned_, Property::Color))
        changed();
}

GridFont GridColumn::font() const
{
    if (isAssigned(Property::Font) || !grid())
        return font_;
    return grid()->appearance().font;
}

void GridColumn::setFont(const GridFont& font)
{
    font_ = font;
    assigned_.set(Property::Font, true);
    changed();
}

bool GridColumn::readOnly() const
{
    if (isAssigned(Property::ReadOnly))
        return readOnly_;
    Field* field = boundField();
    return (grid() && grid()->readOnly()) || (field && field->readOnly());
}

void GridColumn::setReadOnly(bool readOnly)
{
    if (isDefaultColumn()) {
        if (Field* field = boundField(); field && field->dataSet().active())
            field->setReadOnly(readOnly);
        changed();
        return;
    }
    if (storeAssigned(readOnly_, readOnly, assigned_, Property::ReadOnly))
        changed();
}

int GridColumn::defaultWidth() const
{
    ColumnsOwner* owner = grid();
    if (!owner)
        return CellGrid::kDefaultColWidth;
    Field* field = boundField();
    if (!field)
        return CellGrid::kDefaultColWidth;
    Canvas& canvas = owner->measuringCanvas();
    const GridFont shown = font();
    canvas.setFont(shown.face, QColor());
    const int zero = canvas.textExtent(u"0"_s).width();
    const int overhang = canvas.fontMetrics().overhang;
    return (zero - overhang) * field->displayWidth() + overhang + 4;
}

int GridColumn::width() const
{
    return isAssigned(Property::Width) ? width_ : defaultWidth();
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
        if (owner->layoutChangeAnnounced() && !isAssigned(Property::Width))
            return;
    }
    if ((isAssigned(Property::Width) || width != defaultWidth()) && width != -1) {
        width_ = width;
        assigned_.set(Property::Width, true);
        if (maxWidth_ > 0 && width_ > maxWidth_)
            width_ = maxWidth_;
        if (width_ < minWidth_)
            width_ = minWidth_;
    }
    changed();
}

void GridColumn::setMinWidth(int width)
{
    minWidth_ = width;
    if (width > 0 && this->width() < width)
        setWidth(width);
}

void GridColumn::setMaxWidth(int width)
{
    maxWidth_ = width;
    if (width > 0 && this->width() > width)
        setWidth(width);
}

void GridColumn::setVisible(bool visible)
{
    if (visible_ == visible)
        return;
    visible_ = visible;
    changed(true);
}

bool GridColumn::wordWrap() const
{
    if (isAssigned(Property::WordWrap))
        return wordWrap_;
    Field* field = boundField();
    return field && (field->dataType() == FieldType::String || field->dataType() == FieldType::WideString);
}

void GridColumn::setWordWrap(bool wordWrap)
{
    if (isAssigned(Property::WordWrap) || wordWrap != this->wordWrap() || (grid() && grid()->loading())) {
        wordWrap_ = wordWrap;
        assigned_.set(Property::WordWrap, true);
    }
    changed();
}

bool GridColumn::checkboxes() const
{
    if (isAssigned(Property::Checkboxes))
        return checkboxes_;
    Field* field = boundField();
    return field && field->dataType() == FieldType::Boolean;
}

bool GridColumn::endEllipsis() const
{
    if (isAssigned(Property::EndEllipsis))
        return endEllipsis_;
    return grid() && grid()->columnDefValues().endEllipsis;
}

void GridColumn::setEndEllipsis(bool endEllipsis)
{
    if (storeAssigned(endEllipsis_, endEllipsis, assigned_, Property::EndEllipsis))
        changed();
}

void GridColumn::setCheckboxes(bool on)
{
    if (storeAssigned(checkboxes_, on, assigned_, Property::Checkboxes))
        changed();
}

void GridColumn::setLayout(TextLayout layout)
{
    if (storeAssigned(layout_, layout, assigned_, Property::Layout))
        changed();
}

TextLayout GridColumn::layout() const
{
    if (isAssigned(Property::Layout))
        return layout_;
    return grid() ? grid()->columnDefValues().layout : TextLayout::Top;
}

void GridColumn::setDisplayFormat(const QString& format)
{
    if (displayFormat_ == format)
        return;
    displayFormat_ = format;
    changed();
}

// --- footers -------------------------------------------------------------------

ColumnFooter& GridColumn::footerForRow(int row)
{
    return row >= 0 && row < footers_->count() ? footers_->item(row) : footer_;
}

void GridColumn::relinkFooters()
{
    footer_.relink();
    for (int i = 0; i < footers_->count(); ++i)
        footers_->item(i).relink();
}

// --- cell contents -------------------------------------------------------------

ColumnKind GridColumn::kind() const
{
    if (checkboxes())
        return ColumnKind::CheckBox;
    if (!pickList.isEmpty() && keyList.isEmpty())
        return ColumnKind::PickList;
    if (!pickList.isEmpty() && !keyList.isEmpty())
        return ColumnKind::KeyPickList;
    return ColumnKind::Plain;
}

QString GridColumn::cellText(int record) const
{
    Field* field = boundField();
    if (!field || kind() == ColumnKind::Image)
        return QString();
    if (!keyList.isEmpty()) {
        int at = -1;
        for (int k = 0; k < keyList.size(); ++k)
            if (keyList.at(k).compare(field->asString(record), Qt::CaseInsensitive) == 0) {
                at = k;
                break;
            }
        if (at >= 0 && at < pickList.size())
            return pickList.at(at);
        if (notInKeyListIndex >= 0 && notInKeyListIndex < pickList.size())
            return pickList.at(notInKeyListIndex);
        return QString();
    }
    return field->formattedText(displayFormat_, record);
}

CellParams GridColumn::defaultCellParams(int record) const
{
    CellParams params;
    params.font = font();
    params.background = color();
    params.alignment = alignment();
    params.text = cellText(record);
    params.readOnly = readOnly();
    Field* field = boundField();
    if (field) {
        int index = -1;
        if (!keyList.isEmpty())
            index = int(keyList.indexOf(field->asString(record)));
        else if (!pickList.isEmpty())
            index = int(pickList.indexOf(field->asString(record)));
        else if (field->dataType() == FieldType::Integer || field->dataType() == FieldType::Smallint || field->dataType() == FieldType::Largeint)
            index = field->isNull(record) ? -1 : int(field->asInteger(record));
        params.imageIndex = index == -1 ? notInKeyListIndex : index;
    }
    return params;
}

// --- assigned values -------------------------------------------------------------

void GridColumn::clearAssignedValues()
{
    const bool fontWasAssigned = isAssigned(Property::Font);
    title_.clearAssignedValues();
    assigned_ = {};
    if (grid())
        font_ = grid()->appearance().font;
    pickList.clear();
    changed(fontWasAssigned);
    keyList.clear();
}

