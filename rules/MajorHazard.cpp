#include "MajorHazard.h"

#include "platform/Errors.h"


#include <algorithm>

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

// Whether one of the entry's hazard categories falls under the rule.
bool Applies(const MajorHazardRule& rule, const CatalogueRow& entry)
{
    const QStringList categories = entry.HazardList();
    return std::any_of(categories.begin(), categories.end(),
                       [&rule](const QString& c) { return rule.Category.match(c).hasMatch(); });
}

} // namespace

QList<MajorHazardRule> ReadMajorHazardRules(const QString& path)
{
    QList<MajorHazardRule> rules;
    for (const QStringList& cells : ReadDataLines(path)) {
        MajorHazardRule rule{QRegularExpression(cells.value(0)), cells.value(1), cells.value(2)};
        if (!rule.Category.isValid() || rule.Code.isEmpty())
            throw Exception(path + u": a rule that does not read: "_s + cells.join(u'\t'));
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
    for (const QList<RowValue>& row : categories.Rows)
        for (const MajorHazardRule& rule : rules) {
            if (rule.Code != Cell(row, code) || !Applies(rule, entry))
                continue;
            const MajorHazardThreshold threshold{u"表2 "_s + rule.Code, Cell(row, wording), Cell(row, tonnes),
                                                 rule.Condition};
            if (!thresholds.contains(threshold))
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

MajorHazardGrading MajorHazardGrading::Read(const QString& path)
{
    MajorHazardGrading grading;
    for (const QStringList& cells : ReadDataLines(path)) {
        const QString kind = cells.value(0), key = cells.value(1), value = cells.value(2);
        if (kind == u"beta-named")
            grading.namedBeta_[key] = value.toDouble();
        else if (kind == u"beta-code")
            grading.codeBeta_[key] = value.toDouble();
        else if (kind == u"alpha")
            grading.alpha_.append({key.toDouble(), value.toDouble()});
        else if (kind == u"grade")
            grading.grades_.append({key.toDouble(), value});
        else
            throw Exception(path + u": a line that does not read: "_s + cells.join(u'\t'));
    }
    const auto largestFirst = [](const auto& a, const auto& b) { return a.first > b.first; };
    std::sort(grading.alpha_.begin(), grading.alpha_.end(), largestFirst);
    std::sort(grading.grades_.begin(), grading.grades_.end(), largestFirst);
    return grading;
}

double MajorHazardGrading::Beta(const CatalogueRow& entry, const QList<MajorHazardRule>& rules) const
{
    if (const auto named = namedBeta_.constFind(entry.Name); named != namedBeta_.cend())
        return *named;
    for (const MajorHazardThreshold& t : entry.MajorHazard)
        if (const auto named = namedBeta_.constFind(t.What); t.Basis.startsWith(u"表1"_s) && named != namedBeta_.cend())
            return *named;
    double beta = 0;
    for (const MajorHazardRule& rule : rules)
        if (Applies(rule, entry))
            beta = qMax(beta, codeBeta_.value(rule.Code));
    return beta > 0 ? beta : 1.0;
}

double MajorHazardGrading::Alpha(int peopleExposed) const
{
    for (const auto& [least, alpha] : alpha_)
        if (peopleExposed >= least)
            return alpha;
    return 1.0;
}

QString MajorHazardGrading::Grade(double r) const
{
    for (const auto& [least, grade] : grades_)
        if (r >= least)
            return grade;
    return QString();
}

const MajorHazardThreshold* SmallestThreshold(const QList<MajorHazardThreshold>& thresholds)
{
    const MajorHazardThreshold* smallest = nullptr;
    for (const MajorHazardThreshold& t : thresholds)
        if (!smallest || t.Tonnes.toDouble() < smallest->Tonnes.toDouble())
            smallest = &t;
    return smallest;
}
