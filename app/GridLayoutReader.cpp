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

namespace {

const char* const kAlignments[] = {"taLeftJustify", "taRightJustify", "taCenter"};
const char* const kValueTypes[] = {"fvtNon", "fvtCount"};

// Enumerations by their stored names, in the order of their values; an
// unknown name is the first value.
template <typename Enum, size_t N>
Enum fromStoredName(const char* const (&names)[N], const QString& name)
{
    for (size_t i = 0; i < N; ++i)
        if (name == QLatin1String(names[i]))
            return Enum(i);
    return Enum(0);
}

// A stored column: its field, width, alignment and font, its title's caption
// and alignment, its footer (a count, by a pattern, or nothing).
void readColumn(GridColumn& c, const QJsonObject& o)
{
    const auto has = [&o](const char* name) { return o.contains(QLatin1String(name)); };
    const auto text = [&o](const char* name) { return o.value(QLatin1String(name)).toString(); };
    if (has("FieldName"))
        c.setFieldName(text("FieldName"));
    if (has("Alignment"))
        c.setAlignment(fromStoredName<TextAlignment>(kAlignments, text("Alignment")));
    if (has("Font"))
        c.setFont(readGridFont(o.value(u"Font").toObject()));
    if (has("Width"))
        c.setWidth(o.value(u"Width").toInt());
    if (has("Title.Alignment"))
        c.title().setAlignment(fromStoredName<TextAlignment>(kAlignments, text("Title.Alignment")));
    if (has("Title.Caption"))
        c.title().setCaption(text("Title.Caption"));
    if (has("Footer.Alignment"))
        c.footer().setAlignment(fromStoredName<TextAlignment>(kAlignments, text("Footer.Alignment")));
    c.footer().displayFormat = text("Footer.DisplayFormat");
    if (has("Footer.ValueType"))
        c.footer().setValueType(fromStoredName<FooterValueType>(kValueTypes, text("Footer.ValueType")));
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
        {u"SumList"_s,
         [](DataGrid& g, const QJsonValue& v) {
             g.sumList()->setCountedField(v.toObject().value(u"CountedField").toString());
             g.sumList()->setActive(v.toObject().value(u"Active").toBool());
         }},
    };
    const auto setting = settings.find(name);
    if (setting == settings.end())
        return false;
    setting->second(grid, value);
    return true;
}
