#include "GridSearch.h"

#include "db/Query.h"
#include "grid/DataGrid.h"

#include <QLocale>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace {

// Where the search started, kept so that a failed search puts the record
// back and leaves the window scrolled as it was.
class SearchStart {
public:
    explicit SearchStart(DataGrid& grid, Query& dataSet) : dataSet_(dataSet)
    {
        const int n = grid.RecordsInWindow();
        offset_ = grid.ActiveRecord() - (n - 1) / 2;
        dataSet_.MoveBy(-offset_);
        bookmark_ = dataSet_.GetBookmark();
        dataSet_.MoveBy(offset_);
    }
    void Restore()
    {
        if (dataSet_.BookmarkValid(bookmark_)) {
            dataSet_.GotoBookmark(bookmark_);
            dataSet_.MoveBy(offset_);
        }
    }

private:
    Query& dataSet_;
    Bookmark bookmark_;
    int offset_ = 0;
};

} // namespace

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

    dataSet->DisableControls();
    const auto resume = qScopeGuard([dataSet] { dataSet->EnableControls(); });
    SearchStart start(grid, *dataSet);

    const bool allColumns = request.Flags.Has(FindFlag::AllColumns);
    const int forward = request.Direction == FindDirection::Up ? -1 : 1;
    // One step to the next cell to examine; false past either end.
    const auto step = [&] {
        if (allColumns) {
            const int edge = forward > 0 ? visible.Count() - 1 : 0;
            if (index != edge) {
                index += forward;
                return true;
            }
            if (dataSet->MoveBy(forward) == 0)
                return false;
            index = forward > 0 ? 0 : visible.Count() - 1;
            return true;
        }
        return dataSet->MoveBy(forward) != 0;
    };

    bool more = dataSet->RecordCount() > 0;
    if (more && request.Direction == FindDirection::All)
        dataSet->First();
    else if (more)
        more = step();
    bool found = false;
    while (more) {
        GridColumn& column = visible.Item(index);
        QString cell;
        if (Field* field = column.BoundField())
            cell = request.Flags.Has(FindFlag::UseDisplayText) ? column.CellText() : field->AsString();
        if (CellTextMatches(cell, request.Text, request.MatchKind, request.Flags.Has(FindFlag::CaseInsensitive))) {
            found = true;
            grid.MoveToColumn(column.Index());
            break;
        }
        more = step();
    }
    if (!found)
        start.Restore();
    return found;
}
