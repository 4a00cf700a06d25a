#include "MajorHazard.h"

#include "platform/Errors.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

qsizetype column(const RowsTable& table, const QString& name)
{
    const qsizetype at = table.columns.indexOf(name);
    if (at < 0)
        throw Exception(u"the major-hazard rows have no column "_s + name);
    return at;
}

QString cell(const QList<RowValue>& row, qsizetype at)
{
    return row.value(at).value_or(QString());
}

// The rules that one of the entry's hazard categories falls under, in their order.
QList<const MajorHazardRule*> applyingRules(const CatalogueRow& entry, const QList<MajorHazardRule>& rules)
{
    const QStringList categories = entry.hazardList();
    QList<const MajorHazardRule*> applying;
    for (const MajorHazardRule& rule : rules)
        if (std::any_of(categories.begin(), categories.end(),
                        [&rule](const QString& c) { return rule.category.match(c).hasMatch(); }))
            applying.append(&rule);
    return applying;
}

} // namespace

QList<MajorHazardRule> readMajorHazardRules(const QString& path)
{
    QList<MajorHazardRule> rules;
    for (const QStringList& cells : readDataLines(path)) {
        MajorHazardRule rule{QRegularExpression(cells.value(0)), cells.value(1), cells.value(2)};
        if (!rule.category.isValid() || rule.code.isEmpty())
            throw Exception(path + u": a rule that does not read: "_s + cells.join(u'\t'));
        rules.append(rule);
    }
    return rules;
}

QList<MajorHazardThreshold> majorHazardThresholds(const CatalogueRow& entry, const RowsTable& named,
                                                  const RowsTable& categories, const QList<MajorHazardRule>& rules)
{
    QList<MajorHazardThreshold> thresholds;
    if (!entry.indexId.isEmpty()) {
        const qsizetype seq = column(named, u"seq"_s), indexId = column(named, u"index_id"_s),
                        name = column(named, u"name"_s), tonnes = column(named, u"threshold_t"_s);
        for (const QList<RowValue>& row : named.rows)
            if (cell(row, indexId) == entry.indexId)
                thresholds.append({u"表1 第"_s + cell(row, seq) + u"项"_s, cell(row, name), cell(row, tonnes), QString()});
        if (!thresholds.isEmpty())
            return thresholds;
    }
    // Not named in 表1: by category, in the order of 表2, each code and condition once.
    const qsizetype code = column(categories, u"code"_s), wording = column(categories, u"wording"_s),
                    tonnes = column(categories, u"threshold_t"_s);
    const QList<const MajorHazardRule*> applying = applyingRules(entry, rules);
    for (const QList<RowValue>& row : categories.rows)
        for (const MajorHazardRule* rule : applying) {
            if (rule->code != cell(row, code))
                continue;
            const MajorHazardThreshold threshold{u"表2 "_s + rule->code, cell(row, wording), cell(row, tonnes),
                                                 rule->condition};
            if (!thresholds.contains(threshold))
                thresholds.append(threshold);
        }
    return thresholds;
}

void attachMajorHazard(std::vector<CatalogueRow>& entries, const RowsTable& named, const RowsTable& categories,
                       const QList<MajorHazardRule>& rules)
{
    for (CatalogueRow& e : entries)
        e.majorHazard = majorHazardThresholds(e, named, categories, rules);
}

MajorHazardGrading MajorHazardGrading::read(const QString& path)
{
    MajorHazardGrading grading;
    for (const QStringList& cells : readDataLines(path)) {
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

double MajorHazardGrading::beta(const CatalogueRow& entry, const QList<MajorHazardRule>& rules) const
{
    if (const auto named = namedBeta_.constFind(entry.name); named != namedBeta_.cend())
        return *named;
    for (const MajorHazardThreshold& t : entry.majorHazard)
        if (const auto named = namedBeta_.constFind(t.what); t.basis.startsWith(u"表1"_s) && named != namedBeta_.cend())
            return *named;
    double beta = 0;
    for (const MajorHazardRule* rule : applyingRules(entry, rules))
        beta = qMax(beta, codeBeta_.value(rule->code));
    return beta > 0 ? beta : 1.0;
}

double MajorHazardGrading::alpha(int peopleExposed) const
{
    for (const auto& [least, alpha] : alpha_)
        if (peopleExposed >= least)
            return alpha;
    return 1.0;
}

QString MajorHazardGrading::grade(double r) const
{
    for (const auto& [least, grade] : grades_)
        if (r >= least)
            return grade;
    return QString();
}

const MajorHazardThreshold* smallestThreshold(const QList<MajorHazardThreshold>& thresholds)
{
    const MajorHazardThreshold* smallest = nullptr;
    for (const MajorHazardThreshold& t : thresholds)
        if (!smallest || t.tonnes.toDouble() < smallest->tonnes.toDouble())
            smallest = &t;
    return smallest;
}
