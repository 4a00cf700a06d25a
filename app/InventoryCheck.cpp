#include "InventoryCheck.h"

#include "TabSeparated.h"

#include "rules/CatalogueText.h"

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

// A line's first field and the one after it: a quoted field unquoted
// (doubled quotes as one) and the comma- or tab-separated field that follows,
// else the texts before and after the first tab.
struct LeadingFields {
    QString First;
    QString Second;
};

LeadingFields SplitFields(const QString& line)
{
    if (!line.startsWith(u'"'))
        return {line.section(u'\t', 0, 0).trimmed(), line.section(u'\t', 1, 1).trimmed()};
    QString field;
    qsizetype i = 1;
    for (; i < line.size(); ++i) {
        if (line.at(i) == u'"') {
            if (i + 1 >= line.size() || line.at(i + 1) != u'"')
                break;
            ++i;
        }
        field += line.at(i);
    }
    const QString rest = line.mid(i + 1).trimmed();
    const bool separated = rest.startsWith(u',') || rest.startsWith(u'\t');
    return {field.trimmed(), separated ? rest.mid(1).section(u',', 0, 0).trimmed() : rest};
}

// A number as the report writes it: up to four significant digits.
QString Number(double value)
{
    return QString::number(value, 'g', 4);
}

// The quantity after an item, in tonnes: "12.5 t", "800 kg", a bare number.
struct Quantity {
    enum class State { None, Read, Bad };
    State Given = State::None;
    double Tonnes = 0;
    QString Problem;
};

Quantity ReadQuantity(const QString& text)
{
    static const QRegularExpression form(u"^([-+]?[0-9]+(?:\\.[0-9]+)?)\\s*(\\S*)$"_s);
    const QString trimmed = MatchingName(text).trimmed();
    if (trimmed.isEmpty())
        return {};
    const QRegularExpressionMatch match = form.match(trimmed);
    if (!match.hasMatch())
        return {Quantity::State::Bad, 0, u"数量无法识别"_s};
    const double number = match.captured(1).toDouble();
    const QString unit = match.captured(2).toLower();
    double factor = 0;
    if (unit.isEmpty() || unit == u"t" || unit == u"吨")
        factor = 1;
    else if (unit == u"kg" || unit == u"千克" || unit == u"公斤")
        factor = 0.001;
    else
        return {Quantity::State::Bad, 0, u"单位无法识别：%1（可用t或kg）"_s.arg(match.captured(2))};
    if (number < 0)
        return {Quantity::State::Bad, 0, u"数量不能为负"_s};
    return {Quantity::State::Read, number * factor, QString()};
}

// The threshold of a row for a sum, and how the report names where it comes from.
struct RowThreshold {
    const MajorHazardThreshold* Threshold = nullptr;
    QString Basis;
};

RowThreshold ThresholdOf(const CatalogueRow& e)
{
    const MajorHazardThreshold* smallest = SmallestThreshold(e.MajorHazard);
    if (!smallest)
        return {};
    return {smallest, smallest->Basis + (e.MajorHazard.size() > 1 ? u"（取最小）"_s : QString())};
}

QString ReportLine(const QString& item, const InventoryMatch& match, const RowThreshold& threshold,
                   const Quantity& quantity)
{
    QStringList cells{TabSeparatedCell(item), KindText(match.Kind)};
    if (const CatalogueRow* e = match.Entry) {
        const double tonnes = threshold.Threshold ? threshold.Threshold->Tonnes.toDouble() : 0;
        const bool counted = quantity.Given == Quantity::State::Read && threshold.Threshold && tonnes > 0;
        cells << e->IndexId << e->Name << e->Cas << (e->HighlyToxic ? u"剧毒"_s : QString())
              << (e->Explosive ? u"易制爆"_s : QString()) << DrugClassName(e->DrugClass) << BatchName(e->Batch)
              << (e->SpecialControl ? u"特别管控"_s : QString())
              << (quantity.Given == Quantity::State::Read ? Number(quantity.Tonnes) : QString())
              << (threshold.Threshold ? Number(tonnes) : QString()) << threshold.Basis
              << (counted ? Number(quantity.Tonnes / tonnes) : QString()) << e->Hazards;
    } else {
        cells << QStringList(13);
    }
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

RowsTable QueryTable(const Query& query)
{
    RowsTable table;
    for (int i = 0; i < query.FieldCount(); ++i)
        table.Columns.append(query.FieldAt(i).FieldName());
    for (int record = 0; record < query.RecordCount(); ++record) {
        QList<RowValue> row;
        for (int i = 0; i < query.FieldCount(); ++i) {
            const QVariant value = query.FieldAt(i).Value(record);
            row.append(value.isNull() ? RowValue() : RowValue(value.toString()));
        }
        table.Rows.append(row);
    }
    return table;
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

MajorHazardContext ShippedMajorHazardContext()
{
    return {ReadMajorHazardRules(u":/major-hazard/major-hazard-rules.tsv"_s),
            MajorHazardGrading::Read(u":/major-hazard/major-hazard-grading.tsv"_s), std::nullopt};
}

QString InventoryReport(const InventoryIndex& index, const QString& fileText, const MajorHazardContext& context)
{
    QString out = u"输入\t匹配\t危化目录序号\t品名\tCAS号\t剧毒\t易制爆\t易制毒\t重点监管\t特别管控\t数量(t)\t临界量(t)\t依据\tq/Q\t"
                  u"危险性类别\n"_s;
    int items = 0, listed = 0, notListed = 0, badCas = 0, ambiguous = 0, withQuantity = 0;
    double s = 0, weighted = 0;
    QStringList leftOut;
    int lineNumber = 0;
    for (QString line : fileText.split(u'\n')) {
        ++lineNumber;
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const LeadingFields fields = SplitFields(line);
        QString item = fields.First;
        QString quantityText = fields.Second;
        std::vector<InventoryMatch> matches = index.Check(item);
        const auto tryPart = [&](const QString& part, const QString& rest) {
            std::vector<InventoryMatch> byPart = index.Check(part);
            if (byPart.front().Kind == MatchKind::NotListed)
                return false;
            item = part;
            quantityText = rest;
            matches = std::move(byPart);
            return true;
        };
        // A name followed by its quantity, or a comma-separated line, unless
        // the whole line is a name (many have commas).
        static const QRegularExpression trailingQuantity(u"^(.*\\S)\\s+([-+]?[0-9][0-9.]*\\s*\\S*)$"_s);
        if (matches.front().Kind == MatchKind::NotListed && item == line) {
            const QRegularExpressionMatch trailing = trailingQuantity.match(line);
            if (trailing.hasMatch() && !tryPart(trailing.captured(1), trailing.captured(2))
                && ReadQuantity(trailing.captured(2)).Given == Quantity::State::Read) {
                // Not listed, but with a quantity all the same.
                item = trailing.captured(1);
                quantityText = trailing.captured(2);
                matches = index.Check(item);
            } else if (!trailing.hasMatch() && line.contains(u',')) {
                tryPart(line.section(u',', 0, 0).trimmed(), line.section(u',', 1).trimmed());
            }
        }
        const Quantity quantity = ReadQuantity(quantityText);
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
        // Each row's line; the item's share of the sum takes the smallest threshold of its rows.
        const CatalogueRow* smallestRow = nullptr;
        double smallest = 0;
        for (const InventoryMatch& match : matches) {
            const RowThreshold threshold = match.Entry ? ThresholdOf(*match.Entry) : RowThreshold{};
            out += ReportLine(item, match, threshold, quantity);
            const double tonnes = threshold.Threshold ? threshold.Threshold->Tonnes.toDouble() : 0;
            if (tonnes > 0 && (!smallestRow || tonnes < smallest)) {
                smallestRow = match.Entry;
                smallest = tonnes;
            }
        }

        if (quantity.Given == Quantity::State::None)
            continue;
        ++withQuantity;
        const QString where = u"第%1行 %2"_s.arg(lineNumber).arg(item);
        if (quantity.Given == Quantity::State::Bad) {
            leftOut << where + u"（"_s + quantity.Problem + u"）"_s;
            continue;
        }
        if (!smallestRow) {
            leftOut << where + (kind == MatchKind::NotListed || kind == MatchKind::BadCas
                                    ? u"（"_s + KindText(kind) + u"，无临界量）"_s
                                    : u"（GB 18218-2018未规定临界量）"_s);
            continue;
        }
        s += quantity.Tonnes / smallest;
        weighted += context.Grading.Beta(*smallestRow, context.Rules) * quantity.Tonnes / smallest;
    }
    out += u"共%1项：列入%2项（其中匹配多条%3项），未列入%4项，CAS号无效%5项\n"_s.arg(items).arg(listed).arg(ambiguous)
               .arg(notListed).arg(badCas);
    if (withQuantity == 0)
        return out;
    out += u"重大危险源辨识（GB 18218-2018，按一个生产或储存单元计）：S = Σq/Q = "_s + Number(s)
           + (s >= 1 ? u"，构成重大危险源\n"_s : u"，未构成重大危险源\n"_s);
    if (!leftOut.isEmpty())
        out += u"未计入S：%1\n"_s.arg(leftOut.join(u"；"_s));
    if (context.PeopleExposed && s >= 1) {
        const double alpha = context.Grading.Alpha(*context.PeopleExposed);
        const double r = alpha * weighted;
        out += u"分级：R = α·Σβ·q/Q = %1 × %2 = %3（α按厂外暴露人员%4人），%5重大危险源\n"_s.arg(Number(alpha), Number(weighted),
                                                                                         Number(r))
                   .arg(*context.PeopleExposed)
                   .arg(context.Grading.Grade(r));
    }
    return out;
}
