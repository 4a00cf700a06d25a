#pragma once

// The grid's shape as its settings give it: the data columns that stay in
// place, the footer rows, and the heights of the data and title rows (0:
// from the font), in pixels or in lines of text.
struct GridLayoutSettings {
    int frozenCols = 0;
    int footerRowCount = 0;
    int rowHeight = 0;
    int rowLines = 0;
    int titleHeight = 0;
    int titleLines = 0;
    // Titles over several columns: titles are centred.
    bool useMultiTitle = false;
};
