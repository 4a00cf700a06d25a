#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The GHS label elements of hazard categories, as catalogue/ghs-labels.tsv
// gives them per category, and the rules that combine a chemical's.

struct HazardStatement {
    QString code;  // "H301"
    QString text;  // "吞咽会中毒"
    bool operator==(const HazardStatement&) const = default;
};

struct GhsLabelRow {
    QStringList pictograms;  // "GHS06", ...
    QString signalWord;      // "危险", "警告" or empty
    QList<HazardStatement> statements;
};

class GhsLabelTable {
public:
    // Raises Exception naming the file and line of a malformed row.
    static GhsLabelTable read(const QString& path);

    // The row of a category as the catalogue writes it; a category with "*"
    // takes the row of the category without it. Null when there is none.
    const GhsLabelRow* find(const QString& category) const;

    // The edition of the rules the table follows, from its "Edition:" line.
    const QString& edition() const { return edition_; }

private:
    QHash<QString, GhsLabelRow> rows_;
    QString edition_;
};

// A chemical's label: pictograms in code order, the strongest signal word,
// each hazard statement once in code order.
struct LabelElements {
    QStringList pictograms;
    QString signalWord;
    QList<HazardStatement> statements;
    QStringList unlabelled;  // categories the table has no row for
};

// The catalogue's category of compressed, liquefied and dissolved gases, whose
// statement depends on how the gas is filled.
inline const QString kGasUnderPressure = QStringLiteral("加压气体");

// Combines the rows of a chemical's categories by the GHS rules of
// precedence: the skull and crossbones removes the exclamation mark; the
// corrosion pictogram removes it where it stands for skin or eye irritation;
// the health hazard pictogram for respiratory sensitisation removes it where it
// stands for skin sensitisation or skin or eye irritation; "危险" wins over
// "警告". A refrigerated liquefied gas under pressure takes H281, not H280.
LabelElements combineLabels(const GhsLabelTable& table, const QStringList& categories, bool refrigeratedGas);

// The Chinese name of a pictogram: "GHS06" -> "骷髅和交叉骨".
QString pictogramName(const QString& code);
