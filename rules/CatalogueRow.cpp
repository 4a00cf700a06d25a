#include "CatalogueRow.h"

#include "platform/Errors.h"

using namespace Qt::StringLiterals;

bool CatalogueRow::refrigeratedGas() const
{
    return (name + aliases).contains(u"冷冻"_s);
}

std::vector<CatalogueRow> catalogueRows(const RowsTable& chemicals)
{
    auto column = [&](const char* name) {
        const qsizetype at = chemicals.columns.indexOf(QString::fromLatin1(name));
        if (at < 0)
            throw Exception(u"the catalogue rows have no column "_s + QString::fromLatin1(name));
        return at;
    };
    const qsizetype indexId = column("index_id"), name = column("name1"), aliases = column("name2"),
                    english = column("name_eng"), cas = column("cas"), hazards = column("dangtypes"),
                    batch = column("Iadmin_no"), remarks = column("remarks"), drug = column("drugchem"),
                    explosive = column("exploidchem"), special = column("specialadmin");
    std::vector<CatalogueRow> entries;
    entries.reserve(size_t(chemicals.rows.size()));
    for (const QList<RowValue>& row : chemicals.rows) {
        auto text = [&](qsizetype at) { return row.value(at).value_or(QString()); };
        CatalogueRow e;
        e.indexId = text(indexId);
        e.name = text(name);
        e.aliases = text(aliases);
        e.englishName = text(english);
        e.cas = text(cas);
        e.hazards = text(hazards);
        e.batch = text(batch).toInt();
        e.drugClass = text(drug).toInt();
        e.explosive = text(explosive).toInt() > 0;
        e.highlyToxic = text(remarks).contains(u"剧毒"_s);
        e.specialControl = text(special).split(u'；').contains(u"特别管控"_s);
        entries.push_back(std::move(e));
    }
    return entries;
}

QString drugClassName(int drugClass)
{
    static const QString names[] = {QString(), u"第一类"_s, u"第二类"_s, u"第三类"_s};
    return drugClass >= 0 && drugClass <= 3 ? names[drugClass] : QString();
}

QString batchName(int batch)
{
    static const QString names[] = {QString(), u"首批"_s, u"第二批"_s};
    return batch >= 0 && batch <= 2 ? names[batch] : QString();
}

void attachSpecialControl(std::vector<CatalogueRow>& entries, const RowsTable& specialControl)
{
    const qsizetype indexId = specialControl.columns.indexOf(u"index_id"_s),
                    group = specialControl.columns.indexOf(u"grp"_s), scope = specialControl.columns.indexOf(u"scope"_s);
    if (indexId < 0 || group < 0 || scope < 0)
        throw Exception(u"the special-control rows lack index_id, grp or scope"_s);
    for (const QList<RowValue>& row : specialControl.rows)
        for (CatalogueRow& e : entries)
            if (e.indexId == row.value(indexId).value_or(QString())) {
                e.specialControlGroup = row.value(group).value_or(QString());
                e.specialControlScope = row.value(scope).value_or(QString());
            }
}
