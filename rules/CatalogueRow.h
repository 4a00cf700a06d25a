#pragma once

#include "RowsFile.h"

#include <QString>
#include <QStringList>
#include <vector>

// A threshold quantity of GB 18218-2018 that applies to an entry.
struct MajorHazardThreshold {
    QString basis;      // "表1 第57项" or "表2 W5.1"
    QString what;       // 表1: the chemical as the table names it; 表2: class and category
    QString tonnes;     // as the standard writes it
    QString condition;  // 表2: when the row applies, where that depends on what the catalogue does not hold

    bool operator==(const MajorHazardThreshold&) const = default;
};

// One row of the catalogue table with what its columns mean.
struct CatalogueRow {
    QString indexId;  // 危化目录序号; empty outside the hazardous-chemicals catalogue
    QString name;
    QString aliases;  // separated by "；"
    QString englishName;
    QString cas;
    QString hazards;  // categories separated by "；"
    int batch = 0;      // key-supervision batch, 0 when none
    int drugClass = 0;  // drug-precursor class, 0 when none
    bool explosive = false;
    bool highlyToxic = false;
    bool specialControl = false;  // on the list of specially controlled hazardous chemicals
    // That list's group of the entry, and what the list says it covers beyond
    // or short of the entry; filled by attachSpecialControl.
    QString specialControlGroup;
    QString specialControlScope;
    // The major-hazard thresholds; filled by attachMajorHazard.
    QList<MajorHazardThreshold> majorHazard;

    QStringList aliasList() const { return aliases.split(u'；', Qt::SkipEmptyParts); }
    QStringList hazardList() const { return hazards.split(u'；', Qt::SkipEmptyParts); }
    // Filled as a refrigerated liquefied gas, by its name or an alias.
    bool refrigeratedGas() const;
};

// The entries of the catalogue table's rows file, in its order.
std::vector<CatalogueRow> catalogueRows(const RowsTable& chemicals);

// Gives the entries the group and scope the list of specially controlled
// chemicals (its rows file) names them with.
void attachSpecialControl(std::vector<CatalogueRow>& entries, const RowsTable& specialControl);

// The words for a drug-precursor class and a key-supervision batch: "第二类",
// "首批"; empty for 0 and numbers the lists do not have.
QString drugClassName(int drugClass);
QString batchName(int batch);
