// The data grid's settings as a stored layout gives them.
#include "DataGrid.h"

#include <QJsonArray>
#include <QJsonValue>
#include <functional>
#include <map>

using namespace Qt::StringLiterals;

bool DataGrid::ApplyStoredSetting(const QString& name, const QJsonValue& value)
{
    using Apply = std::function<void(DataGrid&, const QJsonValue&)>;
    static const std::map<QString, Apply> settings = {
        {u"Columns"_s, [](DataGrid& g, const QJsonValue& v) { g.ReadStoredColumns(v.toArray()); }},
        {u"FrozenCols"_s, [](DataGrid& g, const QJsonValue& v) { g.SetFrozenCols(v.toInt()); }},
        {u"FooterRowCount"_s, [](DataGrid& g, const QJsonValue& v) { g.SetFooterRowCount(v.toInt()); }},
        {u"ReadOnly"_s, [](DataGrid& g, const QJsonValue& v) { g.SetReadOnly(v.toBool()); }},
        {u"Flat"_s, [](DataGrid& g, const QJsonValue& v) { g.SetFlat(v.toBool()); }},
        {u"Color"_s, [](DataGrid& g, const QJsonValue& v) { g.SetColor(v.toString()); }},
        {u"FooterColor"_s, [](DataGrid& g, const QJsonValue& v) { g.SetFooterColor(v.toString()); }},
        {u"EvenRowColor"_s, [](DataGrid& g, const QJsonValue& v) { g.SetEvenRowColor(v.toString()); }},
        {u"OddRowColor"_s, [](DataGrid& g, const QJsonValue& v) { g.SetOddRowColor(v.toString()); }},
        {u"Font"_s, [](DataGrid& g, const QJsonValue& v) { g.SetFont(ReadGridFont(v.toObject())); }},
        {u"TitleFont"_s, [](DataGrid& g, const QJsonValue& v) { g.SetTitleFont(ReadGridFont(v.toObject())); }},
        {u"FooterFont"_s, [](DataGrid& g, const QJsonValue& v) { g.SetFooterFont(ReadGridFont(v.toObject())); }},
        {u"SumList"_s, [](DataGrid& g, const QJsonValue& v) { g.SumList()->SetActive(v.toObject().value(u"Active").toBool()); }},
    };
    const auto setting = settings.find(name);
    if (setting == settings.end())
        return false;
    setting->second(*this, value);
    return true;
}
