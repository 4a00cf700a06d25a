#include "CatalogueConversion.h"

#include "rules/CatalogueText.h"
#include "EntryIndex.h"
#include "SpecialLists.h"

#include <QSet>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kJoin = u"；"_s;

// Names: the list's own, unless the classification table writes another
// name; the table is the official one and the list's differences are misprints.
QString EntryName(const CatalogueEntry& entry, const ClassificationEntry& table, ConversionReport& report)
{
    if (MatchingName(entry.Name) == MatchingName(table.Name))
        return entry.Name;
    report.NameDisagreements.append(u"%1: %2 -> %3"_s.arg(entry.Number).arg(entry.Name, table.Name));
    return table.Name;
}

// CAS numbers: every valid number of either source, the list's first.
QStringList EntryCasNumbers(const CatalogueEntry& entry, const ClassificationEntry& table,
                            const QString& name, ConversionReport& report)
{
    QStringList tableNumbers;
    for (const QString& cas : table.CasNumbers)
        AppendOnce(tableNumbers, cas);
    QStringList merged = entry.CasNumbers;
    for (const QString& cas : tableNumbers)
        AppendOnce(merged, cas);
    for (const QString& text : table.Texts)
        for (const QString& cas : CasNumbersIn(text))
            AppendOnce(merged, cas);
    QStringList valid;
    for (const QString& cas : merged)
        if (CasNumberValid(cas))
            valid.append(cas);
    const bool sourcesAgree = QSet<QString>(entry.CasNumbers.begin(), entry.CasNumbers.end())
                              == QSet<QString>(tableNumbers.begin(), tableNumbers.end());
    if (!sourcesAgree || valid != merged)
        report.CasDisagreements.append(u"%1 %2: list %3; table %4 -> %5"_s.arg(entry.Number).arg(
            name, entry.CasNumbers.join(kJoin), tableNumbers.join(kJoin), valid.join(kJoin)));
    return valid;
}

// What one row says beyond its number and CAS number.
struct RowFacts {
    QString Name;
    QStringList Aliases;
    QString EnglishName;
    QStringList Categories;
    bool FirstBatch = false;
    bool SecondBatch = false;
    bool Explosive = false;
    int DrugCategory = 0;
    QString Remarks;
    bool SpecialControl = false;
};

// The special lists a row is on, as the "其它特殊监管" column names them.
QString SpecialLabel(const RowFacts& facts)
{
    static const QStringList drugLabels = {u"第一类易制毒"_s, u"第二类易制毒"_s, u"第三类易制毒"_s};
    QStringList labels;
    if (facts.FirstBatch)
        labels.append(u"首批重点监管"_s);
    if (facts.SecondBatch)
        labels.append(u"第二批重点监管"_s);
    if (facts.Explosive)
        labels.append(u"易制爆"_s);
    if (facts.DrugCategory > 0)
        labels.append(drugLabels.at(facts.DrugCategory - 1));
    if (facts.SpecialControl)
        labels.append(u"特别管控"_s);
    return labels.join(kJoin);
}

// The key-supervision batch number: the first batch where an entry is on both.
QString BatchNumber(const RowFacts& facts)
{
    return facts.FirstBatch ? u"1"_s : facts.SecondBatch ? u"2"_s : u"0"_s;
}

class RowWriter {
public:
    explicit RowWriter(RowsTable& table) : table_(table)
    {
        table_.Columns = {u"id"_s,       u"index_id"_s,  u"name1"_s,        u"name2"_s,
                          u"name_eng"_s, u"cas"_s,       u"dangtypes"_s,    u"Iadmin_no"_s,
                          u"specialadmin"_s, u"remarks"_s, u"drugchem"_s,   u"exploidchem"_s};
    }

    void Add(const RowValue& indexId, const QString& cas, const RowFacts& facts)
    {
        table_.Rows.append({QString::number(++id_), indexId, facts.Name, facts.Aliases.join(kJoin), facts.EnglishName,
                            cas, facts.Categories.join(kJoin), BatchNumber(facts), SpecialLabel(facts),
                            facts.Remarks, QString::number(facts.DrugCategory), facts.Explosive ? u"1"_s : u"0"_s});
    }

private:
    RowsTable& table_;
    int id_ = 0;
};

} // namespace

ConvertedCatalogue ConvertCatalogue(const CatalogueSources& sources)
{
    ConvertedCatalogue result;
    ConversionReport& report = result.Report;

    QList<EntryIndex::Entry> entries;
    for (qsizetype i = 0; i < sources.Catalogue.size(); ++i) {
        const CatalogueEntry& entry = sources.Catalogue.at(i);
        const ClassificationEntry& table = sources.Classification.at(i);
        Q_ASSERT(entry.Number == table.Number);
        const QString name = EntryName(entry, table, report);
        entries.append({entry.Number, name, entry.Aliases, EntryCasNumbers(entry, table, name, report)});
    }

    const EntryIndex index(entries);
    SpecialMarks marks;
    MarkExplosives(index, sources.Explosives, marks, report);
    MarkFirstBatch(index, sources.FirstBatch, marks, report);
    MarkSecondBatch(index, sources.SecondBatch, marks, report);
    MarkDrugPrecursors(index, sources.DrugPrecursors, sources.DrugPrecursorNumbers, marks, report);
    MarkSpecialControl(index, sources.SpecialControl, marks, report);

    RowWriter rows(result.Chemicals);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const EntryIndex::Entry& entry = entries.at(i);
        const auto english = sources.EnglishNames.find(entry.Number);
        const auto drug = marks.DrugCategory.find(entry.Number);
        const RowFacts facts{entry.Name,
                             entry.Aliases,
                             english == sources.EnglishNames.end() ? QString() : english->second,
                             HazardCategories(sources.Classification.at(i).Texts),
                             marks.FirstBatch.count(entry.Number) > 0,
                             marks.SecondBatch.count(entry.Number) > 0,
                             marks.Explosive.count(entry.Number) > 0,
                             drug == marks.DrugCategory.end() ? 0 : drug->second,
                             sources.Catalogue.at(i).HighlyToxic ? u"剧毒"_s : QString(),
                             marks.SpecialControl.count(entry.Number) > 0};
        const QStringList rowCas = entry.CasNumbers.isEmpty() ? QStringList{QString()} : entry.CasNumbers;
        for (const QString& cas : rowCas)
            rows.Add(QString::number(entry.Number), cas, facts);
    }
    result.SpecialControl.Columns = {u"seq"_s, u"index_id"_s, u"grp"_s, u"name"_s, u"cas"_s, u"scope"_s};
    for (const auto& [number, item] : marks.SpecialControl)
        result.SpecialControl.Rows.append({QString::number(item.Sequence), QString::number(number), item.Group,
                                           item.Name, item.Cas, SpecialControlScope(item)});
    std::sort(result.SpecialControl.Rows.begin(), result.SpecialControl.Rows.end(),
              [](const QList<RowValue>& a, const QList<RowValue>& b) { return a.at(0)->toInt() < b.at(0)->toInt(); });
    result.MajorHazardNamed.Columns = {u"seq"_s, u"index_id"_s, u"name"_s, u"cas"_s, u"threshold_t"_s};
    for (const MajorHazardItem& item : sources.MajorHazardNamed) {
        const QList<int> entriesOfItem = item.Entries.isEmpty() ? QList<int>{0} : item.Entries;
        for (const int number : entriesOfItem)
            result.MajorHazardNamed.Rows.append({item.Key, number > 0 ? RowValue(QString::number(number)) : std::nullopt,
                                                 item.Name, item.Cas, item.Tonnes});
    }
    result.MajorHazardCategories.Columns = {u"code"_s, u"wording"_s, u"threshold_t"_s};
    for (const MajorHazardItem& item : sources.MajorHazardCategories)
        result.MajorHazardCategories.Rows.append({item.Key, item.Name, item.Tonnes});
    for (const OutsideChemical& chemical : marks.Outside)
        for (const auto& [cas, englishName] : chemical.Numbers)
            rows.Add(std::nullopt, cas,
                     {chemical.Name, chemical.Aliases, englishName, chemical.Categories, false, false,
                      chemical.Explosive, chemical.DrugCategory, chemical.Remarks});
    return result;
}
