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

QStringList stringsFrom(const QJsonValue& value)
{
    QStringList list;
    for (const QJsonValue& v : value.toArray())
        list.append(v.toString());
    return list;
}

void readColumn(GridColumn& c, const QJsonObject& o)
{
    const auto has = [&o](const char* name) { return o.contains(QLatin1String(name)); };
    const auto text = [&o](const char* name) { return o.value(QLatin1String(name)).toString(); };
    if (has("FieldName"))
        c.setFieldName(text("FieldName"));
    if (has("Alignment"))
        c.setAlignment(FromStoredName<TextAlignment>(kAlignments, text("Alignment")));
    if (has("Checkboxes"))
        c.setCheckboxes(o.value(u"Checkboxes").toBool());
    if (has("Layout"))
        c.setLayout(FromStoredName<TextLayout>(kLayouts, text("Layout")));
    if (has("Color"))
        c.setColor(colourFromName(text("Color")));
    if (has("DisplayFormat"))
        c.setDisplayFormat(text("DisplayFormat"));
    if (has("EndEllipsis"))
        c.setEndEllipsis(o.value(u"EndEllipsis").toBool());
    if (has("Font"))
        c.setFont(readGridFont(o.value(u"Font").toObject()));
    if (has("Footer.Alignment"))
        c.footer().setAlignment(FromStoredName<TextAlignment>(kAlignments, text("Footer.Alignment")));
    if (has("Footer.Color"))
        c.footer().setColor(colourFromName(text("Footer.Color")));
    c.footer().displayFormat = text("Footer.DisplayFormat");
    c.footer().endEllipsis = o.value(u"Footer.EndEllipsis").toBool();
    if (has("Footer.FieldName"))
        c.footer().setFieldName(text("Footer.FieldName"));
    if (has("Footer.Font"))
        c.footer().setFont(readGridFont(o.value(u"Footer.Font").toObject()));
    c.footer().value = text("Footer.Value");
    if (has("Footer.ValueType"))
        c.footer().setValueType(FromStoredName<FooterValueType>(kValueTypes, text("Footer.ValueType")));
    c.footer().wordWrap = o.value(u"Footer.WordWrap").toBool();
    c.hideDuplicates = o.value(u"HideDuplicates").toBool();
    c.keyList = stringsFrom(o.value(u"KeyList"));
    if (has("MaxWidth"))
        c.setMaxWidth(o.value(u"MaxWidth").toInt());
    if (has("MinWidth"))
        c.setMinWidth(o.value(u"MinWidth").toInt());
    c.notInKeyListIndex = o.value(u"NotInKeyListIndex").toInt(-1);
    c.pickList = stringsFrom(o.value(u"PickList"));
    if (has("ReadOnly"))
        c.setReadOnly(o.value(u"ReadOnly").toBool());
    if (has("Title.Alignment"))
        c.title().setAlignment(FromStoredName<TextAlignment>(kAlignments, text("Title.Alignment")));
    if (has("Title.Caption"))
        c.title().setCaption(text("Title.Caption"));
    if (has("Title.Color"))
        c.title().setColor(colourFromName(text("Title.Color")));
    if (has("Title.Font"))
        c.title().setFont(readGridFont(o.value(u"Title.Font").toObject()));
    if (has("Title.EndEllipsis"))
        c.title().setEndEllipsis(o.value(u"Title.EndEllipsis").toBool());
    if (has("Title.Orientation"))
        c.title().setOrientation(FromStoredName<TextOrientation>(kOrientations, text("Title.Orientation")));
    if (has("Title.TitleButton"))
        c.title().setTitleButton(o.value(u"Title.TitleButton").toBool());
    c.title().hint = text("Title.Hint");
    c.title().setImageIndex(o.value(u"Title.ImageIndex").toInt(-1));
    c.title().setSortIndex(o.value(u"Title.SortIndex").toInt());
    c.title().sortMarker = FromStoredName<SortMark>(kSortMarkers, text("Title.SortMarker"));
    if (has("Visible"))
        c.setVisible(o.value(u"Visible").toBool());
    if (has("Width"))
        c.setWidth(o.value(u"Width").toInt());
    if (has("WordWrap"))
        c.setWordWrap(o.value(u"WordWrap").toBool());
}

} // namespace

GridFont readGridFont(const QJsonObject& stored)
{
    return {readFontSpec(stored), colourFromName(stored.value(u"Color").toString(u"clWindowText"_s))};
}

void readGridColumns(GridColumns& columns, const QJsonArray& stored)
{
    columns.beginUpdate();
    columns.clear();
    for (const QJsonValue& value : stored)
        readColumn(columns.add(), value.toObject());
    columns.endUpdate();
}

bool applyGridSetting(DataGrid& grid, const QString& name, const QJsonValue& value)
{
    using Apply = std::function<void(DataGrid&, const QJsonValue&)>;
    static const std::map<QString, Apply> settings = {
        {u"Columns"_s, [](DataGrid& g, const QJsonValue& v) { g.replaceColumns([&v](GridColumns& columns) { readGridColumns(columns, v.toArray()); }); }},
        {u"FrozenCols"_s, [](DataGrid& g, const QJsonValue& v) { g.changeLayoutSettings([&v](GridLayoutSettings& s) { s.frozenCols = v.toInt(); }); }},
        {u"FooterRowCount"_s, [](DataGrid& g, const QJsonValue& v) { g.changeLayoutSettings([&v](GridLayoutSettings& s) { s.footerRowCount = v.toInt(); }); }},
        {u"ReadOnly"_s, [](DataGrid& g, const QJsonValue& v) { g.setReadOnly(v.toBool()); }},
        {u"Flat"_s, [](DataGrid& g, const QJsonValue& v) { g.changeAppearance([&v](GridAppearance& a) { a.flat = v.toBool(); }); }},
        {u"Color"_s, [](DataGrid& g, const QJsonValue& v) { g.changeAppearance([&v](GridAppearance& a) { a.color = colourFromName(v.toString()); }); }},
        {u"FooterColor"_s, [](DataGrid& g, const QJsonValue& v) { g.changeAppearance([&v](GridAppearance& a) { a.footerColor = colourFromName(v.toString()); }); }},
        {u"EvenRowColor"_s, [](DataGrid& g, const QJsonValue& v) { g.changeAppearance([&v](GridAppearance& a) { a.evenRowColor = colourFromName(v.toString()); }); }},
        {u"OddRowColor"_s, [](DataGrid& g, const QJsonValue& v) { g.changeAppearance([&v](GridAppearance& a) { a.oddRowColor = colourFromName(v.toString()); }); }},
        {u"Font"_s, [](DataGrid& g, const QJsonValue& v) { g.changeAppearance([&v](GridAppearance& a) { a.font = readGridFont(v.toObject()); }); }},
        {u"TitleFont"_s, [](DataGrid& g, const QJsonValue& v) { g.changeAppearance([&v](GridAppearance& a) { a.titleFont = readGridFont(v.toObject()); }); }},
        {u"FooterFont"_s, [](DataGrid& g, const QJsonValue& v) { g.changeAppearance([&v](GridAppearance& a) { a.footerFont = readGridFont(v.toObject()); }); }},
        {u"SumList"_s, [](DataGrid& g, const QJsonValue& v) { g.sumList()->setActive(v.toObject().value(u"Active").toBool()); }},
    };
    const auto setting = settings.find(name);
    if (setting == settings.end())
        return false;
    setting->second(grid, value);
    return true;
}
