#include "CatalogueConversion.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <map>
#include <set>

namespace {

const QString kFirstBatch = u"首批重点监管"_qs;
const QString kExplosive = u"易制爆"_qs;
const QString kJoin = u"；"_qs;

// The hazard classes of the classification table, in its own wording.
const QStringList kHazardClasses = {
    u"爆炸物"_qs, u"易燃气体"_qs, u"化学不稳定性气体"_qs, u"易燃气溶胶"_qs, u"氧化性气体"_qs,
    u"加压气体"_qs, u"易燃液体"_qs, u"易燃固体"_qs, u"自反应物质和混合物"_qs, u"自燃液体"_qs,
    u"自燃固体"_qs, u"自热物质和混合物"_qs, u"遇水放出易燃气体的物质和混合物"_qs,
    u"氧化性液体"_qs, u"氧化性固体"_qs, u"有机过氧化物"_qs, u"金属腐蚀物"_qs,
    u"急性毒性-经口"_qs, u"急性毒性-经皮"_qs, u"急性毒性-吸入"_qs, u"皮肤腐蚀/刺激"_qs,
    u"严重眼损伤/眼刺激"_qs, u"呼吸道致敏物"_qs, u"皮肤致敏物"_qs, u"生殖细胞致突变性"_qs,
    u"致癌性"_qs, u"生殖毒性"_qs, u"特异性靶器官毒性-一次接触"_qs,
    u"特异性靶器官毒性-反复接触"_qs, u"吸入危害"_qs, u"危害水生环境-急性危害"_qs,
    u"危害水生环境-长期危害"_qs, u"危害臭氧层"_qs,
};

// Misprints of the transcription, by the text as it stands.
const QHash<QString, QString> kCategoryCorrections = {
    {u"严重眼损伤/眼刺激性,类别2"_qs, u"严重眼损伤/眼刺激,类别2"_qs},
    {u"异性靶器官毒性-一次接触,类别2"_qs, u"特异性靶器官毒性-一次接触,类别2"_qs},
};

const QRegularExpression& CategoryPattern()
{
    static const QRegularExpression pattern = [] {
        QStringList classes;
        for (const QString& name : kHazardClasses)
            classes.append(QRegularExpression::escape(name));
        return QRegularExpression(
            u"^(%1)(,(类别[1-4][A-C]?\\*?(（[^（）]+）)?|类别[AB]|[A-G]型|1\\.[1-6]项|不稳定爆炸物|附加类别))?$"_qs
                .arg(classes.join(u'|')));
    }();
    return pattern;
}

QString CleanedCategoryText(const QString& text)
{
    QString out = kCategoryCorrections.value(text, text);
    out.replace(u'，', u',').replace(u'３', u'3');
    out.replace(u"(呼吸道刺激)"_qs, u"（呼吸道刺激）"_qs);
    return out;
}

QString WithoutQualifier(const QString& matchingName)
{
    static const QRegularExpression qualifier(u"\\[[^\\[\\]]*\\]$"_qs);
    return QString(matchingName).remove(qualifier);
}

// CAS-looking tokens, for the numbers the table wrote into a classification cell.
QStringList CasNumbersIn(const QString& text)
{
    static const QRegularExpression cas(u"\\b\\d{2,7}-\\d{2}-\\d\\b"_qs);
    QStringList out;
    for (auto it = cas.globalMatch(text); it.hasNext();)
        out.append(it.next().captured());
    return out;
}

void AppendOnce(QStringList& list, const QString& value)
{
    if (!value.isEmpty() && !list.contains(value))
        list.append(value);
}

// Catalogue entries by the names and aliases a list may use for them.
class EntryIndex {
public:
    explicit EntryIndex(const QList<CatalogueEntry>& entries, const QList<QString>& names)
    {
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const CatalogueEntry& entry = entries.at(i);
            for (const QString& cas : entry.CasNumbers)
                byCas_[cas].insert(entry.Number);
            QStringList keys = entry.Aliases;
            keys.prepend(names.at(i));
            for (const QString& key : keys) {
                const QString name = MatchingName(key);
                byName_[name].insert(entry.Number);
                byBaseName_[WithoutQualifier(name)].insert(entry.Number);
            }
        }
    }

    std::set<int> ByCas(const QString& cas) const { return Lookup(byCas_, cas); }
    std::set<int> ByName(const QString& name) const { return Lookup(byName_, MatchingName(name)); }

    // A whole name first; failing that, a name without its bracketed
    // qualifier, on either side ("天然气" for "天然气[富含甲烷的]").
    std::set<int> ByNameOrBaseName(const QString& name) const
    {
        std::set<int> found = ByName(name);
        if (found.empty())
            found = Lookup(byBaseName_, WithoutQualifier(MatchingName(name)));
        return found;
    }

private:
    static std::set<int> Lookup(const std::map<QString, std::set<int>>& map, const QString& key)
    {
        const auto it = map.find(key);
        return it == map.end() ? std::set<int>() : it->second;
    }

    std::map<QString, std::set<int>> byCas_;
    std::map<QString, std::set<int>> byName_;
    std::map<QString, std::set<int>> byBaseName_;
};

QString AsciiPunctuation(QString name)
{
    return name.replace(u'，', u',').replace(u'（', u'(').replace(u'）', u')');
}

// The entries an explosive precursor names: those with its CAS number
// (narrowed by name where the number is on several), else those of its name
// or one of its aliases.
std::set<int> ExplosiveEntries(const EntryIndex& index, const ExplosiveItem& item)
{
    std::set<int> byName = index.ByName(item.Name);
    for (const QString& alias : item.Aliases)
        if (byName.empty())
            byName = index.ByName(alias);
    const std::set<int> byCas = item.Cas.isEmpty() ? std::set<int>() : index.ByCas(item.Cas);
    if (byCas.size() > 1) {
        std::set<int> both;
        for (int n : byCas)
            if (byName.count(n))
                both.insert(n);
        if (!both.empty())
            return both;
    }
    return byCas.empty() ? byName : byCas;
}

} // namespace

bool CasNumberValid(const QString& cas)
{
    static const QRegularExpression form(u"^(\\d{2,7})-(\\d{2})-(\\d)$"_qs);
    const auto match = form.match(cas);
    if (!match.hasMatch())
        return false;
    const QString digits = match.captured(1) + match.captured(2);
    int sum = 0;
    for (qsizetype i = 0; i < digits.size(); ++i)
        sum += int(digits.size() - i) * digits.at(i).digitValue();
    return sum % 10 == match.captured(3).toInt();
}

bool IsHazardCategory(const QString& text)
{
    return CategoryPattern().match(text).hasMatch();
}

QStringList HazardCategories(const QStringList& classificationTexts)
{
    QStringList categories;
    for (const QString& text : classificationTexts) {
        const QString cleaned = CleanedCategoryText(text.trimmed());
        if (IsHazardCategory(cleaned))
            AppendOnce(categories, cleaned);
    }
    return categories;
}

QString MatchingName(const QString& name)
{
    QString out = name.normalized(QString::NormalizationForm_KC);
    out.remove(QRegularExpression(u"\\s"_qs));
    return out;
}

QStringList BatchProductNames(const QString& itemName)
{
    // Split at "、" outside parentheses; "(含X、Y)" adds X and Y.
    QStringList names;
    QString current;
    QString inner;
    int depth = 0;
    auto flushInner = [&] {
        for (QString part : inner.split(u'、', Qt::SkipEmptyParts)) {
            if (part.startsWith(u'含'))
                part.remove(0, 1);
            AppendOnce(names, part.trimmed());
        }
        inner.clear();
    };
    for (QChar ch : MatchingName(itemName)) {
        if (ch == u'(') {
            ++depth;
        } else if (ch == u')') {
            depth = qMax(0, depth - 1);
            if (depth == 0)
                flushInner();
        } else if (depth > 0) {
            inner += ch;
        } else if (ch == u'、') {
            AppendOnce(names, current.trimmed());
            current.clear();
        } else {
            current += ch;
        }
    }
    AppendOnce(names, current.trimmed());
    // The main product first, then what the parentheses add.
    return names;
}

ConvertedCatalogue ConvertCatalogue(const CatalogueSources& sources)
{
    ConvertedCatalogue result;
    ConversionReport& report = result.Report;

    // Names: the list's own, unless the classification table writes another
    // name; the table is the official one and the list's differences are misprints.
    QList<QString> names;
    QList<QStringList> casNumbers;
    for (qsizetype i = 0; i < sources.Catalogue.size(); ++i) {
        const CatalogueEntry& entry = sources.Catalogue.at(i);
        const ClassificationEntry& table = sources.Classification.at(i);
        Q_ASSERT(entry.Number == table.Number);
        QString name = entry.Name;
        if (MatchingName(entry.Name) != MatchingName(table.Name)) {
            report.NameDisagreements.append(
                u"%1: %2 -> %3"_qs.arg(entry.Number).arg(entry.Name, table.Name));
            name = table.Name;
        }
        names.append(name);

        // CAS numbers: every valid number of either source, the list's first.
        QStringList merged;
        for (const QString& cas : entry.CasNumbers)
            AppendOnce(merged, cas);
        QStringList tableNumbers = table.CasNumbers;
        for (const QString& text : table.Texts)
            tableNumbers += CasNumbersIn(text);
        for (const QString& cas : tableNumbers)
            AppendOnce(merged, cas);
        QStringList valid;
        for (const QString& cas : merged)
            if (CasNumberValid(cas))
                valid.append(cas);
        QStringList tableSet;
        for (const QString& cas : table.CasNumbers)
            AppendOnce(tableSet, cas);
        if (QSet<QString>(entry.CasNumbers.begin(), entry.CasNumbers.end())
                != QSet<QString>(tableSet.begin(), tableSet.end())
            || valid != merged)
            report.CasDisagreements.append(u"%1 %2: list %3; table %4 -> %5"_qs.arg(entry.Number)
                                               .arg(name, entry.CasNumbers.join(kJoin),
                                                    tableSet.join(kJoin), valid.join(kJoin)));
        casNumbers.append(valid);
    }

    QList<CatalogueEntry> indexed = sources.Catalogue;
    for (qsizetype i = 0; i < indexed.size(); ++i)
        indexed[i].CasNumbers = casNumbers.at(i);
    const EntryIndex index(indexed, names);

    std::set<int> explosiveEntries;
    QList<ExplosiveItem> outside;
    for (const ExplosiveItem& item : sources.Explosives) {
        const std::set<int> found = ExplosiveEntries(index, item);
        if (found.empty()) {
            outside.append(item);
            report.ExplosivesOutsideCatalogue.append(
                u"%1 %2 %3"_qs.arg(item.Number, item.Name, item.Cas));
        }
        explosiveEntries.insert(found.begin(), found.end());
    }

    std::set<int> batchEntries;
    for (const BatchItem& item : sources.FirstBatch) {
        std::set<int> found = item.Cas.isEmpty() ? std::set<int>() : index.ByCas(item.Cas);
        for (const QString& product : BatchProductNames(item.Name)) {
            const std::set<int> byName = index.ByNameOrBaseName(product);
            if (byName.empty())
                report.BatchNamesWithoutEntry.append(u"%1 %2: %3"_qs.arg(item.Sequence).arg(item.Name, product));
            found.insert(byName.begin(), byName.end());
        }
        if (found.empty())
            report.BatchItemsWithoutEntry.append(u"%1 %2"_qs.arg(item.Sequence).arg(item.Name));
        batchEntries.insert(found.begin(), found.end());
    }

    RowsTable& table = result.Chemicals;
    table.Columns = {u"id"_qs,        u"index_id"_qs, u"name1"_qs,       u"name2"_qs,
                     u"name_eng"_qs,  u"cas"_qs,      u"dangtypes"_qs,   u"Iadmin_no"_qs,
                     u"specialadmin"_qs, u"remarks"_qs, u"drugchem"_qs,  u"exploidchem"_qs};
    int id = 0;
    auto addRow = [&](const RowValue& indexId, const QString& name, const QStringList& aliases,
                      const QString& cas, const QStringList& categories, bool firstBatch,
                      bool explosive, bool highlyToxic) {
        QStringList special;
        if (firstBatch)
            special.append(kFirstBatch);
        if (explosive)
            special.append(kExplosive);
        table.Rows.append({QString::number(++id), indexId, name, aliases.join(kJoin), QString(), cas,
                           categories.join(kJoin), firstBatch ? u"1"_qs : u"0"_qs, special.join(kJoin),
                           highlyToxic ? u"剧毒"_qs : QString(), u"0"_qs, explosive ? u"1"_qs : u"0"_qs});
    };

    for (qsizetype i = 0; i < sources.Catalogue.size(); ++i) {
        const CatalogueEntry& entry = sources.Catalogue.at(i);
        const QStringList categories = HazardCategories(sources.Classification.at(i).Texts);
        const bool firstBatch = batchEntries.count(entry.Number) > 0;
        const bool explosive = explosiveEntries.count(entry.Number) > 0;
        QStringList rowsCas = casNumbers.at(i);
        if (rowsCas.isEmpty())
            rowsCas.append(QString());
        for (const QString& cas : rowsCas)
            addRow(QString::number(entry.Number), names.at(i), entry.Aliases, cas, categories,
                   firstBatch, explosive, entry.HighlyToxic);
    }
    for (const ExplosiveItem& item : outside) {
        QStringList aliases;
        for (const QString& alias : item.Aliases)
            aliases.append(AsciiPunctuation(alias));
        addRow(std::nullopt, AsciiPunctuation(item.Name), aliases, item.Cas,
               HazardCategories(item.Note.split(kJoin)), false, true, false);
    }
    return result;
}
