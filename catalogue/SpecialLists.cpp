#include "SpecialLists.h"

#include "rules/CatalogueText.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

const QStringList kCategoryNames = {u"第一类"_s, u"第二类"_s, u"第三类"_s};

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

bool HasChineseName(const QString& name)
{
    for (QChar ch : name)
        if (ch.unicode() >= 0x4E00 && ch.unicode() <= 0x9FFF)
            return true;
    return false;
}

QString Listed(const QString& text)
{
    return AsciiPunctuation(QString(text).remove(u'*'));
}

// The numbers given for an item, whichever punctuation its name is written in.
const PrecursorNumbers* NumbersOf(const std::map<QString, PrecursorNumbers>& numbers, const QString& itemName)
{
    for (const auto& [name, listed] : numbers)
        if (MatchingName(Listed(name)) == MatchingName(Listed(itemName)))
            return &listed;
    return nullptr;
}

} // namespace

void MarkExplosives(const EntryIndex& index, const QList<ExplosiveItem>& items, SpecialMarks& marks,
                    ConversionReport& report)
{
    for (const ExplosiveItem& item : items) {
        const std::set<int> found = ExplosiveEntries(index, item);
        marks.Explosive.insert(found.begin(), found.end());
        if (!found.empty())
            continue;
        report.ExplosivesOutsideCatalogue.append(u"%1 %2 %3"_s.arg(item.Number, item.Name, item.Cas));
        OutsideChemical chemical;
        chemical.Name = AsciiPunctuation(item.Name);
        for (const QString& alias : item.Aliases)
            chemical.Aliases.append(AsciiPunctuation(alias));
        chemical.Numbers = {{item.Cas, QString()}};
        chemical.Categories = HazardCategories(item.Note.split(u"；"_s));
        chemical.Explosive = true;
        marks.Outside.append(chemical);
    }
}

void MarkFirstBatch(const EntryIndex& index, const QList<BatchItem>& items, SpecialMarks& marks,
                    ConversionReport& report)
{
    for (const BatchItem& item : items) {
        std::set<int> found = item.Cas.isEmpty() ? std::set<int>() : index.ByCas(item.Cas);
        for (const QString& product : BatchProductNames(item.Name)) {
            const std::set<int> byName = index.ByNameOrBaseName(product);
            if (byName.empty())
                report.BatchNamesWithoutEntry.append(u"%1 %2: %3"_s.arg(item.Sequence).arg(item.Name, product));
            found.insert(byName.begin(), byName.end());
        }
        if (found.empty())
            report.BatchItemsWithoutEntry.append(u"%1 %2"_s.arg(item.Sequence).arg(item.Name));
        marks.FirstBatch.insert(found.begin(), found.end());
    }
}

void MarkSecondBatch(const EntryIndex& index, const QList<SecondBatchItem>& items, SpecialMarks& marks,
                     ConversionReport& report)
{
    for (const SecondBatchItem& item : items) {
        const std::set<int> byCas = index.ByCas(item.Cas);
        if (!byCas.count(item.CatalogueNumber)) {
            report.SecondBatchMatches.append(u"%1 %2 %3: entry %4 does not carry that CAS number, not marked"_s
                                                 .arg(item.Sequence).arg(item.Name, item.Cas).arg(item.CatalogueNumber));
            continue;
        }
        marks.SecondBatch.insert(item.CatalogueNumber);
        report.SecondBatchMatches.append(u"%1 %2 %3 -> %4 %5"_s.arg(item.Sequence).arg(item.Name, item.Cas)
                                             .arg(item.CatalogueNumber).arg(index.At(item.CatalogueNumber).Name));
    }
}

void MarkSpecialControl(const EntryIndex& index, const QList<SpecialControlItem>& items, SpecialMarks& marks,
                        ConversionReport& report)
{
    for (const SpecialControlItem& item : items) {
        if (!index.ByCas(item.Cas).count(item.CatalogueNumber)) {
            report.SpecialControlMatches.append(u"%1 %2 %3: entry %4 does not carry that CAS number, not marked"_s
                                                    .arg(item.Sequence).arg(item.Name, item.Cas).arg(item.CatalogueNumber));
            continue;
        }
        marks.SpecialControl[item.CatalogueNumber] = item;
        const QString scope = SpecialControlScope(item);
        report.SpecialControlMatches.append(u"%1 %2 %3 -> %4 %5%6"_s.arg(item.Sequence).arg(item.Name, item.Cas)
                                                .arg(item.CatalogueNumber)
                                                .arg(index.At(item.CatalogueNumber).Name,
                                                     scope.isEmpty() ? QString() : u" (scope: "_s + scope + u')'));
    }
}

QString SpecialControlScope(const SpecialControlItem& item)
{
    static const QRegularExpression note(u"^scope: ([^/]*\\p{Han}[^/]*?) /"_s);
    static const QRegularExpression bracketed(u"[（(]([^）)]*)[）)]$"_s);
    if (const QRegularExpressionMatch m = note.match(item.Note); m.hasMatch())
        return m.captured(1).trimmed();
    if (const QRegularExpressionMatch m = bracketed.match(item.Name); m.hasMatch())
        return m.captured(1);
    return QString();
}

void MarkDrugPrecursors(const EntryIndex& index, const QList<DrugPrecursorItem>& items,
                        const std::map<QString, PrecursorNumbers>& numbers, SpecialMarks& marks,
                        ConversionReport& report)
{
    for (const DrugPrecursorItem& item : items) {
        const QString label = item.Category > 0 ? kCategoryNames.at(item.Category - 1) : u"no class"_s;
        if (item.Category == 0 || !HasChineseName(item.Name)) {
            report.DrugPrecursorsLeftOut.append(u"%1 %2%3"_s.arg(label, item.Name,
                item.Cas.isEmpty() ? QString() : u' ' + item.Cas));
            continue;
        }
        const QStringList names = DrugPrecursorNames(item.Name);
        if (const std::set<int> byCas = item.Cas.isEmpty() ? std::set<int>() : index.ByCas(item.Cas);
            byCas.size() == 1) {
            const int number = *byCas.begin();
            marks.DrugCategory[number] = item.Category;
            report.DrugPrecursorMatches.append(u"%1 %2 -> %3 %4 (by CAS %5)"_s.arg(label, item.Name).arg(number).arg(
                index.At(number).Name, item.Cas));
            continue;
        }
        bool matched = false;
        for (const QString& name : names) {
            QString through = name;
            std::set<int> found = index.ByName(name);
            for (const NameSynonym& synonym : DrugPrecursorSynonyms())
                if (found.empty() && MatchingName(synonym.Listed) == MatchingName(name)) {
                    through = synonym.Catalogue;
                    found = index.ByName(synonym.Catalogue);
                }
            if (found.size() > 1) {
                report.DrugPrecursorMatches.append(u"%1 %2: ambiguous, not marked"_s.arg(label, name));
                continue;
            }
            if (found.empty())
                continue;
            const int number = *found.begin();
            marks.DrugCategory[number] = item.Category;
            matched = true;
            const EntryIndex::Entry& entry = index.At(number);
            report.DrugPrecursorMatches.append(
                u"%1 %2 -> %3 %4%5"_s.arg(label, name).arg(number).arg(entry.Name,
                    MatchingName(entry.Name) == MatchingName(through) ? QString()
                                                                       : u" (as "_s + through + u')'));
        }
        if (matched)
            continue;
        report.DrugPrecursorsOutsideCatalogue.append(u"%1 %2"_s.arg(label, item.Name));
        OutsideChemical chemical;
        chemical.Name = Listed(item.Name);
        if (names.size() > 1)
            chemical.Aliases = names;
        chemical.Numbers = {{item.Cas, item.EnglishName}};
        // An item the list names without a number takes those of the substances it names.
        if (const PrecursorNumbers* listed = NumbersOf(numbers, item.Name); listed && item.Cas.isEmpty()) {
            chemical.Numbers.clear();
            for (qsizetype i = 0; i < listed->Cas.size(); ++i)
                chemical.Numbers.append({listed->Cas.at(i), listed->Cas.size() > 1 && listed->EnglishNames.size() == listed->Cas.size()
                                                                ? listed->EnglishNames.at(i)
                                                            : !item.EnglishName.isEmpty() ? item.EnglishName
                                                                                          : listed->EnglishNames.join(u"; "_s)});
            report.DrugPrecursorNumbers.append(u"%1 %2: %3"_s.arg(label, item.Name, listed->Cas.join(u"；"_s)));
        }
        chemical.DrugCategory = item.Category;
        if (item.Name.contains(u'*'))
            chemical.Remarks = u"药品类易制毒化学品"_s;
        marks.Outside.append(chemical);
    }
}

QStringList BatchProductNames(const QString& itemName)
{
    // Split at "、" outside parentheses; "(含X、Y)" adds X and Y.
    QStringList names;
    QString current;
    QString inner;
    int depth = 0;
    for (QChar ch : MatchingName(itemName)) {
        if (ch == u'(') {
            ++depth;
        } else if (ch == u')') {
            depth = qMax(0, depth - 1);
            if (depth > 0)
                continue;
            for (QString part : inner.split(u'、', Qt::SkipEmptyParts))
                AppendOnce(names, part.startsWith(u'含') ? part.mid(1) : part);
            inner.clear();
        } else if (depth > 0) {
            inner += ch;
        } else if (ch == u'、') {
            AppendOnce(names, current);
            current.clear();
        } else {
            current += ch;
        }
    }
    AppendOnce(names, current);
    return names;
}

QStringList DrugPrecursorNames(const QString& itemName)
{
    static const QRegularExpression kindSuffix(u"等[^、]*类物质$"_s);
    QStringList names;
    for (const QString& part : Listed(itemName).split(u'、', Qt::SkipEmptyParts))
        AppendOnce(names, QString(part).remove(kindSuffix).trimmed());
    return names;
}

const QList<NameSynonym>& DrugPrecursorSynonyms()
{
    static const QList<NameSynonym> synonyms = {
        {u"甲基乙基酮"_s, u"乙基甲基酮"_s,
         u"the same two groups on the carbonyl, named in the other order (2-丁酮)"_s},
    };
    return synonyms;
}
