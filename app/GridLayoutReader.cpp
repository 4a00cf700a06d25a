// The data grid's settings as a stored layout gives them: the only place that
// reads a stored grid; colour, alignment, layout and value-type names become
// the grid's own values here.
#include "GridLayoutReader.h"

#include "grid/DataGrid.h"

#include <QJsonArray>
#include <QJsonValue>
#include <functional>
#include <map>

using namespace Qt::StringLiterals;

using Property = GridColumn::Property;

namespace {

const char* const kAlignments[] = {"taLeftJustify", "taRightJustify", "taCenter"};
const char* const kValueTypes[] = {"fvtNon", "fvtSum", "fvtAvg", "fvtCount", "fvtFieldValue", "fvtStaticText"};
const char* const kLayouts[] = {"tlTop", "tlCenter", "tlBottom"};
const char* const kSortMarkers[] = {"smNone", "smDown", "smUp"};
const char* const kOrientations[] = {"tohHorizontal", "tohVertical"};

// Enumerations by their stored names, in the order of their values.
template <typename Enum, size_t N>
Enum FromStoredName(const char* const (&names)[N], const QString& name)
{
    for (size_t i = 0; i < N; ++i)
        if (name == QLatin1String(names[i]))
            return Enum(i);
    return Enum(0);
}

QStringList StringsFrom(const QJsonValue& value)
{
    QStringList list;
    for (const QJsonValue& v : value.toArray())
        list.append(v.toString());
    return list;
}

void ReadColumn(GridColumn& c, const QJsonObject& o)
{
    const auto has = [&o](const char* name) { return o.contains(QLatin1String(name)); };
    const auto text = [&o](const char* name) { return o.value(QLatin1String(name)).toString(); };
    if (has("FieldName"))
        c.SetFieldName(text("FieldName"));
    if (has("Alignment"))
        c.SetAlignment(FromStoredName<TextAlignment>(kAlignments, text("Alignment")));
    if (has("Checkboxes"))
        c.SetCheckboxes(o.value(u"Checkboxes").toBool());
    if (has("Layout"))
        c.SetLayout(FromStoredName<TextLayout>(kLayouts, text("Layout")));
    if (has("Color"))
        c.SetColor(ColourFromName(text("Color")));
    if (has("DisplayFormat"))
        c.SetDisplayFormat(text("DisplayFormat"));
    if (has("EndEllipsis"))
        c.SetEndEllipsis(o.value(u"EndEllipsis").toBool());
    if (has("Font"))
        c.SetFont(ReadGridFont(o.value(u"Font").toObject()));
    if (has("Footer.Alignment"))
        c.Footer().SetAlignment(FromStoredName<TextAlignment>(kAlignments, text("Footer.Alignment")));
    if (has("Footer.Color"))
        c.Footer().SetColor(ColourFromName(text("Footer.Color")));
    c.Footer().DisplayFormat = text("Footer.DisplayFormat");
    c.Footer().EndEllipsis = o.value(u"Footer.EndEllipsis").toBool();
    if (has("Footer.FieldName"))
        c.Footer().SetFieldName(text("Footer.FieldName"));
    if (has("Footer.Font"))
        c.Footer().SetFont(ReadGridFont(o.value(u"Footer.Font").toObject()));
    c.Footer().Value = text("Footer.Value");
    if (has("Footer.ValueType"))
        c.Footer().SetValueType(FromStoredName<FooterValueType>(kValueTypes, text("Footer.ValueType")));
    c.Footer().WordWrap = o.value(u"Footer.WordWrap").toBool();
    c.HideDuplicates = o.value(u"HideDuplicates").toBool();
    c.KeyList = StringsFrom(o.value(u"KeyList"));
    if (has("MaxWidth"))
        c.SetMaxWidth(o.value(u"MaxWidth").toInt());
    if (has("MinWidth"))
        c.SetMinWidth(o.value(u"MinWidth").toInt());
    c.NotInKeyListIndex = o.value(u"NotInKeyListIndex").toInt(-1);
    c.PickList = StringsFrom(o.value(u"PickList"));
    if (has("ReadOnly"))
        c.SetReadOnly(o.value(u"ReadOnly").toBool());
    if (has("Title.Alignment"))
        c.Title().SetAlignment(FromStoredName<TextAlignment>(kAlignments, text("Title.Alignment")));
    if (has("Title.Caption"))
        c.Title().SetCaption(text("Title.Caption"));
    if (has("Title.Color"))
        c.Title().SetColor(ColourFromName(text("Title.Color")));
    if (has("Title.Font"))
        c.Title().SetFont(ReadGridFont(o.value(u"Title.Font").toObject()));
    if (has("Title.EndEllipsis"))
        c.Title().SetEndEllipsis(o.value(u"Title.EndEllipsis").toBool());
    if (has("Title.Orientation"))
        c.Title().SetOrientation(FromStoredName<TextOrientation>(kOrientations, text("Title.Orientation")));
    if (has("Title.TitleButton"))
        c.Title().SetTitleButton(o.value(u"Title.TitleButton").toBool());
    c.Title().Hint = text("Title.Hint");
    c.Title().SetImageIndex(o.value(u"Title.ImageIndex").toInt(-1));
    c.Title().SetSortIndex(o.value(u"Title.SortIndex").toInt());
    c.Title().SortMarker = FromStoredName<SortMark>(kSortMarkers, text("Title.SortMarker"));
    if (has("Visible"))
        c.SetVisible(o.value(u"Visible").toBool());
    if (has("Width"))
        c.SetWidth(o.value(u"Width").toInt());
    if (has("WordWrap"))
        c.SetWordWrap(o.value(u"WordWrap").toBool());
}

} // namespace

GridFont ReadGridFont(const QJsonObject& stored)
{
    return {ReadFontSpec(stored), ColourFromName(stored.value(u"Color").toString(u"clWindowText"_s))};
}

void ReadGridColumns(GridColumns& columns, const QJsonArray& stored)
{
    columns.BeginUpdate();
    columns.Clear();
    for (const QJsonValue& value : stored)
        ReadColumn(columns.Add(), value.toObject());
    columns.EndUpdate();
}

bool ApplyGridSetting(DataGrid& grid, const QString& name, const QJsonValue& value)
{
    using Apply = std::function<void(DataGrid&, const QJsonValue&)>;
    static const std::map<QString, Apply> settings = {
        {u"Columns"_s, [](DataGrid& g, const QJsonValue& v) { g.ReplaceColumns([&v](GridColumns& columns) { ReadGridColumns(columns, v.toArray()); }); }},
        {u"FrozenCols"_s, [](DataGrid& g, const QJsonValue& v) { g.ChangeLayoutSettings([&v](GridLayoutSettings& s) { s.FrozenCols = v.toInt(); }); }},
        {u"FooterRowCount"_s, [](DataGrid& g, const QJsonValue& v) { g.ChangeLayoutSettings([&v](GridLayoutSettings& s) { s.FooterRowCount = v.toInt(); }); }},
        {u"ReadOnly"_s, [](DataGrid& g, const QJsonValue& v) { g.SetReadOnly(v.toBool()); }},
        {u"Flat"_s, [](DataGrid& g, const QJsonValue& v) { g.ChangeAppearance([&v](GridAppearance& a) { a.Flat = v.toBool(); }); }},
        {u"Color"_s, [](DataGrid& g, const QJsonValue& v) { g.ChangeAppearance([&v](GridAppearance& a) { a.Color = ColourFromName(v.toString()); }); }},
        {u"FooterColor"_s, [](DataGrid& g, const QJsonValue& v) { g.ChangeAppearance([&v](GridAppearance& a) { a.FooterColor = ColourFromName(v.toString()); }); }},
        {u"EvenRowColor"_s, [](DataGrid& g, const QJsonValue& v) { g.ChangeAppearance([&v](GridAppearance& a) { a.EvenRowColor = ColourFromName(v.toString()); }); }},
        {u"OddRowColor"_s, [](DataGrid& g, const QJsonValue& v) { g.ChangeAppearance([&v](GridAppearance& a) { a.OddRowColor = ColourFromName(v.toString()); }); }},
        {u"Font"_s, [](DataGrid& g, const QJsonValue& v) { g.ChangeAppearance([&v](GridAppearance& a) { a.Font = ReadGridFont(v.toObject()); }); }},
        {u"TitleFont"_s, [](DataGrid& g, const QJsonValue& v) { g.ChangeAppearance([&v](GridAppearance& a) { a.TitleFont = ReadGridFont(v.toObject()); }); }},
        {u"FooterFont"_s, [](DataGrid& g, const QJsonValue& v) { g.ChangeAppearance([&v](GridAppearance& a) { a.FooterFont = ReadGridFont(v.toObject()); }); }},
        {u"SumList"_s, [](DataGrid& g, const QJsonValue& v) { g.SumList()->SetActive(v.toObject().value(u"Active").toBool()); }},
    };
    const auto setting = settings.find(name);
    if (setting == settings.end())
        return false;
    setting->second(grid, value);
    return true;
}
