#include "CatalogueRow.h"

#include "platform/Errors.h"

using namespace Qt::StringLiterals;

bool CatalogueRow::RefrigeratedGas() const
{
    return (Name + Aliases).contains(u"冷冻"_s);
}

std::vector<CatalogueRow> CatalogueRows(const RowsTable& chemicals)
{
    auto column = [&](const char* name) {
        const qsizetype at = chemicals.Columns.indexOf(QString::fromLatin1(name));
        if (at < 0)
            throw Exception(u"the catalogue rows have no column "_s + QString::fromLatin1(name));
        return at;
    };
    const qsizetype indexId = column("index_id"), name = column("name1"), aliases = column("name2"),
                    english = column("name_eng"), cas = column("cas"), hazards = column("dangtypes"),
                    batch = column("Iadmin_no"), remarks = column("remarks"), drug = column("drugchem"),
                    explosive = column("exploidchem"), special = column("specialadmin");
    std::vector<CatalogueRow> entries;
    entries.reserve(size_t(chemicals.Rows.size()));
    for (const QList<RowValue>& row : chemicals.Rows) {
        auto text = [&](qsizetype at) { return row.value(at).value_or(QString()); };
        CatalogueRow e;
        e.IndexId = text(indexId);
        e.Name = text(name);
        e.Aliases = text(aliases);
        e.EnglishName = text(english);
        e.Cas = text(cas);
        e.Hazards = text(hazards);
        e.Batch = text(batch).toInt();
        e.DrugClass = text(drug).toInt();
        e.Explosive = text(explosive).toInt() > 0;
        e.HighlyToxic = text(remarks).contains(u"剧毒"_s);
        e.SpecialControl = text(special).split(u'；').contains(u"特别管控"_s);
        entries.push_back(std::move(e));
    }
    return entries;
}

QString DrugClassName(int drugClass)
{
    static const QString names[] = {QString(), u"第一类"_s, u"第二类"_s, u"第三类"_s};
    return drugClass >= 0 && drugClass <= 3 ? names[drugClass] : QString();
}

QString BatchName(int batch)
{
    static const QString names[] = {QString(), u"首批"_s, u"第二批"_s};
    return batch >= 0 && batch <= 2 ? names[batch] : QString();
}

void AttachSpecialControl(std::vector<CatalogueRow>& entries, const RowsTable& specialControl)
{
    const qsizetype indexId = specialControl.Columns.indexOf(u"index_id"_s),
                    group = specialControl.Columns.indexOf(u"grp"_s), scope = specialControl.Columns.indexOf(u"scope"_s);
    if (indexId < 0 || group < 0 || scope < 0)
        throw Exception(u"the special-control rows lack index_id, grp or scope"_s);
    for (const QList<RowValue>& row : specialControl.Rows)
        for (CatalogueRow& e : entries)
            if (e.IndexId == row.value(indexId).value_or(QString())) {
                e.SpecialControlGroup = row.value(group).value_or(QString());
                e.SpecialControlScope = row.value(scope).value_or(QString());
            }
}
