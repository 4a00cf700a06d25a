#pragma once

// The grid's shape as its settings give it: the data columns that stay in
// place, the footer rows, and the heights of the data and title rows (0:
// from the font), in pixels or in lines of text.
struct GridLayoutSettings {
    int FrozenCols = 0;
    int FooterRowCount = 0;
    int RowHeight = 0;
    int RowLines = 0;
    int TitleHeight = 0;
    int TitleLines = 0;
    // Titles over several columns: titles are centred.
    bool UseMultiTitle = false;
};
