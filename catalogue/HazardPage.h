#pragma once

#include "rules/CatalogueRow.h"
#include "GhsLabels.h"

#include <QDate>
#include <QString>
#include <vector>

// The hazard page of one CAS number: each catalogue entry with that number,
// its names, regulatory status and hazard categories, and the GHS label
// elements the categories give. Static HTML5 in UTF-8, no script, nothing
// loaded from elsewhere.
QString hazardPageHtml(const QString& cas, const std::vector<const CatalogueRow*>& entries,
                       const GhsLabelTable& labels, const QDate& built);

// The page of a CAS number is named after it: "67-56-1" (address "67-56-1.html").
// The MSDS index: one row per CAS number of the catalogue, in the order the
// numbers first occur, with its page's name.
RowsTable hazardPageIndex(const std::vector<CatalogueRow>& entries);
