#pragma once

// The grid's shape as its settings give it: the data columns that stay in
// place and the footer rows.
struct GridLayoutSettings {
    int frozenCols = 0;
    int footerRowCount = 0;
};
