// A column's title and footers, and the grid-wide defaults they follow.
#include "DBGridEhColumns.h"

#include "db/Query.h"

// --- title defaults ------------------------------------------------------------

TAlignment TColumnTitleDefValuesEh::Alignment() const
{
    if (alignment_ >= 0)
        return TAlignment(alignment_);
    return grid_ && grid_->UseMultiTitle() ? taCenter : taLeftJustify;
}

void TColumnTitleDefValuesEh::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    if (grid_)
        grid_->RequestLayout();
}

QString TColumnTitleDefValuesEh::Color() const
{
    if (!colour_.isEmpty())
        return colour_;
    return grid_ ? grid_->FixedColor() : u"clBtnFace"_qs;
}

void TColumnTitleDefValuesEh::SetColor(const QString& colour)
{
    colour_ = colour;
    if (grid_)
        grid_->Repaint();
}

// --- title -----------------------------------------------------------------------

TAlignment TColumnTitleEh::Alignment() const
{
    if (column_.IsAssigned(cvTitleAlignment))
        return alignment_;
    TColumnsOwnerEh* grid = column_.Grid();
    return grid ? grid->ColumnDefValues().Title.Alignment() : taLeftJustify;
}

void TColumnTitleEh::SetAlignment(TAlignment alignment)
{
    if (StoreAssigned(alignment_, alignment, column_.assigned_, cvTitleAlignment))
        column_.Changed();
}

QString TColumnTitleEh::Caption() const
{
    if (column_.IsAssigned(cvTitleCaption))
        return caption_;
    if (DbField* field = const_cast<TColumnEh&>(column_).BoundField())
        return field->DisplayName();
    return column_.FieldName();
}

void TColumnTitleEh::SetCaption(const QString& caption)
{
    if (column_.IsDefaultColumn()) {
        // A default column's caption is its field's label.
        if (DbField* field = column_.BoundField(); field && field->DataSet().Active())
            field->SetDisplayLabel(caption);
        column_.Changed();
        return;
    }
    if (StoreAssigned(caption_, caption, column_.assigned_, cvTitleCaption))
        column_.Changed();
}

QString TColumnTitleEh::Color() const
{
    if (column_.IsAssigned(cvTitleColor))
        return colour_;
    TColumnsOwnerEh* grid = column_.Grid();
    return grid ? grid->ColumnDefValues().Title.Color() : u"clBtnFace"_qs;
}

void TColumnTitleEh::SetColor(const QString& colour)
{
    if (StoreAssigned(colour_, colour, column_.assigned_, cvTitleColor))
        column_.Changed();
}

TFontEh TColumnTitleEh::Font() const
{
    if (column_.IsAssigned(cvTitleFont))
        return font_;
    TColumnsOwnerEh* grid = column_.Grid();
    return grid ? grid->TitleFont() : column_.Font();
}

void TColumnTitleEh::SetFont(const TFontEh& font)
{
    font_ = font;
    column_.SetAssigned(cvTitleFont, true);
    column_.Changed(true);
}

bool TColumnTitleEh::EndEllipsis() const
{
    if (column_.IsAssigned(cvTitleEndEllipsis))
        return endEllipsis_;
    TColumnsOwnerEh* grid = column_.Grid();
    return grid && grid->ColumnDefValues().Title.EndEllipsis;
}

void TColumnTitleEh::SetEndEllipsis(bool on)
{
    if (StoreAssigned(endEllipsis_, on, column_.assigned_, cvTitleEndEllipsis))
        column_.Changed();
}

bool TColumnTitleEh::TitleButton() const
{
    if (column_.IsAssigned(cvTitleButton))
        return titleButton_;
    TColumnsOwnerEh* grid = column_.Grid();
    return grid && grid->ColumnDefValues().Title.TitleButton;
}

void TColumnTitleEh::SetTitleButton(bool on)
{
    if (StoreAssigned(titleButton_, on, column_.assigned_, cvTitleButton))
        column_.Changed();
}

bool TColumnTitleEh::ToolTips() const
{
    if (column_.IsAssigned(cvTitleToolTips))
        return toolTips_;
    TColumnsOwnerEh* grid = column_.Grid();
    return grid && grid->ColumnDefValues().Title.ToolTips;
}

void TColumnTitleEh::SetToolTips(bool on)
{
    // Stored without a notification.
    StoreAssigned(toolTips_, on, column_.assigned_, cvTitleToolTips);
}

TTextOrientationEh TColumnTitleEh::Orientation() const
{
    if (column_.IsAssigned(cvTitleOrientation))
        return orientation_;
    TColumnsOwnerEh* grid = column_.Grid();
    return grid ? grid->ColumnDefValues().Title.Orientation : tohHorizontal;
}

void TColumnTitleEh::SetOrientation(TTextOrientationEh orientation)
{
    if (StoreAssigned(orientation_, orientation, column_.assigned_, cvTitleOrientation))
        column_.Changed();
}

void TColumnTitleEh::ClearAssignedValues()
{
    const bool fontWasAssigned = column_.IsAssigned(cvTitleFont);
    column_.SetAssigned(cvTitleColor | cvTitleCaption | cvTitleAlignment | cvTitleFont | cvTitleButton
                            | cvTitleEndEllipsis | cvTitleToolTips | cvTitleOrientation,
                        false);
    caption_.clear();
    column_.Changed(fontWasAssigned);
}

void TColumnTitleEh::Assign(const TColumnTitleEh& source)
{
    const TColumnEh& from = source.column_;
    if (from.IsAssigned(cvTitleAlignment))
        SetAlignment(source.alignment_);
    if (from.IsAssigned(cvTitleColor))
        SetColor(source.colour_);
    if (from.IsAssigned(cvTitleCaption))
        SetCaption(source.caption_);
    if (from.IsAssigned(cvTitleFont))
        SetFont(source.font_);
    if (from.IsAssigned(cvTitleEndEllipsis))
        SetEndEllipsis(source.endEllipsis_);
    if (from.IsAssigned(cvTitleButton))
        SetTitleButton(source.titleButton_);
    if (from.IsAssigned(cvTitleToolTips))
        SetToolTips(source.toolTips_);
    if (from.IsAssigned(cvTitleOrientation))
        SetOrientation(source.orientation_);
    Hint = source.Hint;
    ImageIndex = source.ImageIndex;
    SetSortIndex(source.sortIndex_);
    SortMarker = source.SortMarker;
}

// --- footer ------------------------------------------------------------------------

TColumnFooterEh::~TColumnFooterEh()
{
    FreeSum();
}

TAlignment TColumnFooterEh::Alignment() const
{
    if (assigned_ & fvAlignment)
        return alignment_;
    DbField* field = const_cast<TColumnEh&>(column_).BoundField();
    return field ? field->Alignment() : taLeftJustify;
}

void TColumnFooterEh::SetAlignment(TAlignment alignment)
{
    if (StoreAssigned(alignment_, alignment, assigned_, unsigned(fvAlignment)))
        column_.Changed();
}

QString TColumnFooterEh::Color() const
{
    if (assigned_ & fvColor)
        return colour_;
    TColumnsOwnerEh* grid = column_.Grid();
    return grid ? grid->FooterColor() : u"clWindow"_qs;
}

void TColumnFooterEh::SetColor(const QString& colour)
{
    if (StoreAssigned(colour_, colour, assigned_, unsigned(fvColor)))
        column_.Changed();
}

TFontEh TColumnFooterEh::Font() const
{
    if (assigned_ & fvFont)
        return font_;
    TColumnsOwnerEh* grid = column_.Grid();
    return grid ? grid->FooterFont() : column_.Font();
}

void TColumnFooterEh::SetFont(const TFontEh& font)
{
    font_ = font;
    assigned_ |= fvFont;
    column_.Changed(true);
}

bool TColumnFooterEh::ToolTips() const
{
    if (assigned_ & fvToolTips)
        return toolTips_;
    TColumnsOwnerEh* grid = column_.Grid();
    return grid && grid->ColumnDefValues().Footer.ToolTips;
}

void TColumnFooterEh::SetToolTips(bool toolTips)
{
    StoreAssigned(toolTips_, toolTips, assigned_, unsigned(fvToolTips));
}

void TColumnFooterEh::SetFieldName(const QString& fieldName)
{
    fieldName_ = fieldName;
    Relink();
}

void TColumnFooterEh::SetValueType(TFooterValueType type)
{
    if (valueType_ == type)
        return;
    valueType_ = type;
    Relink();
    column_.Changed();
}

void TColumnFooterEh::Relink()
{
    TColumnsOwnerEh* grid = column_.Grid();
    TDBGridEhSumList* sumList = grid ? grid->SumList() : nullptr;
    if (!sumList)
        return;
    const bool aggregates = valueType_ == fvtSum || valueType_ == fvtAvg || valueType_ == fvtCount;
    if (!aggregates) {
        FreeSum();
        return;
    }
    TDBSumCollection& sums = sumList->SumCollection();
    sums.BeginUpdate();
    if (!sum_)
        sum_ = &sums.Add();
    switch (valueType_) {
    case fvtSum:
    case fvtAvg:
        sum_->SetGroupOperation(valueType_ == fvtSum ? goSum : goAvg);
        sum_->SetFieldName(fieldName_.isEmpty() ? column_.FieldName() : fieldName_);
        break;
    default:
        sum_->SetGroupOperation(goCount);
        sum_->SetFieldName(QString());
        break;
    }
    sums.EndUpdate();
}

void TColumnFooterEh::FreeSum()
{
    if (!sum_)
        return;
    if (TColumnsOwnerEh* grid = column_.Grid(); grid && grid->SumList())
        grid->SumList()->SumCollection().Remove(sum_);
    sum_ = nullptr;
}

void TColumnFooterEh::ClearAssignedValues()
{
    const bool fontWasAssigned = assigned_ & fvFont;
    assigned_ = 0;
    column_.Changed(fontWasAssigned);
}

void TColumnFooterEh::Assign(const TColumnFooterEh& source)
{
    if (source.assigned_ & fvAlignment)
        SetAlignment(source.alignment_);
    if (source.assigned_ & fvColor)
        SetColor(source.colour_);
    if (source.assigned_ & fvFont)
        SetFont(source.font_);
    EndEllipsis = source.EndEllipsis;
    SetValueType(source.valueType_);
    SetFieldName(source.fieldName_);
    Value = source.Value;
    WordWrap = source.WordWrap;
    DisplayFormat = source.DisplayFormat;
    if (source.assigned_ & fvToolTips)
        SetToolTips(source.toolTips_);
}

// --- extra footers ---------------------------------------------------------------

TColumnFooterEh& TColumnFootersEh::Add()
{
    items_.push_back(std::make_unique<TColumnFooterEh>(column_));
    if (TColumnsOwnerEh* grid = column_.Grid())
        grid->Repaint();
    return *items_.back();
}

void TColumnFootersEh::Clear()
{
    items_.clear();
    if (TColumnsOwnerEh* grid = column_.Grid())
        grid->Repaint();
}
