#pragma once

#include "platform/BitSet.h"

#include <QString>

class DataGrid;

enum class FindMatch { AnyPart, WholeField, FromBeginning };
enum class FindDirection { Up, Down, All };
enum class FindFlag : unsigned { CaseInsensitive = 1, AllColumns = 2, UseDisplayText = 4 };

// What the find dialog asks the grid to look for.
struct FindRequest {
    QString fieldName;  // the column to search; empty: the current column
    QString text;
    FindMatch matchKind = FindMatch::AnyPart;
    FindDirection direction = FindDirection::All;
    BitSet<FindFlag> flags{FindFlag::CaseInsensitive, FindFlag::UseDisplayText};
};

// Searches the grid's cells for a text, record by record (and column by
// column with FindFlag::AllColumns); a match becomes the current record and column.
// Without a match the current record and the window stay as they were.
// A field name that no column shows raises "Field name '...' not found".
bool findCellText(DataGrid& grid, const FindRequest& request);

// Whether a cell's text matches the find text by the match kind.
bool cellTextMatches(const QString& cell, const QString& text, FindMatch kind, bool caseInsensitive);
