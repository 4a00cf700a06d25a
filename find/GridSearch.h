#pragma once

#include <QString>

class TCustomDBGridEh;

enum TFindMatchKindEh { fmAnyPart, fmWholeField, fmFromBeginning };
enum TFindDirectionEh { fdUp, fdDown, fdAll };
enum TFindFlagEh : unsigned { ffCaseInsensitive = 1, ffAllColumns = 2, ffUseDisplayText = 4 };

// What the find dialog asks the grid to look for.
struct TFindRequestEh {
    QString FieldName;  // the column to search; empty: the current column
    QString Text;
    TFindMatchKindEh MatchKind = fmAnyPart;
    TFindDirectionEh Direction = fdAll;
    unsigned Flags = ffCaseInsensitive | ffUseDisplayText;
    int TreeRange = 0;  // for tree data sources, which this program has none of
};

// Searches the grid's cells for a text, record by record (and column by
// column with ffAllColumns); a match becomes the current record and column.
// Without a match the current record and the window stay as they were.
// A field name that no column shows raises "Field name '...' not found".
bool FindCellText(TCustomDBGridEh& grid, const TFindRequestEh& request);

// Whether a cell's text matches the find text by the match kind.
bool CellTextMatches(const QString& cell, const QString& text, TFindMatchKindEh kind, bool caseInsensitive);
