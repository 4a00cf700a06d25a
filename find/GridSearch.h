#pragma once

#include "platform/BitSet.h"

#include <QString>

class DataGrid;

enum class FindMatch { AnyPart, WholeField, FromBeginning };
enum class FindDirection { Up, Down, All };
enum class FindFlag : unsigned { CaseInsensitive = 1, AllColumns = 2, UseDisplayText = 4 };

// What the find dialog asks the grid to look for.
struct FindRequest {
    QString FieldName;  // the column to search; empty: the current column
    QString Text;
    FindMatch MatchKind = FindMatch::AnyPart;
    FindDirection Direction = FindDirection::All;
    BitSet<FindFlag> Flags{FindFlag::CaseInsensitive, FindFlag::UseDisplayText};
    int TreeRange = 0;  // for tree data sources, which this program has none of
};

// Searches the grid's cells for a text, record by record (and column by
// column with FindFlag::AllColumns); a match becomes the current record and column.
// Without a match the current record and the window stay as they were.
// A field name that no column shows raises "Field name '...' not found".
bool FindCellText(DataGrid& grid, const FindRequest& request);

// Whether a cell's text matches the find text by the match kind.
bool CellTextMatches(const QString& cell, const QString& text, FindMatch kind, bool caseInsensitive);
