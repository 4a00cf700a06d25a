#include "GridSearch.h"

#include "db/Query.h"
#include "grid/DataGrid.h"

#include <QLocale>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

bool CellTextMatches(const QString& cell, const QString& text, FindMatch kind, bool caseInsensitive)
{
    // Letter case is folded by the rules of the user's language.
    const QLocale locale;
    const QString a = caseInsensitive ? locale.toUpper(cell) : cell;
    const QString b = caseInsensitive ? locale.toUpper(text) : text;
    switch (kind) {
    case FindMatch::AnyPart: return !b.isEmpty() && a.contains(b);
    case FindMatch::WholeField: return a == b;
    case FindMatch::FromBeginning: return a.left(b.size()) == b;
    }
    return false;
}

bool FindCellText(DataGrid& grid, const FindRequest& request)
{
    Query* dataSet = grid.DataSet();
    if (!dataSet || !dataSet->Active())
        return false;
    const ColumnList& visible = grid.VisibleColumns();
    int index = -1;
    if (!request.FieldName.isEmpty()) {
        GridColumn* column = nullptr;
        for (int i = 0; i < grid.Columns().Count() && !column; ++i)
            if (grid.Columns().Item(i).FieldName().compare(request.FieldName, Qt::CaseInsensitive) == 0)
                column = &grid.Columns().Item(i);
        if (!column)
            throw Exception(u"Field name '%1' not found"_s.arg(request.FieldName));
        index = visible.IndexOf(*column);
        // A hidden column has no cells to search.
        if (index < 0)
            throw Exception(u"Column of field '%1' is hidden"_s.arg(request.FieldName));
    } else if (grid.Options().Has(DataGrid::Option::RowSelect)) {
        index = request.Direction == FindDirection::Up ? 0 : visible.Count() - 1;
    } else if (GridColumn* current = grid.CurrentColumn()) {
        index = visible.IndexOf(*current);
    }
    if (visible.Count() == 0)
        return false;
    index = qMax(0, index);

    // The cells are read by index; only a match moves the current record.
    const bool allColumns = request.Flags.Has(FindFlag::AllColumns);
    const int forward = request.Direction == FindDirection::Up ? -1 : 1;
    const int records = dataSet->RecordCount();
    int record = dataSet->CurrentRecordIndex();
    // One step to the next cell to examine; false past either end.
    const auto step = [&] {
        if (allColumns && index != (forward > 0 ? visible.Count() - 1 : 0)) {
            index += forward;
            return true;
        }
        if (record + forward < 0 || record + forward >= records)
            return false;
        record += forward;
        if (allColumns)
            index = forward > 0 ? 0 : visible.Count() - 1;
        return true;
    };

    bool more = records > 0;
    if (more && request.Direction == FindDirection::All)
        record = 0;
    else if (more)
        more = step();
    while (more) {
        GridColumn& column = visible.Item(index);
        QString cell;
        if (Field* field = column.BoundField())
            cell = request.Flags.Has(FindFlag::UseDisplayText) ? column.CellText(record) : field->AsString(record);
        if (CellTextMatches(cell, request.Text, request.MatchKind, request.Flags.Has(FindFlag::CaseInsensitive))) {
            // The record windows scroll as if the search had walked there: from
            // the first record when it searched them all.
            dataSet->DisableControls();
            const auto resume = qScopeGuard([dataSet] { dataSet->EnableControls(); });
            if (request.Direction == FindDirection::All)
                dataSet->First();
            dataSet->SetRecNo(record + 1);
            grid.MoveToColumn(column.Index());
            return true;
        }
        more = step();
    }
    return false;
}
