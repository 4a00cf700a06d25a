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

TextAlignment TitleDefaults::alignment() const
{
    if (alignment_)
        return *alignment_;
    return grid_ && grid_->useMultiTitle() ? TextAlignment::Center : TextAlignment::Left;
}

void TitleDefaults::setAlignment(TextAlignment alignment)
{
    alignment_ = alignment;
    if (grid_)
        grid_->requestLayout();
}

Colour TitleDefaults::color() const
{
    if (colour_)
        return *colour_;
    return grid_ ? grid_->appearance().fixedColor : SystemColour::buttonFace();
}

void TitleDefaults::setColor(const Colour& colour)
{
    colour_ = colour;
    if (grid_)
        grid_->repaint();
}

// --- title -----------------------------------------------------------------------

TextAlignment ColumnTitle::alignment() const
{
    if (column_.isAssigned(Property::TitleAlignment))
        return alignment_;
    ColumnsOwner* grid = column_.grid();
    return grid ? grid->columnDefValues().title.alignment() : TextAlignment::Left;
}

void ColumnTitle::setAlignment(TextAlignment alignment)
{
    if (storeAssigned(alignment_, alignment, column_.assigned_, Property::TitleAlignment))
        column_.changed();
}

QString ColumnTitle::caption() const
{
    if (column_.isAssigned(Property::TitleCaption))
        return caption_;
    if (Field* field = column_.boundField())
        return field->displayName();
    return column_.fieldName();
}

void ColumnTitle::setCaption(const QString& caption)
{
    if (column_.isDefaultColumn()) {
        // A default column's caption is its field's label.
        if (Field* field = column_.boundField(); field && field->dataSet().active())
            field->setDisplayLabel(caption);
        column_.changed();
        return;
    }
    if (storeAssigned(caption_, caption, column_.assigned_, Property::TitleCaption))
        column_.changed();
}

Colour ColumnTitle::color() const
{
    if (column_.isAssigned(Property::TitleColor))
        return colour_;
    ColumnsOwner* grid = column_.grid();
    return grid ? grid->columnDefValues().title.color() : SystemColour::buttonFace();
}

void ColumnTitle::setColor(const Colour& colour)
{
    if (storeAssigned(colour_, colour, column_.assigned_, Property::TitleColor))
        column_.changed();
}

GridFont ColumnTitle::font() const
{
    if (column_.isAssigned(Property::TitleFont))
        return font_;
    ColumnsOwner* grid = column_.grid();
    return grid ? grid->appearance().titleFont : column_.font();
}

void ColumnTitle::setFont(const GridFont& font)
{
    font_ = font;
    column_.assigned_.set(Property::TitleFont, true);
    column_.changed(true);
}

bool ColumnTitle::endEllipsis() const
{
    if (column_.isAssigned(Property::TitleEndEllipsis))
        return endEllipsis_;
    ColumnsOwner* grid = column_.grid();
    return grid && grid->columnDefValues().title.endEllipsis;
}

void ColumnTitle::setEndEllipsis(bool on)
{
    if (storeAssigned(endEllipsis_, on, column_.assigned_, Property::TitleEndEllipsis))
        column_.changed();
}

bool ColumnTitle::titleButton() const
{
    if (column_.isAssigned(Property::TitleButton))
        return titleButton_;
    ColumnsOwner* grid = column_.grid();
    return grid && grid->columnDefValues().title.titleButton;
}

void ColumnTitle::setTitleButton(bool on)
{
    if (storeAssigned(titleButton_, on, column_.assigned_, Property::TitleButton))
        column_.changed();
}

TextOrientation ColumnTitle::orientation() const
{
    if (column_.isAssigned(Property::TitleOrientation))
        return orientation_;
    ColumnsOwner* grid = column_.grid();
    return grid ? grid->columnDefValues().title.orientation : TextOrientation::Horizontal;
}

void ColumnTitle::setOrientation(TextOrientation orientation)
{
    if (storeAssigned(orientation_, orientation, column_.assigned_, Property::TitleOrientation))
        column_.changed();
}

void ColumnTitle::setImageIndex(int index)
{
    if (index == imageIndex_)
        return;
    imageIndex_ = index;
    // An image changes what the title row needs.
    if (ColumnsOwner* grid = column_.grid())
        grid->requestLayout();
}

void ColumnTitle::clearAssignedValues()
{
    const bool fontWasAssigned = column_.isAssigned(Property::TitleFont);
    for (const Property title : {Property::TitleColor, Property::TitleCaption, Property::TitleAlignment, Property::TitleFont,
                                 Property::TitleButton, Property::TitleEndEllipsis,
                                 Property::TitleOrientation})
        column_.assigned_.set(title, false);
    caption_.clear();
    column_.changed(fontWasAssigned);
}

// --- footer ------------------------------------------------------------------------

ColumnFooter::~ColumnFooter()
{
    freeSum();
}

TextAlignment ColumnFooter::alignment() const
{
    if (assigned_.has(Property::Alignment))
        return alignment_;
    Field* field = column_.boundField();
    return field ? field->alignment() : TextAlignment::Left;
}

void ColumnFooter::setAlignment(TextAlignment alignment)
{
    if (storeAssigned(alignment_, alignment, assigned_, Property::Alignment))
        column_.changed();
}

Colour ColumnFooter::color() const
{
    if (assigned_.has(Property::Color))
        return colour_;
    ColumnsOwner* grid = column_.grid();
    return grid ? grid->appearance().footerColor : SystemColour::window();
}

void ColumnFooter::setColor(const Colour& colour)
{
    if (storeAssigned(colour_, colour, assigned_, Property::Color))
        column_.changed();
}

GridFont ColumnFooter::font() const
{
    if (assigned_.has(Property::Font))
        return font_;
    ColumnsOwner* grid = column_.grid();
    return grid ? grid->appearance().footerFont : column_.font();
}

void ColumnFooter::setFont(const GridFont& font)
{
    font_ = font;
    assigned_.set(Property::Font, true);
    column_.changed(true);
}

void ColumnFooter::setFieldName(const QString& fieldName)
{
    fieldName_ = fieldName;
    relink();
}

void ColumnFooter::setValueType(FooterValueType type)
{
    if (valueType_ == type)
        return;
    valueType_ = type;
    relink();
    column_.changed();
}

void ColumnFooter::relink()
{
    ColumnsOwner* grid = column_.grid();
    SumList* sumList = grid ? grid->sumList() : nullptr;
    if (!sumList)
        return;
    const bool aggregates = valueType_ == FooterValueType::Sum || valueType_ == FooterValueType::Avg || valueType_ == FooterValueType::Count;
    if (!aggregates) {
        freeSum();
        return;
    }
    SumItems& sums = sumList->sumCollection();
    sums.beginUpdate();
    if (!sum_)
        sum_ = &sums.add();
    switch (valueType_) {
    case FooterValueType::Sum:
    case FooterValueType::Avg:
        sum_->setGroupOperation(valueType_ == FooterValueType::Sum ? SumItem::Operation::Sum : SumItem::Operation::Avg);
        sum_->setFieldName(fieldName_.isEmpty() ? column_.fieldName() : fieldName_);
        break;
    default:
        sum_->setGroupOperation(SumItem::Operation::Count);
        sum_->setFieldName(QString());
        break;
    }
    sums.endUpdate();
}

void ColumnFooter::freeSum()
{
    if (!sum_)
        return;
    if (ColumnsOwner* grid = column_.grid(); grid && grid->sumList())
        grid->sumList()->sumCollection().remove(sum_);
    sum_ = nullptr;
}

void ColumnFooter::clearAssignedValues()
{
    const bool fontWasAssigned = assigned_.has(Property::Font);
    assigned_ = {};
    column_.changed(fontWasAssigned);
}

// --- extra footers ---------------------------------------------------------------

ColumnFooter& ColumnFooters::add()
{
    items_.push_back(std::make_unique<ColumnFooter>(column_));
    if (ColumnsOwner* grid = column_.grid())
        grid->repaint();
    return *items_.back();
}

void ColumnFooters::clear()
{
    items_.clear();
    if (ColumnsOwner* grid = column_.grid())
        grid->repaint();
}

QString ColumnFooter::text() const
{
    // Numbers by the footer's pattern, else as plain decimals (integers rounded).
    const auto number = [this](double value, bool integral) {
        if (!displayFormat.isEmpty())
            return formatFloat(displayFormat, value);
        return integral ? QString::number(qint64(std::llround(value))) : QString::number(value, 'g', 15);
    };
    ColumnsOwner* grid = column_.grid();
    Query* dataSet = grid ? grid->dataSet() : nullptr;
    const SumItems* sums = grid ? &grid->sumList()->sumCollection() : nullptr;
    switch (valueType_) {
    case FooterValueType::None:
        return QString();
    case FooterValueType::Sum:
    case FooterValueType::Avg: {
        const QString name = fieldName_.isEmpty() ? column_.fieldName() : fieldName_;
        const Field* field = dataSet ? dataSet->findField(name) : nullptr;
        if (!field)
            return u"0"_s;
        const auto operation = valueType_ == FooterValueType::Sum ? SumItem::Operation::Sum : SumItem::Operation::Avg;
        const SumItem* sum = sums->findSum(operation, field->fieldName());
        const double value = sum ? fromFixedPoint(sum->result) : 0;
        switch (field->dataType()) {
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
        const SumItem* sum = sums ? sums->findSum(SumItem::Operation::Count, QString()) : nullptr;
        return number(sum ? fromFixedPoint(sum->result) : 0, false);
    }
    case FooterValueType::FieldValue:
        if (!dataSet || !dataSet->active() || fieldName_.isEmpty())
            return QString();
        return dataSet->fieldByName(fieldName_).formattedText(displayFormat);
    case FooterValueType::StaticText:
        return value;
    }
    return QString();
}
