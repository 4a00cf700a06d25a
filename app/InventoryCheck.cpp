#include "InventoryCheck.h"

#include "TabSeparated.h"

#include "catalogue/CatalogueText.h"

#include "db/Query.h"

#include <QRegularExpression>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// The name without its bracketed qualifier; empty when it has none.
QString StemKey(const QString& text)
{
    const QString key = MatchingName(text);
    const QString stem = WithoutQualifier(key);
    return stem == key ? QString() : stem;
}

QString EnglishKey(const QString& text)
{
    return MatchingName(text).toCaseFolded();
}

bool IsDash(QChar ch)
{
    const char16_t c = ch.unicode();
    return c == u'-' || (c >= 0x2010 && c <= 0x2015) || c == 0x2212 || c == 0xFE63;
}

enum class CasForm { NotCas, Valid, BadCheckDigit };

// A text in the form of a CAS number (full-width forms, blanks, dash variants
// and leading zeros allowed), written the catalogue's way, and whether its
// check digit holds. Form NotCas leaves Number empty.
struct CasReading {
    CasForm Form = CasForm::NotCas;
    QString Number;
};

CasReading ReadCasNumber(const QString& text)
{
    QString compact;
    for (QChar ch : MatchingName(text))
        compact += IsDash(ch) ? u'-' : ch;
    static const QRegularExpression form(u"^0*([0-9]{2,7}-[0-9]{2}-[0-9])$"_s);
    const QRegularExpressionMatch match = form.match(compact);
    if (!match.hasMatch())
        return {};
    const QString number = match.captured(1);
    return {CasNumberValid(number) ? CasForm::Valid : CasForm::BadCheckDigit, number};
}

const QString& KindText(MatchKind kind)
{
    static const QString texts[] = {u"CAS"_s, u"品名"_s, u"别名"_s, u"英文名"_s, u"未列入"_s, u"CAS号无效"_s};
    return texts[int(kind)];
}

// The first field of a line: a quoted field unquoted (doubled quotes as
// one), else the text before the first tab.
QString FirstField(const QString& line)
{
    if (line.startsWith(u'"')) {
        QString field;
        for (qsizetype i = 1; i < line.size(); ++i) {
            if (line.at(i) == u'"') {
                if (i + 1 >= line.size() || line.at(i + 1) != u'"')
                    break;
                ++i;
            }
            field += line.at(i);
        }
        return field.trimmed();
    }
    return line.section(u'\t', 0, 0).trimmed();
}

QString ReportLine(const QString& item, const InventoryMatch& match)
{
    QStringList cells{TabSeparatedCell(item), KindText(match.Kind)};
    if (const CatalogueRow* e = match.Entry)
        cells << e->IndexId << e->Name << e->Cas << (e->HighlyToxic ? u"剧毒"_s : QString())
              << (e->Explosive ? u"易制爆"_s : QString()) << DrugClassName(e->DrugClass) << BatchName(e->Batch)
              << (e->SpecialControl ? u"特别管控"_s : QString()) << e->Hazards;
    else
        cells << QStringList(9);
    for (qsizetype i = 2; i < cells.size(); ++i)
        cells[i] = TabSeparatedCell(cells[i]);
    return cells.join(u'\t') + u'\n';
}

} // namespace

QString InventoryCatalogueSql()
{
    return u"SELECT id, index_id, name1, name2, name_eng, cas, dangtypes, Iadmin_no, specialadmin, remarks, drugchem, "
           u"exploidchem FROM hazardous_chemicals ORDER BY id"_s;
}

std::vector<CatalogueRow> ReadCatalogueEntries(Query& query)
{
    const Field &indexId = query.FieldByName(u"index_id"_s), &name = query.FieldByName(u"name1"_s),
                &aliases = query.FieldByName(u"name2"_s), &english = query.FieldByName(u"name_eng"_s),
                &cas = query.FieldByName(u"cas"_s), &hazards = query.FieldByName(u"dangtypes"_s),
                &batch = query.FieldByName(u"Iadmin_no"_s), &drug = query.FieldByName(u"drugchem"_s),
                &explosive = query.FieldByName(u"exploidchem"_s), &remarks = query.FieldByName(u"remarks"_s),
                &special = query.FieldByName(u"specialadmin"_s);
    std::vector<CatalogueRow> entries;
    entries.reserve(size_t(query.RecordCount()));
    for (query.First(); !query.Eof(); query.Next()) {
        CatalogueRow e;
        e.IndexId = indexId.AsString();
        e.Name = name.AsString();
        e.Aliases = aliases.AsString();
        e.EnglishName = english.AsString();
        e.Cas = cas.AsString();
        e.Hazards = hazards.AsString();
        e.Batch = int(batch.AsInteger());
        e.DrugClass = int(drug.AsInteger());
        e.Explosive = explosive.AsInteger() > 0;
        e.HighlyToxic = remarks.AsString().contains(u"剧毒"_s);
        e.SpecialControl = special.AsString().split(u'；').contains(u"特别管控"_s);
        entries.push_back(std::move(e));
    }
    return entries;
}

InventoryIndex::InventoryIndex(std::vector<CatalogueRow> entries) : entries_(std::move(entries))
{
    for (int i = 0; i < int(entries_.size()); ++i) {
        const CatalogueRow& e = entries_[size_t(i)];
        const CasReading cas = ReadCasNumber(e.Cas);
        if (cas.Form != CasForm::NotCas)
            byCas_[cas.Number].push_back(i);
        if (!e.Name.isEmpty()) {
            byName_[MatchingName(e.Name)].push_back(i);
            if (const QString stem = StemKey(e.Name); !stem.isEmpty())
                byNameStem_[stem].push_back(i);
        }
        for (const QString& alias : e.AliasList()) {
            byAlias_[MatchingName(alias)].push_back(i);
            if (const QString stem = StemKey(alias); !stem.isEmpty())
                byAliasStem_[stem].push_back(i);
        }
        if (!e.EnglishName.isEmpty())
            byEnglishName_[EnglishKey(e.EnglishName)].push_back(i);
    }
}

std::vector<InventoryMatch> InventoryIndex::Check(const QString& item) const
{
    const CasReading cas = ReadCasNumber(item);
    if (cas.Form == CasForm::BadCheckDigit)
        return {{MatchKind::BadCas}};
    std::vector<InventoryMatch> matches;
    std::vector<bool> taken(entries_.size());
    auto add = [&](const QHash<QString, std::vector<int>>& index, const QString& key, MatchKind kind) {
        for (int i : index.value(key))
            if (!taken[size_t(i)]) {
                taken[size_t(i)] = true;
                matches.push_back({kind, &entries_[size_t(i)]});
            }
    };
    if (cas.Form == CasForm::Valid) {
        add(byCas_, cas.Number, MatchKind::Cas);
    } else {
        const QString key = MatchingName(item);
        add(byName_, key, MatchKind::Name);
        add(byAlias_, key, MatchKind::Alias);
        add(byEnglishName_, EnglishKey(item), MatchKind::EnglishName);
        // Failing those, the names whose qualifier the item leaves out.
        if (matches.empty()) {
            add(byNameStem_, key, MatchKind::Name);
            add(byAliasStem_, key, MatchKind::Alias);
        }
    }
    if (matches.empty())
        matches.push_back({MatchKind::NotListed});
    return matches;
}

QString InventoryReport(const InventoryIndex& index, const QString& fileText)
{
    QString out = u"输入\t匹配\t危化目录序号\t品名\tCAS号\t剧毒\t易制爆\t易制毒\t重点监管\t特别管控\t危险性类别\n"_s;
    int items = 0, listed = 0, notListed = 0, badCas = 0, ambiguous = 0;
    for (QString line : fileText.split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        QString item = FirstField(line);
        std::vector<InventoryMatch> matches = index.Check(item);
        // A comma-separated line, unless the whole line is a name (many have commas).
        if (matches.front().Kind == MatchKind::NotListed && item == line && line.contains(u',')) {
            const QString first = line.section(u',', 0, 0).trimmed();
            std::vector<InventoryMatch> byFirst = index.Check(first);
            if (byFirst.front().Kind != MatchKind::NotListed) {
                item = first;
                matches = std::move(byFirst);
            }
        }
        ++items;
        const MatchKind kind = matches.front().Kind;
        if (kind == MatchKind::NotListed)
            ++notListed;
        else if (kind == MatchKind::BadCas)
            ++badCas;
        else
            ++listed;
        if (matches.size() > 1)
            ++ambiguous;
        for (const InventoryMatch& match : matches)
            out += ReportLine(item, match);
    }
    out += u"共%1项：列入%2项（其中匹配多条%3项），未列入%4项，CAS号无效%5项\n"_s.arg(items).arg(listed).arg(ambiguous)
               .arg(notListed).arg(badCas);
    return out;
}
