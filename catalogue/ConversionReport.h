#pragma once

#include <QStringList>

// What the conversion decided where the sources disagree, or where a listed
// chemical found no catalogue entry; every line names the entry or item.
struct ConversionReport {
    QStringList NameDisagreements;
    QStringList CasDisagreements;
    QStringList ExplosivesOutsideCatalogue;
    QStringList BatchNamesWithoutEntry;
    QStringList BatchItemsWithoutEntry;
    QStringList SecondBatchMatches;
    QStringList DrugPrecursorMatches;
    QStringList DrugPrecursorsOutsideCatalogue;
    QStringList DrugPrecursorNumbers;
    QStringList SpecialControlMatches;
    QStringList DrugPrecursorsLeftOut;
};
