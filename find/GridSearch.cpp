#include "GridSearch.h"

#include "db/Query.h"
#include "grid/DataGrid.h"

#include <QLocale>
#include <QScopeGuard>

namespace {

// A find's text, folded once, against one cell after another. Letter case
// is folded by the rules of the user's language.
class TextMatcher {
public:
    TextMatcher(const QString& text, FindMatch kind, bool caseInsensitive)
        : fold_(caseInsensitive), kind_(kind), text_(caseInsensitive ? locale_.toUpper(text) : text)
    {
    }

    bool matches(const QString& cell) const
    {
        const QString a = fold_ ? locale_.toUpper(cell) : cell;
        switch (kind_) {
        case FindMatch::AnyPart: return !text_.isEmpty() && a.contains(text_);
        case FindMatch::WholeField: return a == text_;
        case FindMatch::FromBeginning: return a.left(text_.size()) == text_;
        }
        return false;
    }

private:
    const QLocale locale_;
    const bool fold_;
    const FindMatch kind_;
    const QString text_;
};

} // namespace

bool cellTextMatches(const QString& cell, const QString& text, FindMatch kind, bool caseInsensitive)
{
    return TextMatcher(text, kind, caseInsensitive).matches(cell);
}

bool findCellText(DataGrid& grid, const FindRequest& request)
{
    Query* dataSet = grid.dataSet();
    if (!dataSet || !dataSet->active())
        return false;
    const GridColumns& columns = grid.columns();
    int index = -1;
    if (!request.fieldName.isEmpty()) {
        for (int i = 0; i < columns.count() && index < 0; ++i)
            if (columns.item(i).fieldName().compare(request.fieldName, Qt::CaseInsensitive) == 0)
                index = i;
        // The dialog offers only the grid's own columns.
        Q_ASSERT(index >= 0);
    } else if (GridColumn* current = grid.currentColumn()) {
        index = current->index();
    }
    if (columns.count() == 0)
        return false;
    index = qMax(0, index);

    // The cells are read by index; only a match moves the current record.
    const bool allColumns = request.flags.has(FindFlag::AllColumns);
    const int forward = request.direction == FindDirection::Up ? -1 : 1;
    const int records = dataSet->recordCount();
    int record = dataSet->currentRecordIndex();
    // One step to the next cell to examine; false past either end.
    const auto step = [&] {
        if (allColumns && index != (forward > 0 ? columns.count() - 1 : 0)) {
            index += forward;
            return true;
        }
        if (record + forward < 0 || record + forward >= records)
            return false;
        record += forward;
        if (allColumns)
            index = forward > 0 ? 0 : columns.count() - 1;
        return true;
    };

    const TextMatcher matcher(request.text, request.matchKind, request.flags.has(FindFlag::CaseInsensitive));
    bool more = records > 0;
    if (more && request.direction == FindDirection::All)
        record = 0;
    else if (more)
        more = step();
    while (more) {
        GridColumn& column = columns.item(index);
        QString cell;
        if (Field* field = column.boundField())
            cell = request.flags.has(FindFlag::UseDisplayText) ? column.cellText(record) : field->asString(record);
        if (matcher.matches(cell)) {
            // The record windows scroll as if the search had walked there: from
            // the first record when it searched them all.
            dataSet->disableControls();
            const auto resume = qScopeGuard([dataSet] { dataSet->enableControls(); });
            if (request.direction == FindDirection::All)
                dataSet->first();
            dataSet->setRecNo(record + 1);
            grid.moveToColumn(column.index());
            return true;
        }
        more = step();
    }
    return false;
}
