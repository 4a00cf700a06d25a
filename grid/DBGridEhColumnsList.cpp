// The grid's column collection and its stored form.
#include "DBGridEhColumns.h"

#include <QJsonValue>

namespace {

const char* const kAlignments[] = {"taLeftJustify", "taRightJustify", "taCenter"};
const char* const kValueTypes[] = {"fvtNon", "fvtSum", "fvtAvg", "fvtCount", "fvtFieldValue", "fvtStaticText"};
const char* const kLayouts[] = {"tlTop", "tlCenter", "tlBottom"};
const char* const kSortMarkers[] = {"smNoneEh", "smDownEh", "smUpEh"};
const char* const kOrientations[] = {"tohHorizontal", "tohVertical"};

// The editing hints, by their stored names.
const std::pair<const char*, TColumnEhValue> kHints[] = {
    {"AlwaysShowEditButton", cvAlwaysShowEditButton}, {"AutoDropDown", cvAutoDropDown},
    {"DblClickNextVal", cvDblClickNextVal},           {"DropDownShowTitles", cvDropDownShowTitles},
    {"DropDownSizing", cvDropDownSizing},             {"HighlightRequired", cvHighlightRequired},
};

template <size_t N>
int EnumIndex(const char* const (&names)[N], const QString& name)
{
    for (size_t i = 0; i < N; ++i)
        if (name == QLatin1String(names[i]))
            return int(i);
    return 0;
}

QJsonObject FontObject(const TFontEh& font)
{
    QJsonObject o{{u"Name"_qs, font.Face.Name}, {u"Height"_qs, font.Face.Height}, {u"Color"_qs, font.Colour}};
    QJsonArray style;
    if (font.Face.Bold)
        style.append(u"bold"_qs);
    if (font.Face.Italic)
        style.append(u"italic"_qs);
    if (font.Face.Underline)
        style.append(u"underline"_qs);
    if (!style.isEmpty())
        o.insert(u"Style"_qs, style);
    return o;
}

TFontEh FontFrom(const QJsonObject& o)
{
    TFontEh font;
    font.Face.Name = o.value(u"Name").toString(u"宋体"_qs);
    font.Face.Height = o.value(u"Height").toInt(-15);
    font.Colour = o.value(u"Color").toString(u"clWindowText"_qs);
    for (const QJsonValue& s : o.value(u"Style").toArray()) {
        font.Face.Bold |= s.toString() == u"bold";
        font.Face.Italic |= s.toString() == u"italic";
        font.Face.Underline |= s.toString() == u"underline";
    }
    return font;
}

QJsonArray Strings(const QStringList& list)
{
    return QJsonArray::fromStringList(list);
}

QStringList StringsFrom(const QJsonValue& value)
{
    QStringList list;
    for (const QJsonValue& v : value.toArray())
        list.append(v.toString());
    return list;
}

QJsonObject WriteColumn(TColumnEh& c)
{
    QJsonObject o;
    const auto flagged = [&](TColumnEhValue value, const QString& name, const QJsonValue& json) {
        if (c.IsAssigned(value))
            o.insert(name, json);
    };
    flagged(cvAlignment, u"Alignment"_qs, QString::fromLatin1(kAlignments[c.Alignment()]));
    for (const auto& [name, value] : kHints)
        flagged(value, QString::fromLatin1(name), c.Hint(value));
    flagged(cvBiDiMode, u"BiDiMode"_qs, c.BiDiMode());
    flagged(cvCheckboxes, u"Checkboxes"_qs, c.Checkboxes());
    flagged(cvColor, u"Color"_qs, c.Color());
    if (!c.DisplayFormat().isEmpty())
        o.insert(u"DisplayFormat"_qs, c.DisplayFormat());
    o.insert(u"EditButtons"_qs, QJsonArray());
    flagged(cvEndEllipsis, u"EndEllipsis"_qs, c.EndEllipsis());
    if (!c.FieldName().isEmpty())
        o.insert(u"FieldName"_qs, c.FieldName());
    flagged(cvFont, u"Font"_qs, FontObject(c.Font()));

    TColumnFooterEh& f = c.Footer();
    if (f.AssignedValues() & fvAlignment)
        o.insert(u"Footer.Alignment"_qs, QString::fromLatin1(kAlignments[f.Alignment()]));
    if (f.AssignedValues() & fvColor)
        o.insert(u"Footer.Color"_qs, f.Color());
    if (!f.DisplayFormat.isEmpty())
        o.insert(u"Footer.DisplayFormat"_qs, f.DisplayFormat);
    if (f.EndEllipsis)
        o.insert(u"Footer.EndEllipsis"_qs, true);
    if (!f.FieldName().isEmpty())
        o.insert(u"Footer.FieldName"_qs, f.FieldName());
    if (f.AssignedValues() & fvFont)
        o.insert(u"Footer.Font"_qs, FontObject(f.Font()));
    if ((f.AssignedValues() & fvToolTips) && f.ToolTips())
        o.insert(u"Footer.ToolTips"_qs, true);
    if (!f.Value.isEmpty())
        o.insert(u"Footer.Value"_qs, f.Value);
    if (f.ValueType() != fvtNon)
        o.insert(u"Footer.ValueType"_qs, QString::fromLatin1(kValueTypes[f.ValueType()]));
    if (f.WordWrap)
        o.insert(u"Footer.WordWrap"_qs, true);
    o.insert(u"Footers"_qs, QJsonArray());

    if (c.DropDownWidth != 0)
        o.insert(u"DropDownWidth"_qs, c.DropDownWidth);
    if (!c.EditMask.isEmpty())
        o.insert(u"EditMask"_qs, c.EditMask);
    if (c.HideDuplicates)
        o.insert(u"HideDuplicates"_qs, true);
    if (c.Increment != 1)
        o.insert(u"Increment"_qs, c.Increment);
    flagged(cvImeMode, u"ImeMode"_qs, c.ImeMode());
    flagged(cvImeName, u"ImeName"_qs, c.ImeName());
    if (!c.KeyList.isEmpty())
        o.insert(u"KeyList"_qs, Strings(c.KeyList));
    flagged(cvLayout, u"Layout"_qs, QString::fromLatin1(kLayouts[c.Layout()]));
    flagged(cvLookupDisplayFields, u"LookupDisplayFields"_qs, c.LookupDisplayFields());
    if (c.MaxWidth() != 0)
        o.insert(u"MaxWidth"_qs, c.MaxWidth());
    if (c.MinWidth() != 0)
        o.insert(u"MinWidth"_qs, c.MinWidth());
    if (c.NotInKeyListIndex != -1)
        o.insert(u"NotInKeyListIndex"_qs, c.NotInKeyListIndex);
    if (!c.PickList.isEmpty())
        o.insert(u"PickList"_qs, Strings(c.PickList));
    flagged(cvReadOnly, u"ReadOnly"_qs, c.ReadOnly());
    if (c.ShowImageAndText)
        o.insert(u"ShowImageAndText"_qs, true);
    if (c.Tag != 0)
        o.insert(u"Tag"_qs, c.Tag);

    TColumnTitleEh& t = c.Title();
    flagged(cvTitleAlignment, u"Title.Alignment"_qs, QString::fromLatin1(kAlignments[t.Alignment()]));
    flagged(cvTitleCaption, u"Title.Caption"_qs, t.Caption());
    flagged(cvTitleColor, u"Title.Color"_qs, t.Color());
    flagged(cvTitleFont, u"Title.Font"_qs, FontObject(t.Font()));
    flagged(cvTitleEndEllipsis, u"Title.EndEllipsis"_qs, t.EndEllipsis());
    if (!t.Hint.isEmpty())
        o.insert(u"Title.Hint"_qs, t.Hint);
    if (t.ImageIndex != -1)
        o.insert(u"Title.ImageIndex"_qs, t.ImageIndex);
    if (t.SortIndex() != 0)
        o.insert(u"Title.SortIndex"_qs, t.SortIndex());
    flagged(cvTitleOrientation, u"Title.Orientation"_qs, QString::fromLatin1(kOrientations[t.Orientation()]));
    if (t.SortMarker != smNoneEh)
        o.insert(u"Title.SortMarker"_qs, QString::fromLatin1(kSortMarkers[t.SortMarker]));
    flagged(cvTitleButton, u"Title.TitleButton"_qs, t.TitleButton());
    flagged(cvTitleToolTips, u"Title.ToolTips"_qs, t.ToolTips());

    flagged(cvToolTips, u"ToolTips"_qs, c.ToolTips());
    if (!c.Visible())
        o.insert(u"Visible"_qs, false);
    flagged(cvWidth, u"Width"_qs, c.Width());
    flagged(cvWordWrap, u"WordWrap"_qs, c.WordWrap());
    return o;
}

void ReadColumn(TColumnEh& c, const QJsonObject& o)
{
    const auto has = [&o](const char* name) { return o.contains(QLatin1String(name)); };
    const auto text = [&o](const char* name) { return o.value(QLatin1String(name)).toString(); };
    if (has("FieldName"))
        c.SetFieldName(text("FieldName"));
    if (has("Alignment"))
        c.SetAlignment(TAlignment(EnumIndex(kAlignments, text("Alignment"))));
    for (const auto& [name, value] : kHints)
        if (has(name))
            c.SetHint(value, o.value(QLatin1String(name)).toBool());
    if (has("Checkboxes"))
        c.SetCheckboxes(o.value(u"Checkboxes").toBool());
    if (has("Layout"))
        c.SetLayout(TTextLayout(EnumIndex(kLayouts, text("Layout"))));
    if (has("Color"))
        c.SetColor(text("Color"));
    if (has("DisplayFormat"))
        c.SetDisplayFormat(text("DisplayFormat"));
    if (has("EndEllipsis"))
        c.SetEndEllipsis(o.value(u"EndEllipsis").toBool());
    if (has("Font"))
        c.SetFont(FontFrom(o.value(u"Font").toObject()));
    if (has("Footer.Alignment"))
        c.Footer().SetAlignment(TAlignment(EnumIndex(kAlignments, text("Footer.Alignment"))));
    if (has("Footer.Color"))
        c.Footer().SetColor(text("Footer.Color"));
    c.Footer().DisplayFormat = text("Footer.DisplayFormat");
    c.Footer().EndEllipsis = o.value(u"Footer.EndEllipsis").toBool();
    if (has("Footer.FieldName"))
        c.Footer().SetFieldName(text("Footer.FieldName"));
    if (has("Footer.Font"))
        c.Footer().SetFont(FontFrom(o.value(u"Footer.Font").toObject()));
    if (has("Footer.ToolTips"))
        c.Footer().SetToolTips(o.value(u"Footer.ToolTips").toBool());
    c.Footer().Value = text("Footer.Value");
    if (has("Footer.ValueType"))
        c.Footer().SetValueType(TFooterValueType(EnumIndex(kValueTypes, text("Footer.ValueType"))));
    c.Footer().WordWrap = o.value(u"Footer.WordWrap").toBool();
    if (has("BiDiMode"))
        c.SetBiDiMode(text("BiDiMode"));
    if (has("ImeMode"))
        c.SetImeMode(text("ImeMode"));
    if (has("ImeName"))
        c.SetImeName(text("ImeName"));
    if (has("LookupDisplayFields"))
        c.SetLookupDisplayFields(text("LookupDisplayFields"));
    c.DropDownWidth = o.value(u"DropDownWidth").toInt();
    c.EditMask = text("EditMask");
    c.ShowImageAndText = o.value(u"ShowImageAndText").toBool();
    c.HideDuplicates = o.value(u"HideDuplicates").toBool();
    c.Increment = o.value(u"Increment").toDouble(1);
    c.KeyList = StringsFrom(o.value(u"KeyList"));
    if (has("MaxWidth"))
        c.SetMaxWidth(o.value(u"MaxWidth").toInt());
    if (has("MinWidth"))
        c.SetMinWidth(o.value(u"MinWidth").toInt());
    c.NotInKeyListIndex = o.value(u"NotInKeyListIndex").toInt(-1);
    c.PickList = StringsFrom(o.value(u"PickList"));
    if (has("ReadOnly"))
        c.SetReadOnly(o.value(u"ReadOnly").toBool());
    c.Tag = o.value(u"Tag").toInt();
    if (has("Title.Alignment"))
        c.Title().SetAlignment(TAlignment(EnumIndex(kAlignments, text("Title.Alignment"))));
    if (has("Title.Caption"))
        c.Title().SetCaption(text("Title.Caption"));
    if (has("Title.Color"))
        c.Title().SetColor(text("Title.Color"));
    if (has("Title.Font"))
        c.Title().SetFont(FontFrom(o.value(u"Title.Font").toObject()));
    if (has("Title.EndEllipsis"))
        c.Title().SetEndEllipsis(o.value(u"Title.EndEllipsis").toBool());
    if (has("Title.Orientation"))
        c.Title().SetOrientation(TTextOrientationEh(EnumIndex(kOrientations, text("Title.Orientation"))));
    if (has("Title.TitleButton"))
        c.Title().SetTitleButton(o.value(u"Title.TitleButton").toBool());
    if (has("Title.ToolTips"))
        c.Title().SetToolTips(o.value(u"Title.ToolTips").toBool());
    c.Title().Hint = text("Title.Hint");
    c.Title().ImageIndex = o.value(u"Title.ImageIndex").toInt(-1);
    c.Title().SetSortIndex(o.value(u"Title.SortIndex").toInt());
    c.Title().SortMarker = TSortMarkerEh(EnumIndex(kSortMarkers, text("Title.SortMarker")));
    if (has("ToolTips"))
        c.SetToolTips(o.value(u"ToolTips").toBool());
    if (has("Visible"))
        c.SetVisible(o.value(u"Visible").toBool());
    if (has("Width"))
        c.SetWidth(o.value(u"Width").toInt());
    if (has("WordWrap"))
        c.SetWordWrap(o.value(u"WordWrap").toBool());
}

} // namespace

int TColumnsEhList::IndexOf(const TColumnEh& column) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == &column)
            return int(i);
    return -1;
}

TDBGridColumnsEh::~TDBGridColumnsEh()
{
    // Columns tell their grid nothing while they go.
    ++updateCount_;
    items_.clear();
}

int TDBGridColumnsEh::IndexOf(const TColumnEh* column) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == column)
            return int(i);
    return -1;
}

TColumnEh& TDBGridColumnsEh::Add()
{
    items_.push_back(std::make_unique<TDBGridColumnEh>(*this, true));
    Update(nullptr);
    return *items_.back();
}

TColumnEh& TDBGridColumnsEh::AddDefault()
{
    items_.push_back(std::make_unique<TDBGridColumnEh>(*this, false));
    Update(nullptr);
    return *items_.back();
}

void TDBGridColumnsEh::Delete(int index)
{
    items_.erase(items_.begin() + index);
    Update(nullptr);
}

void TDBGridColumnsEh::Clear()
{
    if (items_.empty())
        return;
    items_.clear();
    Update(nullptr);
}

void TDBGridColumnsEh::Move(int from, int to)
{
    auto moved = std::move(items_[size_t(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(moved));
    Update(nullptr);
}

bool TDBGridColumnsEh::PersistentState() const
{
    for (const auto& column : items_)
        if (!column->IsDefaultColumn())
            return true;
    return false;
}

void TDBGridColumnsEh::DropFields()
{
    for (const auto& column : items_)
        column->DropField();
}

void TDBGridColumnsEh::EndUpdate()
{
    if (updateCount_ == 0)
        return;
    if (--updateCount_ == 0 && pendingUpdate_) {
        pendingUpdate_ = false;
        if (grid_)
            grid_->ColumnsChanged(nullptr);
    }
}

void TDBGridColumnsEh::Update(TColumnEh* column)
{
    if (Updating()) {
        pendingUpdate_ = true;
        return;
    }
    if (grid_ && !grid_->Loading())
        grid_->ColumnsChanged(column);
}

QJsonArray TDBGridColumnsEh::Write() const
{
    QJsonArray columns;
    for (const auto& column : items_)
        columns.append(WriteColumn(*column));
    return columns;
}

void TDBGridColumnsEh::Read(const QJsonArray& columns)
{
    BeginUpdate();
    items_.clear();
    for (const QJsonValue& value : columns) {
        items_.push_back(std::make_unique<TDBGridColumnEh>(*this, true));
        ReadColumn(*items_.back(), value.toObject());
    }
    EndUpdate();
}
