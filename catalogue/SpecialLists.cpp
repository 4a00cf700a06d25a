#include "SpecialLists.h"

#include "rules/CatalogueText.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

const QStringList kCategoryNames = {u"第一类"_s, u"第二类"_s, u"第三类"_s};

std::set<int> explosiveEntries(const EntryIndex& index, const ExplosiveItem& item)
{
    std::set<int> byName = index.byName(item.name);
    for (const QString& alias : item.aliases)
        if (byName.empty())
            byName = index.byName(alias);
    const std::set<int> byCas = item.cas.isEmpty() ? std::set<int>() : index.byCas(item.cas);
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

bool hasChineseName(const QString& name)
{
    for (QChar ch : name)
        if (ch.unicode() >= 0x4E00 && ch.unicode() <= 0x9FFF)
            return true;
    return false;
}

QString listedName(const QString& text)
{
    return asciiPunctuation(QString(text).remove(u'*'));
}

// The numbers given for an item, whichever punctuation its name is written in.
const PrecursorNumbers* numbersOf(const std::map<QString, PrecursorNumbers>& numbers, const QString& itemName)
{
    for (const auto& [name, listed] : numbers)
        if (matchingName(listedName(name)) == matchingName(listedName(itemName)))
            return &listed;
    return nullptr;
}

} // namespace

void markExplosives(const EntryIndex& index, const QList<ExplosiveItem>& items, SpecialMarks& marks,
                    ConversionReport& report)
{
    for (const ExplosiveItem& item : items) {
        const std::set<int> found = explosiveEntries(index, item);
        marks.explosive.insert(found.begin(), found.end());
        if (!found.empty())
            continue;
        report.explosivesOutsideCatalogue.append(u"%1 %2 %3"_s.arg(item.number, item.name, item.cas));
        OutsideChemical chemical;
        chemical.name = asciiPunctuation(item.name);
        for (const QString& alias : item.aliases)
            chemical.aliases.append(asciiPunctuation(alias));
        chemical.numbers = {{item.cas, QString()}};
        chemical.categories = hazardCategories(item.note.split(u"；"_s));
        chemical.explosive = true;
        marks.outside.append(chemical);
    }
}

void markFirstBatch(const EntryIndex& index, const QList<BatchItem>& items, SpecialMarks& marks,
                    ConversionReport& report)
{
    for (const BatchItem& item : items) {
        std::set<int> found = item.cas.isEmpty() ? std::set<int>() : index.byCas(item.cas);
        for (const QString& product : batchProductNames(item.name)) {
            const std::set<int> byName = index.byNameOrBaseName(product);
            if (byName.empty())
                report.batchNamesWithoutEntry.append(u"%1 %2: %3"_s.arg(item.sequence).arg(item.name, product));
            found.insert(byName.begin(), byName.end());
        }
        if (found.empty())
            report.batchItemsWithoutEntry.append(u"%1 %2"_s.arg(item.sequence).arg(item.name));
        marks.firstBatch.insert(found.begin(), found.end());
    }
}

void markSecondBatch(const EntryIndex& index, const QList<SecondBatchItem>& items, SpecialMarks& marks,
                     ConversionReport& report)
{
    for (const SecondBatchItem& item : items) {
        const std::set<int> byCas = index.byCas(item.cas);
        if (!byCas.count(item.catalogueNumber)) {
            report.secondBatchMatches.append(u"%1 %2 %3: entry %4 does not carry that CAS number, not marked"_s
                                                 .arg(item.sequence).arg(item.name, item.cas).arg(item.catalogueNumber));
            continue;
        }
        marks.secondBatch.insert(item.catalogueNumber);
        report.secondBatchMatches.append(u"%1 %2 %3 -> %4 %5"_s.arg(item.sequence).arg(item.name, item.cas)
                                             .arg(item.catalogueNumber).arg(index.at(item.catalogueNumber).name));
    }
}

void markSpecialControl(const EntryIndex& index, const QList<SpecialControlItem>& items, SpecialMarks& marks,
                        ConversionReport& report)
{
    for (const SpecialControlItem& item : items) {
        if (!index.byCas(item.cas).count(item.catalogueNumber)) {
            report.specialControlMatches.append(u"%1 %2 %3: entry %4 does not carry that CAS number, not marked"_s
                                                    .arg(item.sequence).arg(item.name, item.cas).arg(item.catalogueNumber));
            continue;
        }
        marks.specialControl[item.catalogueNumber] = item;
        const QString scope = specialControlScope(item);
        report.specialControlMatches.append(u"%1 %2 %3 -> %4 %5%6"_s.arg(item.sequence).arg(item.name, item.cas)
                                                .arg(item.catalogueNumber)
                                                .arg(index.at(item.catalogueNumber).name,
                                                     scope.isEmpty() ? QString() : u" (scope: "_s + scope + u')'));
    }
}

QString specialControlScope(const SpecialControlItem& item)
{
    static const QRegularExpression note(u"^scope: ([^/]*\\p{Han}[^/]*?) /"_s);
    static const QRegularExpression bracketed(u"[（(]([^）)]*)[）)]$"_s);
    if (const QRegularExpressionMatch m = note.match(item.note); m.hasMatch())
        return m.captured(1).trimmed();
    if (const QRegularExpressionMatch m = bracketed.match(item.name); m.hasMatch())
        return m.captured(1);
    return QString();
}

void markDrugPrecursors(const EntryIndex& index, const QList<DrugPrecursorItem>& items,
                        const std::map<QString, PrecursorNumbers>& numbers, SpecialMarks& marks,
                        ConversionReport& report)
{
    for (const DrugPrecursorItem& item : items) {
        const QString label = item.category > 0 ? kCategoryNames.at(item.category - 1) : u"no class"_s;
        if (item.category == 0 || !hasChineseName(item.name)) {
            report.drugPrecursorsLeftOut.append(u"%1 %2%3"_s.arg(label, item.name,
                item.cas.isEmpty() ? QString() : u' ' + item.cas));
            continue;
        }
        const QStringList names = drugPrecursorNames(item.name);
        if (const std::set<int> byCas = item.cas.isEmpty() ? std::set<int>() : index.byCas(item.cas);
            byCas.size() == 1) {
            const int number = *byCas.begin();
            marks.drugCategory[number] = item.category;
            report.drugPrecursorMatches.append(u"%1 %2 -> %3 %4 (by CAS %5)"_s.arg(label, item.name).arg(number).arg(
                index.at(number).name, item.cas));
            continue;
        }
        bool matched = false;
        for (const QString& name : names) {
            QString through = name;
            std::set<int> found = index.byName(name);
            for (const NameSynonym& synonym : drugPrecursorSynonyms())
                if (found.empty() && matchingName(synonym.listed) == matchingName(name)) {
                    through = synonym.catalogue;
                    found = index.byName(synonym.catalogue);
                }
            if (found.size() > 1) {
                report.drugPrecursorMatches.append(u"%1 %2: ambiguous, not marked"_s.arg(label, name));
                continue;
            }
            if (found.empty())
                continue;
            const int number = *found.begin();
            marks.drugCategory[number] = item.category;
            matched = true;
            const EntryIndex::Entry& entry = index.at(number);
            report.drugPrecursorMatches.append(
                u"%1 %2 -> %3 %4%5"_s.arg(label, name).arg(number).arg(entry.name,
                    matchingName(entry.name) == matchingName(through) ? QString()
                                                                       : u" (as "_s + through + u')'));
        }
        if (matched)
            continue;
        report.drugPrecursorsOutsideCatalogue.append(u"%1 %2"_s.arg(label, item.name));
        OutsideChemical chemical;
        chemical.name = listedName(item.name);
        if (names.size() > 1)
            chemical.aliases = names;
        chemical.numbers = {{item.cas, item.englishName}};
        // An item the list names without a number takes those of the substances it names.
        if (const PrecursorNumbers* listed = numbersOf(numbers, item.name); listed && item.cas.isEmpty()) {
            chemical.numbers.clear();
            for (qsizetype i = 0; i < listed->cas.size(); ++i)
                chemical.numbers.append({listed->cas.at(i), listed->cas.size() > 1 && listed->englishNames.size() == listed->cas.size()
                                                                ? listed->englishNames.at(i)
                                                            : !item.englishName.isEmpty() ? item.englishName
                                                                                          : listed->englishNames.join(u"; "_s)});
            report.drugPrecursorNumbers.append(u"%1 %2: %3"_s.arg(label, item.name, listed->cas.join(u"；"_s)));
        }
        chemical.drugCategory = item.category;
        if (item.name.contains(u'*'))
            chemical.remarks = u"药品类易制毒化学品"_s;
        marks.outside.append(chemical);
    }
}

QStringList batchProductNames(const QString& itemName)
{
    // Split at "、" outside parentheses; "(含X、Y)" adds X and Y.
    QStringList names;
    QString current;
    QString inner;
    int depth = 0;
    for (QChar ch : matchingName(itemName)) {
        if (ch == u'(') {
            ++depth;
        } else if (ch == u')') {
            depth = qMax(0, depth - 1);
            if (depth > 0)
                continue;
            for (QString part : inner.split(u'、', Qt::SkipEmptyParts))
                appendOnce(names, part.startsWith(u'含') ? part.mid(1) : part);
            inner.clear();
        } else if (depth > 0) {
            inner += ch;
        } else if (ch == u'、') {
            appendOnce(names, current);
            current.clear();
        } else {
            current += ch;
        }
    }
    appendOnce(names, current);
    return names;
}

QStringList drugPrecursorNames(const QString& itemName)
{
    static const QRegularExpression kindSuffix(u"等[^、]*类物质$"_s);
    QStringList names;
    for (const QString& part : listedName(itemName).split(u'、', Qt::SkipEmptyParts))
        appendOnce(names, QString(part).remove(kindSuffix).trimmed());
    return names;
}

const QList<NameSynonym>& drugPrecursorSynonyms()
{
    static const QList<NameSynonym> synonyms = {
        {u"甲基乙基酮"_s, u"乙基甲基酮"_s,
         u"the same two groups on the carbonyl, named in the other order (2-丁酮)"_s},
    };
    return synonyms;
}
