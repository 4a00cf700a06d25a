#pragma once

#include "CatalogueSources.h"
#include "RowsFile.h"

#include <QString>
#include <QStringList>

// What the conversion decided where the sources disagree or a listed
// chemical found no catalogue entry; every line names the entry or item.
struct ConversionReport {
    QStringList NameDisagreements;
    QStringList CasDisagreements;
    QStringList ExplosivesOutsideCatalogue;
    QStringList BatchNamesWithoutEntry;
    QStringList BatchItemsWithoutEntry;
};

struct ConvertedCatalogue {
    RowsTable Chemicals;  // hazardous_chemicals
    ConversionReport Report;
};

ConvertedCatalogue ConvertCatalogue(const CatalogueSources& sources);

// Whether a CAS registry number is well formed and its check digit right.
bool CasNumberValid(const QString& cas);

// Whether a text is one hazard category as the classification table writes
// it, such as "急性毒性-经口,类别3*" or "加压气体".
bool IsHazardCategory(const QString& text);

// The hazard categories of a classification cell: its lines cleaned of mixed
// punctuation and known misprints, only category strings kept, each once.
QStringList HazardCategories(const QStringList& classificationTexts);

// A name as the matching compares it: compatibility forms folded (full-width
// to ASCII), blanks dropped.
QString MatchingName(const QString& name);

// The products a key-supervision item names: "汽油(含甲醇汽油、乙醇汽油)、石脑油"
// gives 汽油, 甲醇汽油, 乙醇汽油 and 石脑油.
QStringList BatchProductNames(const QString& itemName);
