#pragma once

#include "RowsFile.h"

#include <QString>
#include <QStringList>
#include <vector>

// A threshold quantity of GB 18218-2018 that applies to an entry.
struct MajorHazardThreshold {
    QString Basis;      // "表1 第57项" or "表2 W5.1"
    QString What;       // 表1: the chemical as the table names it; 表2: class and category
    QString Tonnes;     // as the standard writes it
    QString Condition;  // 表2: when the row applies, where that depends on what the catalogue does not hold

    bool operator==(const MajorHazardThreshold&) const = default;
};

// One row of the catalogue table with what its columns mean.
struct CatalogueRow {
    QString IndexId;  // 危化目录序号; empty outside the hazardous-chemicals catalogue
    QString Name;
    QString Aliases;  // separated by "；"
    QString EnglishName;
    QString Cas;
    QString Hazards;  // categories separated by "；"
    int Batch = 0;      // key-supervision batch, 0 when none
    int DrugClass = 0;  // drug-precursor class, 0 when none
    bool Explosive = false;
    bool HighlyToxic = false;
    bool SpecialControl = false;  // on the list of specially controlled hazardous chemicals
    // That list's group of the entry, and what the list says it covers beyond
    // or short of the entry; filled by AttachSpecialControl.
    QString SpecialControlGroup;
    QString SpecialControlScope;
    // The major-hazard thresholds; filled by AttachMajorHazard.
    QList<MajorHazardThreshold> MajorHazard;

    QStringList AliasList() const { return Aliases.split(u'；', Qt::SkipEmptyParts); }
    QStringList HazardList() const { return Hazards.split(u'；', Qt::SkipEmptyParts); }
    // Filled as a refrigerated liquefied gas, by its name or an alias.
    bool RefrigeratedGas() const;
};

// The entries of the catalogue table's rows file, in its order.
std::vector<CatalogueRow> CatalogueRows(const RowsTable& chemicals);

// Gives the entries the group and scope the list of specially controlled
// chemicals (its rows file) names them with.
void AttachSpecialControl(std::vector<CatalogueRow>& entries, const RowsTable& specialControl);

// The words for a drug-precursor class and a key-supervision batch: "第二类",
// "首批"; empty for 0 and numbers the lists do not have.
QString DrugClassName(int drugClass);
QString BatchName(int batch);
