#pragma once

#include <QStringList>

// What the conversion decided where the sources disagree, or where a listed
// chemical found no catalogue entry; every line names the entry or item.
struct ConversionReport {
    QStringList nameDisagreements;
    QStringList casDisagreements;
    QStringList explosivesOutsideCatalogue;
    QStringList batchNamesWithoutEntry;
    QStringList batchItemsWithoutEntry;
    QStringList secondBatchMatches;
    QStringList drugPrecursorMatches;
    QStringList drugPrecursorsOutsideCatalogue;
    QStringList drugPrecursorNumbers;
    QStringList specialControlMatches;
    QStringList drugPrecursorsLeftOut;
};
