// A column's title and footers, and the grid-wide defaults they follow.
#include "GridColumns.h"

#include "db/Query.h"
#include "platform/FormatNumber.h"
#include "sumlist/SumList.h"

#include <cmath>

using namespace Qt::StringLiterals;

// In the title's code: the column's properties, where the title's are kept.
using Property = GridColumn::Property;

// --- title defaults ------------------------------------------------------------

TextAlignment TitleDefaults::Alignment() const
{
    if (alignment_)
        return *alignment_;
    return grid_ && grid_->UseMultiTitle() ? TextAlignment::Center : TextAlignment::Left;
}

void TitleDefaults::SetAlignment(TextAlignment alignment)
{
    alignment_ = alignment;
    if (grid_)
        grid_->RequestLayout();
}

Colour TitleDefaults::Color() const
{
    if (colour_)
        return *colour_;
    return grid_ ? grid_->Appearance().FixedColor : SystemColour::ButtonFace();
}

void TitleDefaults::SetColor(const Colour& colour)
{
    colour_ = colour;
    if (grid_)
        grid_->Repaint();
}

// --- title -----------------------------------------------------------------------

TextAlignment ColumnTitle::Alignment() const
{
    if (column_.IsAssigned(Property::TitleAlignment))
        return alignment_;
    ColumnsOwner* grid = column_.Grid();
    return grid ? grid->ColumnDefValues().Title.Alignment() : TextAlignment::Left;
}

void ColumnTitle::SetAlignment(TextAlignment alignment)
{
    if (StoreAssigned(alignment_, alignment, column_.assigned_, Property::TitleAlignment))
        column_.Changed();
}

QString ColumnTitle::Caption() const
{
    if (column_.IsAssigned(Property::TitleCaption))
        return caption_;
    if (Field* field = column_.BoundField())
        return field->DisplayName();
    return column_.FieldName();
}

void ColumnTitle::SetCaption(const QString& caption)
{
    if (column_.IsDefaultColumn()) {
        // A default column's caption is its field's label.
        if (Field* field = column_.BoundField(); field && field->DataSet().Active())
            field->SetDisplayLabel(caption);
        column_.Changed();
        return;
    }
    if (StoreAssigned(caption_, caption, column_.assigned_, Property::TitleCaption))
        column_.Changed();
}

Colour ColumnTitle::Color() const
{
    if (column_.IsAssigned(Property::TitleColor))
        return colour_;
    ColumnsOwner* grid = column_.Grid();
    return grid ? grid->ColumnDefValues().Title.Color() : SystemColour::ButtonFace();
}

void ColumnTitle::SetColor(const Colour& colour)
{
    if (StoreAssigned(colour_, colour, column_.assigned_, Property::TitleColor))
        column_.Changed();
}

GridFont ColumnTitle::Font() const
{
    if (column_.IsAssigned(Property::TitleFont))
        return font_;
    ColumnsOwner* grid = column_.Grid();
    return grid ? grid->Appearance().TitleFont : column_.Font();
}

void ColumnTitle::SetFont(const GridFont& font)
{
    font_ = font;
    column_.assigned_.Set(Property::TitleFont, true);
    column_.Changed(true);
}

bool ColumnTitle::EndEllipsis() const
{
    if (column_.IsAssigned(Property::TitleEndEllipsis))
        return endEllipsis_;
    ColumnsOwner* grid = column_.Grid();
    return grid && grid->ColumnDefValues().Title.EndEllipsis;
}

void ColumnTitle::SetEndEllipsis(bool on)
{
    if (StoreAssigned(endEllipsis_, on, column_.assigned_, Property::TitleEndEllipsis))
        column_.Changed();
}

bool ColumnTitle::TitleButton() const
{
    if (column_.IsAssigned(Property::TitleButton))
        return titleButton_;
    ColumnsOwner* grid = column_.Grid();
    return grid && grid->ColumnDefValues().Title.TitleButton;
}

void ColumnTitle::SetTitleButton(bool on)
{
    if (StoreAssigned(titleButton_, on, column_.assigned_, Property::TitleButton))
        column_.Changed();
}

TextOrientation ColumnTitle::Orientation() const
{
    if (column_.IsAssigned(Property::TitleOrientation))
        return orientation_;
    ColumnsOwner* grid = column_.Grid();
    return grid ? grid->ColumnDefValues().Title.Orientation : TextOrientation::Horizontal;
}

void ColumnTitle::SetOrientation(TextOrientation orientation)
{
    if (StoreAssigned(orientation_, orientation, column_.assigned_, Property::TitleOrientation))
        column_.Changed();
}

void ColumnTitle::SetImageIndex(int index)
{
    if (index == imageIndex_)
        return;
    imageIndex_ = index;
    // An image changes what the title row needs.
    if (ColumnsOwner* grid = column_.Grid())
        grid->RequestLayout();
}

void ColumnTitle::ClearAssignedValues()
{
    const bool fontWasAssigned = column_.IsAssigned(Property::TitleFont);
    for (const Property title : {Property::TitleColor, Property::TitleCaption, Property::TitleAlignment, Property::TitleFont,
                                 Property::TitleButton, Property::TitleEndEllipsis,
                                 Property::TitleOrientation})
        column_.assigned_.Set(title, false);
    caption_.clear();
    column_.Changed(fontWasAssigned);
}

// --- footer ------------------------------------------------------------------------

ColumnFooter::~ColumnFooter()
{
    FreeSum();
}

TextAlignment ColumnFooter::Alignment() const
{
    if (assigned_.Has(Property::Alignment))
        return alignment_;
    Field* field = column_.BoundField();
    return field ? field->Alignment() : TextAlignment::Left;
}

void ColumnFooter::SetAlignment(TextAlignment alignment)
{
    if (StoreAssigned(alignment_, alignment, assigned_, Property::Alignment))
        column_.Changed();
}

Colour ColumnFooter::Color() const
{
    if (assigned_.Has(Property::Color))
        return colour_;
    ColumnsOwner* grid = column_.Grid();
    return grid ? grid->Appearance().FooterColor : SystemColour::Window();
}

void ColumnFooter::SetColor(const Colour& colour)
{
    if (StoreAssigned(colour_, colour, assigned_, Property::Color))
        column_.Changed();
}

GridFont ColumnFooter::Font() const
{
    if (assigned_.Has(Property::Font))
        return font_;
    ColumnsOwner* grid = column_.Grid();
    return grid ? grid->Appearance().FooterFont : column_.Font();
}

void ColumnFooter::SetFont(const GridFont& font)
{
    font_ = font;
    assigned_.Set(Property::Font, true);
    column_.Changed(true);
}

void ColumnFooter::SetFieldName(const QString& fieldName)
{
    fieldName_ = fieldName;
    Relink();
}

void ColumnFooter::SetValueType(FooterValueType type)
{
    if (valueType_ == type)
        return;
    valueType_ = type;
    Relink();
    column_.Changed();
}

void ColumnFooter::Relink()
{
    ColumnsOwner* grid = column_.Grid();
    SumList* sumList = grid ? grid->SumList() : nullptr;
    if (!sumList)
        return;
    const bool aggregates = valueType_ == FooterValueType::Sum || valueType_ == FooterValueType::Avg || valueType_ == FooterValueType::Count;
    if (!aggregates) {
        FreeSum();
        return;
    }
    SumItems& sums = sumList->SumCollection();
    sums.BeginUpdate();
    if (!sum_)
        sum_ = &sums.Add();
    switch (valueType_) {
    case FooterValueType::Sum:
    case FooterValueType::Avg:
        sum_->SetGroupOperation(valueType_ == FooterValueType::Sum ? SumItem::Operation::Sum : SumItem::Operation::Avg);
        sum_->SetFieldName(fieldName_.isEmpty() ? column_.FieldName() : fieldName_);
        break;
    default:
        sum_->SetGroupOperation(SumItem::Operation::Count);
        sum_->SetFieldName(QString());
        break;
    }
    sums.EndUpdate();
}

void ColumnFooter::FreeSum()
{
    if (!sum_)
        return;
    if (ColumnsOwner* grid = column_.Grid(); grid && grid->SumList())
        grid->SumList()->SumCollection().Remove(sum_);
    sum_ = nullptr;
}

void ColumnFooter::ClearAssignedValues()
{
    const bool fontWasAssigned = assigned_.Has(Property::Font);
    assigned_ = {};
    column_.Changed(fontWasAssigned);
}

// --- extra footers ---------------------------------------------------------------

ColumnFooter& ColumnFooters::Add()
{
    items_.push_back(std::make_unique<ColumnFooter>(column_));
    if (ColumnsOwner* grid = column_.Grid())
        grid->Repaint();
    return *items_.back();
}

void ColumnFooters::Clear()
{
    items_.clear();
    if (ColumnsOwner* grid = column_.Grid())
        grid->Repaint();
}

QString ColumnFooter::Text() const
{
    // Numbers by the footer's pattern, else as plain decimals (integers rounded).
    const auto number = [this](double value, bool integral) {
        if (!DisplayFormat.isEmpty())
            return FormatFloat(DisplayFormat, value);
        return integral ? QString::number(qint64(std::llround(value))) : QString::number(value, 'g', 15);
    };
    ColumnsOwner* grid = column_.Grid();
    Query* dataSet = grid ? grid->DataSet() : nullptr;
    const SumItems* sums = grid ? &grid->SumList()->SumCollection() : nullptr;
    switch (valueType_) {
    case FooterValueType::None:
        return QString();
    case FooterValueType::Sum:
    case FooterValueType::Avg: {
        const QString name = fieldName_.isEmpty() ? column_.FieldName() : fieldName_;
        const Field* field = dataSet ? dataSet->FindField(name) : nullptr;
        if (!field)
            return u"0"_s;
        const auto operation = valueType_ == FooterValueType::Sum ? SumItem::Operation::Sum : SumItem::Operation::Avg;
        const SumItem* sum = sums->FindSum(operation, field->FieldName());
        const double value = sum ? FromFixedPoint(sum->Result) : 0;
        switch (field->DataType()) {
        case FieldType::Smallint:
        case FieldType::Integer:
        case FieldType::Largeint:
            return number(value, true);
        case FieldType::Float:
            return number(value, false);
        default:
            return u"0"_s;
        }
    }
    case FooterValueType::Count: {
        const SumItem* sum = sums ? sums->FindSum(SumItem::Operation::Count, QString()) : nullptr;
        return number(sum ? FromFixedPoint(sum->Result) : 0, false);
    }
    case FooterValueType::FieldValue:
        if (!dataSet || !dataSet->Active() || fieldName_.isEmpty())
            return QString();
        return dataSet->FieldByName(fieldName_).FormattedText(DisplayFormat);
    case FooterValueType::StaticText:
        return Value;
    }
    return QString();
}
