// The column: defaults that follow, width rules, field binding, cell text.
#include "DBGridEhColumns.h"

#include "db/Query.h"
#include "platform/FormatNumber.h"

TColumnEh::TColumnEh(TDBGridColumnsEh& collection, bool stored)
    : collection_(collection), stored_(stored), title_(*this), footer_(*this),
      footers_(std::make_unique<TColumnFootersEh>(*this))
{
    if (TColumnsOwnerEh* grid = Grid())
        font_ = grid->Font();
    title_.font_ = font_;
    autoFitBaseWidth_ = Width();
}

TColumnEh::~TColumnEh() = default;

TColumnsOwnerEh* TColumnEh::Grid() const
{
    return collection_.Grid();
}

int TColumnEh::Index() const
{
    return collection_.IndexOf(this);
}

void TColumnEh::SetIndex(int index)
{
    const int from = Index();
    const int to = qBound(0, index, collection_.Count() - 1);
    if (from == to)
        return;
    // A default column takes its field along among the result set's fields.
    if (IsDefaultColumn() && Grid() && Grid()->DataSet() && Grid()->DataSet()->Active()) {
        DbField* target = collection_.Item(to).BoundField();
        if (DbField* field = BoundField(); field && target)
            field->SetIndex(target->Index());
    }
    collection_.Move(from, to);
}

void TColumnEh::SetAssigned(unsigned value, bool on)
{
    assigned_ = on ? assigned_ | value : assigned_ & ~value;
}

void TColumnEh::Changed(bool allColumns)
{
    collection_.Update(allColumns ? nullptr : this);
}

// --- the field ---------------------------------------------------------------

DbField* TColumnEh::BoundField()
{
    TColumnsOwnerEh* grid = Grid();
    if (field_ || fieldName_.isEmpty() || !grid || !grid->DataSet())
        return field_;
    DbQuery* dataSet = grid->DataSet();
    if (!dataSet->Active() && dataSet->FieldsCreatedOnOpen())
        return field_;
    DbField* found = dataSet->FindField(fieldName_);
    if (found != field_) {
        field_ = found;
        if (found) {
            fieldName_ = found->FieldName();
            RelinkFooters();
        }
    }
    return field_;
}

void TColumnEh::BindField(DbField* field)
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
        autoFitBaseWidth_ = Width();
    }
    RelinkFooters();
    Changed();
}

void TColumnEh::SetFieldName(const QString& fieldName)
{
    DbField* found = nullptr;
    TColumnsOwnerEh* grid = Grid();
    if (grid && !grid->Loading() && grid->DataSet() && !fieldName.isEmpty())
        found = grid->DataSet()->FindField(fieldName);
    fieldName_ = fieldName;
    field_ = nullptr;
    if (found)
        BindField(found);
    autoFitBaseWidth_ = Width();
    Changed();
}

// --- properties that follow a default ---------------------------------------

TAlignment TColumnEh::Alignment()
{
    if (IsAssigned(cvAlignment))
        return alignment_;
    DbField* field = BoundField();
    return field ? field->Alignment() : taLeftJustify;
}

void TColumnEh::SetAlignment(TAlignment alignment)
{
    if (IsDefaultColumn()) {
        // A default column keeps following its field: the field takes the value.
        if (DbField* field = BoundField(); field && field->DataSet().Active())
            field->SetAlignment(alignment);
        Changed();
        return;
    }
    if (StoreAssigned(alignment_, alignment, assigned_, cvAlignment))
        Changed();
}

QString TColumnEh::Color() const
{
    if (IsAssigned(cvColor))
        return colour_;
    return Grid() ? Grid()->Color() : u"clWindow"_qs;
}

void TColumnEh::SetColor(const QString& colour)
{
    if (StoreAssigned(colour_, colour, assigned_, cvColor))
        Changed();
}

TFontEh TColumnEh::Font() const
{
    if (IsAssigned(cvFont) || !Grid())
        return font_;
    return Grid()->Font();
}

void TColumnEh::SetFont(const TFontEh& font)
{
    font_ = font;
    SetAssigned(cvFont, true);
    Changed();
}

bool TColumnEh::ReadOnly()
{
    if (IsAssigned(cvReadOnly))
        return readOnly_;
    DbField* field = BoundField();
    return (Grid() && Grid()->ReadOnly()) || (field && field->ReadOnly());
}

void TColumnEh::SetReadOnly(bool readOnly)
{
    if (IsDefaultColumn()) {
        if (DbField* field = BoundField(); field && field->DataSet().Active())
            field->SetReadOnly(readOnly);
        Changed();
        return;
    }
    if (StoreAssigned(readOnly_, readOnly, assigned_, cvReadOnly))
        Changed();
}

int TColumnEh::DefaultWidth()
{
    TColumnsOwnerEh* grid = Grid();
    if (!grid)
        return 64;
    DbField* field = BoundField();
    if (!field)
        return grid->DefaultColWidth();
    TCanvas& canvas = grid->MeasuringCanvas();
    const TFontEh font = Font();
    canvas.SetFont(font.Face, QColor());
    const int zero = canvas.TextExtent(u"0"_qs).width();
    const int overhang = canvas.FontMetrics().Overhang;
    return (zero - overhang) * field->DisplayWidth() + overhang + 4;
}

int TColumnEh::Width()
{
    return IsAssigned(cvWidth) ? width_ : DefaultWidth();
}

void TColumnEh::SetWidth(int width)
{
    TColumnsOwnerEh* grid = Grid();
    if (IsDefaultColumn() && grid) {
        // A default column's width goes back into its field's display width.
        DbField* field = BoundField();
        if (grid->HasWindow() && field) {
            TCanvas& canvas = grid->MeasuringCanvas();
            canvas.SetFont(Font().Face, QColor());
            const TFontMetricsEh metrics = canvas.FontMetrics();
            const int zero = qMax(1, canvas.TextExtent(u"0"_qs).width());
            field->SetDisplayWidth((width + metrics.AveCharWidth / 2 - metrics.Overhang - 3) / zero);
        }
        if (grid->LayoutChangeAnnounced() && !IsAssigned(cvWidth))
            return;
    }
    if ((IsAssigned(cvWidth) || width != DefaultWidth()) && width != -1) {
        width_ = width;
        SetAssigned(cvWidth, true);
        if (maxWidth_ > 0 && width_ > maxWidth_)
            width_ = maxWidth_;
        if (width_ < minWidth_)
            width_ = minWidth_;
    }
    Changed();
}

void TColumnEh::SetMinWidth(int width)
{
    minWidth_ = width;
    if (width > 0 && Width() < width)
        SetWidth(width);
}

void TColumnEh::SetMaxWidth(int width)
{
    maxWidth_ = width;
    if (width > 0 && Width() > width)
        SetWidth(width);
}

void TColumnEh::SetVisible(bool visible)
{
    if (visible_ == visible)
        return;
    visible_ = visible;
    Changed(true);
}

bool TColumnEh::WordWrap()
{
    if (IsAssigned(cvWordWrap))
        return wordWrap_;
    DbField* field = BoundField();
    return field && (field->DataType() == ftString || field->DataType() == ftWideString);
}

void TColumnEh::SetWordWrap(bool wordWrap)
{
    if (IsAssigned(cvWordWrap) || wordWrap != WordWrap() || (Grid() && Grid()->Loading())) {
        wordWrap_ = wordWrap;
        SetAssigned(cvWordWrap, true);
    }
    Changed();
}

bool TColumnEh::Checkboxes()
{
    if (IsAssigned(cvCheckboxes))
        return checkboxes_;
    DbField* field = BoundField();
    return field && field->DataType() == ftBoolean;
}

bool TColumnEh::EndEllipsis() const
{
    if (IsAssigned(cvEndEllipsis))
        return endEllipsis_;
    return Grid() && Grid()->ColumnDefValues().EndEllipsis;
}

void TColumnEh::SetEndEllipsis(bool endEllipsis)
{
    if (StoreAssigned(endEllipsis_, endEllipsis, assigned_, cvEndEllipsis))
        Changed();
}

void TColumnEh::SetCheckboxes(bool on)
{
    if (StoreAssigned(checkboxes_, on, assigned_, cvCheckboxes))
        Changed();
}

void TColumnEh::SetLayout(TTextLayout layout)
{
    if (StoreAssigned(layout_, layout, assigned_, cvLayout))
        Changed();
}

void TColumnEh::SetImeMode(const QString& mode)
{
    // Set only when set already or different from the default; notified always.
    if (IsAssigned(cvImeMode) || mode != imeMode_) {
        imeMode_ = mode;
        SetAssigned(cvImeMode, true);
    }
    Changed();
}

void TColumnEh::SetImeName(const QString& name)
{
    if (IsAssigned(cvImeName) || name != imeName_) {
        imeName_ = name;
        SetAssigned(cvImeName, true);
    }
    Changed();
}

void TColumnEh::SetBiDiMode(const QString& mode)
{
    if (StoreAssigned(biDiMode_, mode, assigned_, cvBiDiMode))
        Changed();
}

void TColumnEh::SetLookupDisplayFields(const QString& fields)
{
    if (StoreAssigned(lookupDisplayFields_, fields, assigned_, cvLookupDisplayFields))
        Changed();
}

bool TColumnEh::Hint(TColumnEhValue which) const
{
    if (IsAssigned(which))
        return hints_ & which;
    const TColumnsOwnerEh* grid = Grid();
    if (!grid)
        return false;
    const TColumnDefValuesEh& d = const_cast<TColumnsOwnerEh*>(grid)->ColumnDefValues();
    switch (which) {
    case cvAlwaysShowEditButton: return d.AlwaysShowEditButton;
    case cvAutoDropDown: return d.AutoDropDown;
    case cvDblClickNextVal: return d.DblClickNextVal;
    case cvDropDownShowTitles: return d.DropDownShowTitles;
    case cvDropDownSizing: return d.DropDownSizing;
    case cvHighlightRequired: return d.HighlightRequired;
    default: return false;
    }
}

void TColumnEh::SetHint(TColumnEhValue which, bool on)
{
    if (IsAssigned(which) && bool(hints_ & which) == on)
        return;
    hints_ = on ? hints_ | which : hints_ & ~unsigned(which);
    SetAssigned(which, true);
    // The drop-down settings are stored without a notification.
    if (which == cvAlwaysShowEditButton || which == cvHighlightRequired)
        Changed();
}

TTextLayout TColumnEh::Layout() const
{
    if (IsAssigned(cvLayout))
        return layout_;
    return Grid() ? Grid()->ColumnDefValues().Layout : tlTop;
}

bool TColumnEh::ToolTips() const
{
    if (IsAssigned(cvToolTips))
        return toolTips_;
    return Grid() && Grid()->ColumnDefValues().ToolTips;
}

void TColumnEh::SetToolTips(bool toolTips)
{
    // Stored without a notification.
    StoreAssigned(toolTips_, toolTips, assigned_, cvToolTips);
}

void TColumnEh::SetDisplayFormat(const QString& format)
{
    if (displayFormat_ == format)
        return;
    displayFormat_ = format;
    Changed();
}

// --- footers -------------------------------------------------------------------

TColumnFooterEh& TColumnEh::FooterForRow(int row)
{
    return row >= 0 && row < footers_->Count() ? footers_->Item(row) : footer_;
}

void TColumnEh::RelinkFooters()
{
    footer_.Relink();
    for (int i = 0; i < footers_->Count(); ++i)
        footers_->Item(i).Relink();
}

// --- cell contents -------------------------------------------------------------

TColumnKindEh TColumnEh::Kind()
{
    if (Checkboxes())
        return ckCheckBox;
    if (!PickList.isEmpty() && KeyList.isEmpty())
        return ckPickList;
    if (!PickList.isEmpty() && !KeyList.isEmpty())
        return ckKeyPickList;
    return ckPlain;
}

QString TColumnEh::CellText()
{
    DbField* field = BoundField();
    if (!field || Kind() == ckImage)
        return QString();
    if (!KeyList.isEmpty()) {
        int at = -1;
        for (int k = 0; k < KeyList.size(); ++k)
            if (KeyList.at(k).compare(field->EditText(), Qt::CaseInsensitive) == 0) {
                at = k;
                break;
            }
        if (at >= 0 && at < PickList.size())
            return PickList.at(at);
        if (NotInKeyListIndex >= 0 && NotInKeyListIndex < PickList.size())
            return PickList.at(NotInKeyListIndex);
        return QString();
    }
    if (displayFormat_.isEmpty())
        return field->DisplayText();
    if (field->IsNull())
        return QString();
    if (field->IsNumeric())
        return FormatFloat(displayFormat_, field->AsFloat());
    if (field->DataType() == ftDateTime)
        return FormatDateTime(displayFormat_, field->AsDateTime());
    return QString();
}

TColCellParamsEh TColumnEh::BuildCellParams()
{
    TColCellParamsEh params;
    params.Font = Font();
    params.Background = Color();
    params.Alignment = Alignment();
    params.Text = CellText();
    params.ReadOnly = ReadOnly();
    DbField* field = BoundField();
    if (field) {
        int index = -1;
        if (!KeyList.isEmpty())
            index = int(KeyList.indexOf(field->EditText()));
        else if (!PickList.isEmpty())
            index = int(PickList.indexOf(field->EditText()));
        else if (field->DataType() == ftInteger || field->DataType() == ftSmallint || field->DataType() == ftLargeint)
            index = field->IsNull() ? -1 : int(field->AsInteger());
        params.ImageIndex = index == -1 ? NotInKeyListIndex : index;
    }
    FillCellParams(params);
    return params;
}

void TColumnEh::FillCellParams(TColCellParamsEh& params)
{
    if (onGetCellParams_)
        onGetCellParams_(*this, params);
}

void TColumnEh::SetOnGetCellParams(TGetCellParams handler)
{
    onGetCellParams_ = std::move(handler);
    if (TColumnsOwnerEh* grid = Grid())
        grid->Repaint();
}

// --- assigned values -------------------------------------------------------------

void TColumnEh::ClearAssignedValues()
{
    const bool fontWasAssigned = IsAssigned(cvFont);
    title_.ClearAssignedValues();
    assigned_ = 0;
    if (Grid())
        font_ = Grid()->Font();
    PickList.clear();
    ButtonStyle = cbsAuto;
    Changed(fontWasAssigned);
    KeyList.clear();
}

void TColumnEh::Assign(const TColumnEh& source)
{
    collection_.BeginUpdate();
    ClearAssignedValues();
    SetFieldName(source.fieldName_);
    const auto copy = [&](TColumnEhValue value, auto apply) {
        if (source.IsAssigned(value))
            apply();
    };
    copy(cvColor, [&] { SetColor(source.colour_); });
    copy(cvWidth, [&] { SetWidth(source.width_); });
    copy(cvFont, [&] { SetFont(source.font_); });
    copy(cvAlignment, [&] { SetAlignment(source.alignment_); });
    copy(cvReadOnly, [&] { SetReadOnly(source.readOnly_); });
    title_.Assign(source.title_);
    copy(cvWordWrap, [&] { SetWordWrap(source.wordWrap_); });
    copy(cvCheckboxes, [&] {
        checkboxes_ = source.checkboxes_;
        SetAssigned(cvCheckboxes, true);
    });
    copy(cvEndEllipsis, [&] { SetEndEllipsis(source.endEllipsis_); });
    copy(cvToolTips, [&] { SetToolTips(source.toolTips_); });
    copy(cvLayout, [&] {
        layout_ = source.layout_;
        SetAssigned(cvLayout, true);
    });
    minWidth_ = source.minWidth_;
    maxWidth_ = source.maxWidth_;
    visible_ = source.visible_;
    displayFormat_ = source.displayFormat_;
    KeyList = source.KeyList;
    PickList = source.PickList;
    NotInKeyListIndex = source.NotInKeyListIndex;
    HideDuplicates = source.HideDuplicates;
    AutoFitColWidth = source.AutoFitColWidth;
    ButtonStyle = source.ButtonStyle;
    DropDownRows = source.DropDownRows;
    Increment = source.Increment;
    Tag = source.Tag;
    footer_.Assign(source.footer_);
    collection_.EndUpdate();
}
