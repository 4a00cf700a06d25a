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
QString entryName(const CatalogueEntry& entry, const ClassificationEntry& table, ConversionReport& report)
{
    if (matchingName(entry.name) == matchingName(table.name))
        return entry.name;
    report.nameDisagreements.append(u"%1: %2 -> %3"_s.arg(entry.number).arg(entry.name, table.name));
    return table.name;
}

// CAS numbers: every valid number of either source, the list's first.
QStringList entryCasNumbers(const CatalogueEntry& entry, const ClassificationEntry& table,
                            const QString& name, ConversionReport& report)
{
    QStringList tableNumbers;
    for (const QString& cas : table.casNumbers)
        appendOnce(tableNumbers, cas);
    QStringList merged = entry.casNumbers;
    for (const QString& cas : tableNumbers)
        appendOnce(merged, cas);
    for (const QString& text : table.texts)
        for (const QString& cas : casNumbersIn(text))
            appendOnce(merged, cas);
    QStringList valid;
    for (const QString& cas : merged)
        if (casNumberValid(cas))
            valid.append(cas);
    const bool sourcesAgree = QSet<QString>(entry.casNumbers.begin(), entry.casNumbers.end())
                              == QSet<QString>(tableNumbers.begin(), tableNumbers.end());
    if (!sourcesAgree || valid != merged)
        report.casDisagreements.append(u"%1 %2: list %3; table %4 -> %5"_s.arg(entry.number).arg(
            name, entry.casNumbers.join(kJoin), tableNumbers.join(kJoin), valid.join(kJoin)));
    return valid;
}

// What one row says beyond its number and CAS number.
struct RowFacts {
    QString name;
    QStringList aliases;
    QString englishName;
    QStringList categories;
    bool firstBatch = false;
    bool secondBatch = false;
    bool explosive = false;
    int drugCategory = 0;
    QString remarks;
    bool specialControl = false;
};

// The special lists a row is on, as the "其它特殊监管" column names them.
QString specialLabel(const RowFacts& facts)
{
    static const QStringList drugLabels = {u"第一类易制毒"_s, u"第二类易制毒"_s, u"第三类易制毒"_s};
    QStringList labels;
    if (facts.firstBatch)
        labels.append(u"首批重点监管"_s);
    if (facts.secondBatch)
        labels.append(u"第二批重点监管"_s);
    if (facts.explosive)
        labels.append(u"易制爆"_s);
    if (facts.drugCategory > 0)
        labels.append(drugLabels.at(facts.drugCategory - 1));
    if (facts.specialControl)
        labels.append(u"特别管控"_s);
    return labels.join(kJoin);
}

// The key-supervision batch number: the first batch where an entry is on both.
QString batchNumber(const RowFacts& facts)
{
    return facts.firstBatch ? u"1"_s : facts.secondBatch ? u"2"_s : u"0"_s;
}

class RowWriter {
public:
    explicit RowWriter(RowsTable& table) : table_(table)
    {
        table_.columns = {u"id"_s,       u"index_id"_s,  u"name1"_s,        u"name2"_s,
                          u"name_eng"_s, u"cas"_s,       u"dangtypes"_s,    u"Iadmin_no"_s,
                          u"specialadmin"_s, u"remarks"_s, u"drugchem"_s,   u"exploidchem"_s};
    }

    void add(const RowValue& indexId, const QString& cas, const RowFacts& facts)
    {
        table_.rows.append({QString::number(++id_), indexId, facts.name, facts.aliases.join(kJoin), facts.englishName,
                            cas, facts.categories.join(kJoin), batchNumber(facts), specialLabel(facts),
                            facts.remarks, QString::number(facts.drugCategory), facts.explosive ? u"1"_s : u"0"_s});
    }

private:
    RowsTable& table_;
    int id_ = 0;
};

} // namespace

ConvertedCatalogue convertCatalogue(const CatalogueSources& sources)
{
    ConvertedCatalogue result;
    ConversionReport& report = result.report;

    QList<EntryIndex::Entry> entries;
    for (qsizetype i = 0; i < sources.catalogue.size(); ++i) {
        const CatalogueEntry& entry = sources.catalogue.at(i);
        const ClassificationEntry& table = sources.classification.at(i);
        Q_ASSERT(entry.number == table.number);
        const QString name = entryName(entry, table, report);
        entries.append({entry.number, name, entry.aliases, entryCasNumbers(entry, table, name, report)});
    }

    const EntryIndex index(entries);
    SpecialMarks marks;
    markExplosives(index, sources.explosives, marks, report);
    markFirstBatch(index, sources.firstBatch, marks, report);
    markSecondBatch(index, sources.secondBatch, marks, report);
    markDrugPrecursors(index, sources.drugPrecursors, sources.drugPrecursorNumbers, marks, report);
    markSpecialControl(index, sources.specialControl, marks, report);

    RowWriter rows(result.chemicals);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const EntryIndex::Entry& entry = entries.at(i);
        const auto english = sources.englishNames.find(entry.number);
        const auto drug = marks.drugCategory.find(entry.number);
        const RowFacts facts{entry.name,
                             entry.aliases,
                             english == sources.englishNames.end() ? QString() : english->second,
                             hazardCategories(sources.classification.at(i).texts),
                             marks.firstBatch.count(entry.number) > 0,
                             marks.secondBatch.count(entry.number) > 0,
                             marks.explosive.count(entry.number) > 0,
                             drug == marks.drugCategory.end() ? 0 : drug->second,
                             sources.catalogue.at(i).highlyToxic ? u"剧毒"_s : QString(),
                             marks.specialControl.count(entry.number) > 0};
        const QStringList rowCas = entry.casNumbers.isEmpty() ? QStringList{QString()} : entry.casNumbers;
        for (const QString& cas : rowCas)
            rows.add(QString::number(entry.number), cas, facts);
    }
    result.specialControl.columns = {u"seq"_s, u"index_id"_s, u"grp"_s, u"name"_s, u"cas"_s, u"scope"_s};
    for (const auto& [number, item] : marks.specialControl)
        result.specialControl.rows.append({QString::number(item.sequence), QString::number(number), item.group,
                                           item.name, item.cas, specialControlScope(item)});
    std::sort(result.specialControl.rows.begin(), result.specialControl.rows.end(),
              [](const QList<RowValue>& a, const QList<RowValue>& b) { return a.at(0)->toInt() < b.at(0)->toInt(); });
    result.majorHazardNamed.columns = {u"seq"_s, u"index_id"_s, u"name"_s, u"cas"_s, u"threshold_t"_s};
    for (const MajorHazardItem& item : sources.majorHazardNamed) {
        const QList<int> entriesOfItem = item.entries.isEmpty() ? QList<int>{0} : item.entries;
        for (const int number : entriesOfItem)
            result.majorHazardNamed.rows.append({item.key, number > 0 ? RowValue(QString::number(number)) : std::nullopt,
                                                 item.name, item.cas, item.tonnes});
    }
    result.majorHazardCategories.columns = {u"code"_s, u"wording"_s, u"threshold_t"_s};
    for (const MajorHazardItem& item : sources.majorHazardCategories)
        result.majorHazardCategories.rows.append({item.key, item.name, item.tonnes});
    for (const OutsideChemical& chemical : marks.outside)
        for (const auto& [cas, englishName] : chemical.numbers)
            rows.add(std::nullopt, cas,
                     {chemical.name, chemical.aliases, englishName, chemical.categories, false, false,
                      chemical.explosive, chemical.drugCategory, chemical.remarks});
    return result;
}
