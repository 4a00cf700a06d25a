#include "MajorHazard.h"

#include "platform/Errors.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

qsizetype Column(const RowsTable& table, const QString& name)
{
    const qsizetype at = table.Columns.indexOf(name);
    if (at < 0)
        throw Exception(u"the major-hazard rows have no column "_s + name);
    return at;
}

QString Cell(const QList<RowValue>& row, qsizetype at)
{
    return row.value(at).value_or(QString());
}

} // namespace

QList<MajorHazardRule> ReadMajorHazardRules(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(path + u": "_s + file.errorString());
    QList<MajorHazardRule> rules;
    bool titles = true;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u'#'))
            continue;
        if (std::exchange(titles, false))
            continue;
        const QStringList cells = line.split(u'\t');
        MajorHazardRule rule{QRegularExpression(cells.value(0)), cells.value(1).trimmed(), cells.value(2).trimmed()};
        if (!rule.Category.isValid() || rule.Code.isEmpty())
            throw Exception(path + u": a rule that does not read: "_s + line);
        rules.append(rule);
    }
    return rules;
}

QList<MajorHazardThreshold> MajorHazardThresholds(const CatalogueRow& entry, const RowsTable& named,
                                                  const RowsTable& categories, const QList<MajorHazardRule>& rules)
{
    QList<MajorHazardThreshold> thresholds;
    if (!entry.IndexId.isEmpty()) {
        const qsizetype seq = Column(named, u"seq"_s), indexId = Column(named, u"index_id"_s),
                        name = Column(named, u"name"_s), tonnes = Column(named, u"threshold_t"_s);
        for (const QList<RowValue>& row : named.Rows)
            if (Cell(row, indexId) == entry.IndexId)
                thresholds.append({u"表1 第"_s + Cell(row, seq) + u"项"_s, Cell(row, name), Cell(row, tonnes), QString()});
        if (!thresholds.isEmpty())
            return thresholds;
    }
    // Not named in 表1: by category, in the order of 表2, each code and condition once.
    const qsizetype code = Column(categories, u"code"_s), wording = Column(categories, u"wording"_s),
                    tonnes = Column(categories, u"threshold_t"_s);
    const QStringList categoriesOfEntry = entry.HazardList();
    for (const QList<RowValue>& row : categories.Rows)
        for (const MajorHazardRule& rule : rules) {
            if (rule.Code != Cell(row, code))
                continue;
            const bool applies = std::any_of(categoriesOfEntry.begin(), categoriesOfEntry.end(),
                                             [&rule](const QString& c) { return rule.Category.match(c).hasMatch(); });
            const MajorHazardThreshold threshold{u"表2 "_s + rule.Code, Cell(row, wording), Cell(row, tonnes),
                                                 rule.Condition};
            if (applies && !thresholds.contains(threshold))
                thresholds.append(threshold);
        }
    return thresholds;
}

void AttachMajorHazard(std::vector<CatalogueRow>& entries, const RowsTable& named, const RowsTable& categories,
                       const QList<MajorHazardRule>& rules)
{
    for (CatalogueRow& e : entries)
        e.MajorHazard = MajorHazardThresholds(e, named, categories, rules);
}

const MajorHazardThreshold* SmallestThreshold(const QList<MajorHazardThreshold>& thresholds)
{
    const MajorHazardThreshold* smallest = nullptr;
    for (const MajorHazardThreshold& t : thresholds)
        if (!smallest || t.Tonnes.toDouble() < smallest->Tonnes.toDouble())
            smallest = &t;
    return smallest;
}
