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
    if (ColumnsOwner* grid = Grid())
        font_ = grid->Appearance().Font;
    title_.font_ = font_;
}

GridColumn::~GridColumn() = default;

ColumnsOwner* GridColumn::Grid() const
{
    return collection_.Grid();
}

int GridColumn::Index() const
{
    return collection_.IndexOf(this);
}

void GridColumn::SetIndex(int index)
{
    const int from = Index();
    const int to = qBound(0, index, collection_.Count() - 1);
    if (from == to)
        return;
    // A default column takes its field along among the result set's fields.
    if (IsDefaultColumn() && Grid() && Grid()->DataSet() && Grid()->DataSet()->Active()) {
        Field* target = collection_.Item(to).BoundField();
        if (Field* field = BoundField(); field && target)
            field->SetIndex(target->Index());
    }
    collection_.Move(from, to);
}

void GridColumn::Changed(bool allColumns)
{
    collection_.Update(allColumns ? nullptr : this);
}

// --- the field ---------------------------------------------------------------

void GridColumn::AttachField(Field* field)
{
    if (field == field_)
        return;
    field_ = field;
    if (field)
        fieldName_ = field->FieldName();
    RelinkFooters();
}

void GridColumn::BindFieldByName()
{
    ColumnsOwner* grid = Grid();
    Query* dataSet = grid ? grid->DataSet() : nullptr;
    const bool open = dataSet && dataSet->Active() && !fieldName_.isEmpty();
    AttachField(open ? dataSet->FindField(fieldName_) : nullptr);
}

void GridColumn::BindField(Field* field)
{
    if (field == field_)
        return;
    field_ = field;
    if (field)
        fieldName_ = field->FieldName();
    if (IsDefaultColumn()) {
        if (!field)
            fieldName_.clear();
        ClearAssignedValues();
    }
    RelinkFooters();
    Changed();
}

void GridColumn::SetFieldName(const QString& fieldName)
{
    Field* found = nullptr;
    ColumnsOwner* grid = Grid();
    if (grid && !grid->Loading() && grid->DataSet() && !fieldName.isEmpty())
        found = grid->DataSet()->FindField(fieldName);
    fieldName_ = fieldName;
    // The field of the new name, or none: the old one goes either way, and
    // the footers aggregate under the new name.
    BindField(found);
    RelinkFooters();
    Changed();
}

// --- properties that follow a default ---------------------------------------

TextAlignment GridColumn::Alignment() const
{
    if (IsAssigned(Property::Alignment))
        return alignment_;
    Field* field = BoundField();
    return field ? field->Alignment() : TextAlignment::Left;
}

void GridColumn::SetAlignment(TextAlignment alignment)
{
    if (IsDefaultColumn()) {
        // A default column keeps following its field: the field takes the value.
        if (Field* field = BoundField(); field && field->DataSet().Active())
            field->SetAlignment(alignment);
        Changed();
        return;
    }
    if (StoreAssigned(alignment_, alignment, assigned_, Property::Alignment))
        Changed();
}

Colour GridColumn::Color() const
{
    if (IsAssigned(Property::Color))
        return colour_;
    return Grid() ? Grid()->Appearance().Color : SystemColour::Window();
}

void GridColumn::SetColor(const Colour& colour)
{
    if (StoreAssigned(colour_, colour, assigned_, Property::Color))
        Changed();
}

GridFont GridColumn::Font() const
{
    if (IsAssigned(Property::Font) || !Grid())
        return font_;
    return Grid()->Appearance().Font;
}

void GridColumn::SetFont(const GridFont& font)
{
    font_ = font;
    assigned_.Set(Property::Font, true);
    Changed();
}

bool GridColumn::ReadOnly() const
{
    if (IsAssigned(Property::ReadOnly))
        return readOnly_;
    Field* field = BoundField();
    return (Grid() && Grid()->ReadOnly()) || (field && field->ReadOnly());
}

void GridColumn::SetReadOnly(bool readOnly)
{
    if (IsDefaultColumn()) {
        if (Field* field = BoundField(); field && field->DataSet().Active())
            field->SetReadOnly(readOnly);
        Changed();
        return;
    }
    if (StoreAssigned(readOnly_, readOnly, assigned_, Property::ReadOnly))
        Changed();
}

int GridColumn::DefaultWidth() const
{
    ColumnsOwner* grid = Grid();
    if (!grid)
        return CellGrid::kDefaultColWidth;
    Field* field = BoundField();
    if (!field)
        return CellGrid::kDefaultColWidth;
    Canvas& canvas = grid->MeasuringCanvas();
    const GridFont font = Font();
    canvas.SetFont(font.Face, QColor());
    const int zero = canvas.TextExtent(u"0"_s).width();
    const int overhang = canvas.FontMetrics().Overhang;
    return (zero - overhang) * field->DisplayWidth() + overhang + 4;
}

int GridColumn::Width() const
{
    return IsAssigned(Property::Width) ? width_ : DefaultWidth();
}

void GridColumn::SetWidth(int width)
{
    ColumnsOwner* grid = Grid();
    if (IsDefaultColumn() && grid) {
        // A default column's width goes back into its field's display width.
        Field* field = BoundField();
        if (grid->HasWindow() && field) {
            Canvas& canvas = grid->MeasuringCanvas();
            canvas.SetFont(Font().Face, QColor());
            const TextMetrics metrics = canvas.FontMetrics();
            const int zero = qMax(1, canvas.TextExtent(u"0"_s).width());
            field->SetDisplayWidth((width + metrics.AveCharWidth / 2 - metrics.Overhang - 3) / zero);
        }
        if (grid->LayoutChangeAnnounced() && !IsAssigned(Property::Width))
            return;
    }
    if ((IsAssigned(Property::Width) || width != DefaultWidth()) && width != -1) {
        width_ = width;
        assigned_.Set(Property::Width, true);
        if (maxWidth_ > 0 && width_ > maxWidth_)
            width_ = maxWidth_;
        if (width_ < minWidth_)
            width_ = minWidth_;
    }
    Changed();
}

void GridColumn::SetMinWidth(int width)
{
    minWidth_ = width;
    if (width > 0 && Width() < width)
        SetWidth(width);
}

void GridColumn::SetMaxWidth(int width)
{
    maxWidth_ = width;
    if (width > 0 && Width() > width)
        SetWidth(width);
}

void GridColumn::SetVisible(bool visible)
{
    if (visible_ == visible)
        return;
    visible_ = visible;
    Changed(true);
}

bool GridColumn::WordWrap() const
{
    if (IsAssigned(Property::WordWrap))
        return wordWrap_;
    Field* field = BoundField();
    return field && (field->DataType() == FieldType::String || field->DataType() == FieldType::WideString);
}

void GridColumn::SetWordWrap(bool wordWrap)
{
    if (IsAssigned(Property::WordWrap) || wordWrap != WordWrap() || (Grid() && Grid()->Loading())) {
        wordWrap_ = wordWrap;
        assigned_.Set(Property::WordWrap, true);
    }
    Changed();
}

bool GridColumn::Checkboxes() const
{
    if (IsAssigned(Property::Checkboxes))
        return checkboxes_;
    Field* field = BoundField();
    return field && field->DataType() == FieldType::Boolean;
}

bool GridColumn::EndEllipsis() const
{
    if (IsAssigned(Property::EndEllipsis))
        return endEllipsis_;
    return Grid() && Grid()->ColumnDefValues().EndEllipsis;
}

void GridColumn::SetEndEllipsis(bool endEllipsis)
{
    if (StoreAssigned(endEllipsis_, endEllipsis, assigned_, Property::EndEllipsis))
        Changed();
}

void GridColumn::SetCheckboxes(bool on)
{
    if (StoreAssigned(checkboxes_, on, assigned_, Property::Checkboxes))
        Changed();
}

void GridColumn::SetLayout(TextLayout layout)
{
    if (StoreAssigned(layout_, layout, assigned_, Property::Layout))
        Changed();
}

TextLayout GridColumn::Layout() const
{
    if (IsAssigned(Property::Layout))
        return layout_;
    return Grid() ? Grid()->ColumnDefValues().Layout : TextLayout::Top;
}

void GridColumn::SetDisplayFormat(const QString& format)
{
    if (displayFormat_ == format)
        return;
    displayFormat_ = format;
    Changed();
}

// --- footers -------------------------------------------------------------------

ColumnFooter& GridColumn::FooterForRow(int row)
{
    return row >= 0 && row < footers_->Count() ? footers_->Item(row) : footer_;
}

void GridColumn::RelinkFooters()
{
    footer_.Relink();
    for (int i = 0; i < footers_->Count(); ++i)
        footers_->Item(i).Relink();
}

// --- cell contents -------------------------------------------------------------

ColumnKind GridColumn::Kind() const
{
    if (Checkboxes())
        return ColumnKind::CheckBox;
    if (!PickList.isEmpty() && KeyList.isEmpty())
        return ColumnKind::PickList;
    if (!PickList.isEmpty() && !KeyList.isEmpty())
        return ColumnKind::KeyPickList;
    return ColumnKind::Plain;
}

QString GridColumn::CellText(int record) const
{
    Field* field = BoundField();
    if (!field || Kind() == ColumnKind::Image)
        return QString();
    if (!KeyList.isEmpty()) {
        int at = -1;
        for (int k = 0; k < KeyList.size(); ++k)
            if (KeyList.at(k).compare(field->AsString(record), Qt::CaseInsensitive) == 0) {
                at = k;
                break;
            }
        if (at >= 0 && at < PickList.size())
            return PickList.at(at);
        if (NotInKeyListIndex >= 0 && NotInKeyListIndex < PickList.size())
            return PickList.at(NotInKeyListIndex);
        return QString();
    }
    return field->FormattedText(displayFormat_, record);
}

CellParams GridColumn::DefaultCellParams(int record) const
{
    CellParams params;
    params.Font = Font();
    params.Background = Color();
    params.Alignment = Alignment();
    params.Text = CellText(record);
    params.ReadOnly = ReadOnly();
    Field* field = BoundField();
    if (field) {
        int index = -1;
        if (!KeyList.isEmpty())
            index = int(KeyList.indexOf(field->AsString(record)));
        else if (!PickList.isEmpty())
            index = int(PickList.indexOf(field->AsString(record)));
        else if (field->DataType() == FieldType::Integer || field->DataType() == FieldType::Smallint || field->DataType() == FieldType::Largeint)
            index = field->IsNull(record) ? -1 : int(field->AsInteger(record));
        params.ImageIndex = index == -1 ? NotInKeyListIndex : index;
    }
    return params;
}

// --- assigned values -------------------------------------------------------------

void GridColumn::ClearAssignedValues()
{
    const bool fontWasAssigned = IsAssigned(Property::Font);
    title_.ClearAssignedValues();
    assigned_ = {};
    if (Grid())
        font_ = Grid()->Appearance().Font;
    PickList.clear();
    Changed(fontWasAssigned);
    KeyList.clear();
}

