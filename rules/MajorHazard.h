#pragma once

#include "CatalogueRow.h"
#include "RowsFile.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QRegularExpression>
#include <QString>
#include <vector>

// One rule of the mapping from a hazard category of the catalogue to a row of
// GB 18218-2018 表2 (catalogue/major-hazard-rules.tsv).
struct MajorHazardRule {
    QRegularExpression category;
    QString code;
    QString condition;  // when the code applies; empty: always
};

// The rules of a rules file, in its order. Raises Exception on a rule whose
// expression does not compile.
QList<MajorHazardRule> readMajorHazardRules(const QString& path);

// The threshold quantities of GB 18218-2018 that apply to an entry: its 表1
// rows (several where the table names forms of one entry), else the 表2 rows
// its hazard categories fall under, in the table's order, each with its
// condition; none when neither table covers it.
QList<MajorHazardThreshold> majorHazardThresholds(const CatalogueRow& entry, const RowsTable& named,
                                                  const RowsTable& categories, const QList<MajorHazardRule>& rules);

// Gives every entry its thresholds.
void attachMajorHazard(std::vector<CatalogueRow>& entries, const RowsTable& named, const RowsTable& categories,
                       const QList<MajorHazardRule>& rules);

// The threshold a sum takes when the conditions cannot be told apart: the smallest.
const MajorHazardThreshold* smallestThreshold(const QList<MajorHazardThreshold>& thresholds);

// The grading of GB 18218-2018 (catalogue/major-hazard-grading.tsv): the
// correction factors β (表3 by name, 表4 by 表2 code) and α (表5), the grades (表6).
class MajorHazardGrading {
public:
    static MajorHazardGrading read(const QString& path);

    // β of an entry: 表3 when it names the entry (by the entry's or 表1's
    // name), else the largest 表4 value over the 表2 codes of its categories;
    // 1 when neither gives one.
    double beta(const CatalogueRow& entry, const QList<MajorHazardRule>& rules) const;
    double alpha(int peopleExposed) const;
    QString grade(double r) const;

private:
    QHash<QString, double> namedBeta_, codeBeta_;
    QList<QPair<double, double>> alpha_;   // at least so many people, α; largest first
    QList<QPair<double, QString>> grades_;  // R at or above, grade; largest first
};
