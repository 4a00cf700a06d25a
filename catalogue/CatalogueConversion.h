#pragma once

#include "CatalogueSources.h"
#include "ConversionReport.h"
#include "rules/RowsFile.h"

struct ConvertedCatalogue {
    RowsTable chemicals;       // hazardous_chemicals
    RowsTable specialControl;  // special_controlled_chemicals
    RowsTable majorHazardNamed;       // major_hazard_named: GB 18218-2018 表1, a row per item and entry
    RowsTable majorHazardCategories;  // major_hazard_categories: 表2
    ConversionReport report;
};

// The catalogue's rows from the official lists: one row per entry and CAS
// number, the special lists flagged, and a row for each listed chemical that
// is no catalogue entry.
ConvertedCatalogue convertCatalogue(const CatalogueSources& sources);
