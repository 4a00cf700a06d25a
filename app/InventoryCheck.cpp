#include "InventoryCheck.h"

#include "TabSeparated.h"

#include "rules/CatalogueText.h"

#include "db/Query.h"

#include <QRegularExpression>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// The name without its bracketed qualifier; empty when it has none.
QString stemKey(const QString& text)
{
    const QString key = matchingName(text);
    const QString stem = withoutQualifier(key);
    return stem == key ? QString() : stem;
}

QString englishKey(const QString& text)
{
    return matchingName(text).toCaseFolded();
}

bool isDash(QChar ch)
{
    const char16_t c = ch.unicode();
    return c == u'-' || (c >= 0x2010 && c <= 0x2015) || c == 0x2212 || c == 0xFE63;
}

enum class CasForm { NotCas, Valid, BadCheckDigit };

// A text in the form of a CAS number (full-width forms, blanks, dash variants
// and leading zeros allowed), written the catalogue's way, and whether its
// check digit holds. Form NotCas leaves Number empty.
struct CasReading {
    CasForm form = CasForm::NotCas;
    QString number;
};

CasReading readCasNumber(const QString& text)
{
    QString compact;
    for (QChar ch : matchingName(text))
        compact += isDash(ch) ? u'-' : ch;
    static const QRegularExpression form(u"^0*([0-9]{2,7}-[0-9]{2}-[0-9])$"_s);
    const QRegularExpressionMatch match = form.match(compact);
    if (!match.hasMatch())
        return {};
    const QString number = match.captured(1);
    return {casNumberValid(number) ? CasForm::Valid : CasForm::BadCheckDigit, number};
}

const QString& kindText(MatchKind kind)
{
    static const QString texts[] = {u"CAS"_s, u"品名"_s, u"别名"_s, u"英文名"_s, u"未列入"_s, u"CAS号无效"_s};
    return texts[int(kind)];
}

// A number as the report writes it: up to four significant digits.
QString number(double value)
{
    return QString::number(value, 'g', 4);
}

// The quantity after an item, in tonnes: "12.5 t", "800 kg", a bare number.
struct Quantity {
    enum class State { None, Read, Bad };
    State given = State::None;
    double tonnes = 0;
    QString problem;
};

Quantity readQuantity(const QString& text)
{
    static const QRegularExpression form(u"^([-+]?[0-9]+(?:\\.[0-9]+)?)\\s*(\\S*)$"_s);
    const QString trimmed = matchingName(text).trimmed();
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
    const MajorHazardThreshold* threshold = nullptr;
    QString basis;
};

RowThreshold thresholdOf(const CatalogueRow& e)
{
    const MajorHazardThreshold* smallest = smallestThreshold(e.majorHazard);
    if (!smallest)
        return {};
    return {smallest, smallest->basis + (e.majorHazard.size() > 1 ? u"（取最小）"_s : QString())};
}

QStringList reportRow(const QString& item, const InventoryMatch& match, const RowThreshold& threshold,
                      const Quantity& quantity)
{
    QStringList cells{item, kindText(match.kind)};
    if (const CatalogueRow* e = match.entry) {
        const double tonnes = threshold.threshold ? threshold.threshold->tonnes.toDouble() : 0;
        const bool counted = quantity.given == Quantity::State::Read && threshold.threshold && tonnes > 0;
        cells << e->indexId << e->name << e->cas << (e->highlyToxic ? u"剧毒"_s : QString())
              << (e->explosive ? u"易制爆"_s : QString()) << drugClassName(e->drugClass) << batchName(e->batch)
              << (e->specialControl ? u"特别管控"_s : QString())
              << (quantity.given == Quantity::State::Read ? number(quantity.tonnes) : QString())
              << (threshold.threshold ? number(tonnes) : QString()) << threshold.basis
              << (counted ? number(quantity.tonnes / tonnes) : QString()) << e->hazards;
    } else {
        cells << QStringList(kInventoryColumnCount - 2);
    }
    Q_ASSERT(cells.size() == kInventoryColumnCount);
    return cells;
}

// The statement that reads the catalogue for a check.
QString inventoryCatalogueSql()
{
    return u"SELECT id, index_id, name1, name2, name_eng, cas, dangtypes, Iadmin_no, specialadmin, remarks, drugchem, "
           u"exploidchem FROM hazardous_chemicals ORDER BY id"_s;
}

// Every row of an open query, as the rows files hold them.
RowsTable queryTable(const Query& query)
{
    RowsTable table;
    for (int i = 0; i < query.fieldCount(); ++i)
        table.columns.append(query.fieldAt(i).fieldName());
    for (int record = 0; record < query.recordCount(); ++record) {
        QList<RowValue> row;
        for (int i = 0; i < query.fieldCount(); ++i) {
            const QVariant value = query.fieldAt(i).value(record);
            row.append(value.isNull() ? RowValue() : RowValue(value.toString()));
        }
        table.rows.append(row);
    }
    return table;
}

} // namespace

InventoryIndex::InventoryIndex(std::vector<CatalogueRow> entries) : entries_(std::move(entries))
{
    for (int i = 0; i < int(entries_.size()); ++i) {
        const CatalogueRow& e = entries_[size_t(i)];
        const CasReading cas = readCasNumber(e.cas);
        if (cas.form != CasForm::NotCas)
            byCas_[cas.number].push_back(i);
        if (!e.name.isEmpty()) {
            byName_[matchingName(e.name)].push_back(i);
            if (const QString stem = stemKey(e.name); !stem.isEmpty())
                byNameStem_[stem].push_back(i);
        }
        for (const QString& alias : e.aliasList()) {
            byAlias_[matchingName(alias)].push_back(i);
            if (const QString stem = stemKey(alias); !stem.isEmpty())
                byAliasStem_[stem].push_back(i);
        }
        if (!e.englishName.isEmpty())
            byEnglishName_[englishKey(e.englishName)].push_back(i);
    }
}

std::vector<InventoryMatch> InventoryIndex::check(const QString& item) const
{
    const CasReading cas = readCasNumber(item);
    if (cas.form == CasForm::BadCheckDigit)
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
    if (cas.form == CasForm::Valid) {
        add(byCas_, cas.number, MatchKind::Cas);
    } else {
        const QString key = matchingName(item);
        add(byName_, key, MatchKind::Name);
        add(byAlias_, key, MatchKind::Alias);
        add(byEnglishName_, englishKey(item), MatchKind::EnglishName);
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

MajorHazardContext shippedMajorHazardContext()
{
    return {readMajorHazardRules(u":/major-hazard/major-hazard-rules.tsv"_s),
            MajorHazardGrading::read(u":/major-hazard/major-hazard-grading.tsv"_s), std::nullopt};
}

QStringList inventoryReportColumns()
{
    const QStringList titles{u"输入"_s, u"匹配"_s, u"危化目录序号"_s, u"品名"_s, u"CAS号"_s, u"剧毒"_s, u"易制爆"_s, u"易制毒"_s, u"重点监管"_s,
            u"特别管控"_s, u"数量(t)"_s, u"临界量(t)"_s, u"依据"_s, u"q/Q"_s, u"危险性类别"_s};
    Q_ASSERT(titles.size() == kInventoryColumnCount);
    return titles;
}

InventoryReport checkInventory(const InventoryIndex& index, const std::vector<InventoryItem>& inventory,
                               const MajorHazardContext& context)
{
    InventoryReport report;
    int items = 0, listed = 0, notListed = 0, badCas = 0, ambiguous = 0, withQuantity = 0;
    double s = 0, weighted = 0;
    QStringList leftOut;
    for (const InventoryItem& entry : inventory) {
        const QString& line = entry.chemical;  // as read, while item may become a part of it
        QString item = entry.chemical;
        QString quantityText = entry.quantity;
        std::vector<InventoryMatch> matches = index.check(item);
        const auto tryPart = [&](const QString& part, const QString& rest) {
            std::vector<InventoryMatch> byPart = index.check(part);
            if (byPart.front().kind == MatchKind::NotListed)
                return false;
            item = part;
            quantityText = rest;
            matches = std::move(byPart);
            return true;
        };
        // A name followed by its quantity, or a comma-separated line, unless
        // the whole line is a name (many have commas).
        static const QRegularExpression trailingQuantity(u"^(.*\\S)\\s+([-+]?[0-9][0-9.]*\\s*\\S*)$"_s);
        if (matches.front().kind == MatchKind::NotListed && entry.wholeLine) {
            const QRegularExpressionMatch trailing = trailingQuantity.match(line);
            if (trailing.hasMatch() && !tryPart(trailing.captured(1), trailing.captured(2))
                && readQuantity(trailing.captured(2)).given == Quantity::State::Read) {
                // Not listed, but with a quantity all the same.
                item = trailing.captured(1);
                quantityText = trailing.captured(2);
                matches = index.check(item);
            } else if (!trailing.hasMatch() && line.contains(u',')) {
                tryPart(line.section(u',', 0, 0).trimmed(), line.section(u',', 1).trimmed());
            }
        }
        const Quantity quantity = readQuantity(quantityText);
        ++items;
        const MatchKind kind = matches.front().kind;
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
            const RowThreshold threshold = match.entry ? thresholdOf(*match.entry) : RowThreshold{};
            report.startsItem.push_back(&match == &matches.front());
            report.rows.push_back(reportRow(item, match, threshold, quantity));
            const double tonnes = threshold.threshold ? threshold.threshold->tonnes.toDouble() : 0;
            if (tonnes > 0 && (!smallestRow || tonnes < smallest)) {
                smallestRow = match.entry;
                smallest = tonnes;
            }
        }

        if (quantity.given == Quantity::State::None)
            continue;
        ++withQuantity;
        const QString where = u"第%1行 %2"_s.arg(entry.row).arg(item);
        if (quantity.given == Quantity::State::Bad) {
            leftOut << where + u"（"_s + quantity.problem + u"）"_s;
            continue;
        }
        if (!smallestRow) {
            leftOut << where + (kind == MatchKind::NotListed || kind == MatchKind::BadCas
                                    ? u"（"_s + kindText(kind) + u"，无临界量）"_s
                                    : u"（GB 18218-2018未规定临界量）"_s);
            continue;
        }
        s += quantity.tonnes / smallest;
        weighted += context.grading.beta(*smallestRow, context.rules) * quantity.tonnes / smallest;
    }
    report.summary << u"共%1项：列入%2项（其中匹配多条%3项），未列入%4项，CAS号无效%5项"_s.arg(items).arg(listed).arg(ambiguous)
               .arg(notListed).arg(badCas);
    if (withQuantity == 0)
        return report;
    report.summary << u"重大危险源辨识（GB 18218-2018，按一个生产或储存单元计）：S = Σq/Q = "_s + number(s)
           + (s >= 1 ? u"，构成重大危险源"_s : u"，未构成重大危险源"_s);
    if (!leftOut.isEmpty())
        report.summary << u"未计入S：%1"_s.arg(leftOut.join(u"；"_s));
    if (context.peopleExposed && s >= 1) {
        const double alpha = context.grading.alpha(*context.peopleExposed);
        const double r = alpha * weighted;
        report.summary << u"分级：R = α·Σβ·q/Q = %1 × %2 = %3（α按厂外暴露人员%4人），%5重大危险源"_s.arg(number(alpha), number(weighted),
                                                                                         number(r))
                   .arg(*context.peopleExposed)
                   .arg(context.grading.grade(r));
    }
    return report;
}

QString inventoryReportText(const InventoryReport& report)
{
    QString text = inventoryReportColumns().join(u'\t') + u'\n';
    for (const QStringList& row : report.rows) {
        QStringList cells;
        for (const QString& cell : row)
            cells << tabSeparatedCell(cell);
        text += cells.join(u'\t') + u'\n';
    }
    for (const QString& line : report.summary)
        text += line + u'\n';
    return text;
}

InventoryCatalogue readInventoryCatalogue(Connection& connection)
{
    Query query;
    query.setConnection(&connection);
    const auto table = [&query](const QString& statement) {
        query.close();
        query.sql() = QStringList{statement};
        query.open();
        return queryTable(query);
    };
    std::vector<CatalogueRow> entries = catalogueRows(table(inventoryCatalogueSql()));
    MajorHazardContext context = shippedMajorHazardContext();
    attachMajorHazard(entries, table(u"SELECT seq, index_id, name, threshold_t FROM major_hazard_named"_s),
                      table(u"SELECT code, wording, threshold_t FROM major_hazard_categories"_s), context.rules);
    return {InventoryIndex(std::move(entries)), std::move(context)};
}
