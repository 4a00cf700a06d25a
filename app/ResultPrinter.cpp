#include "ResultPrinter.h"

#include "ResultColumns.h"
#include "TabSeparated.h"

#include "db/DatabaseError.h"

using namespace Qt::StringLiterals;

namespace {

void write(FILE* out, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
}

} // namespace

void ResultPrinter::begin(std::vector<FetchedColumn> columns)
{
    const QList<ResultColumn> shown = shownResultColumns();
    shownAt_.assign(columns.size(), -1);
    QStringList titles;
    for (const ResultColumn& column : shown) {
        const auto found = std::find_if(columns.begin(), columns.end(), [&](const FetchedColumn& fetched) {
            return fetched.name.compare(column.fieldName, Qt::CaseInsensitive) == 0;
        });
        if (found == columns.end())
            throw DatabaseError(u"Field '"_s + column.fieldName + u"' not found"_s);
        shownAt_[size_t(found - columns.begin())] = int(titles.size());
        titles.append(column.title);
    }
    cells_.assign(shown.size() + 1, QByteArray());
    column_ = 0;
    write(out_, (titles.join(u'\t') + u'\n').toUtf8());
}

QByteArray& ResultPrinter::nextCell()
{
    Q_ASSERT(column_ < shownAt_.size());
    const int at = shownAt_[column_++];
    QByteArray& cell = cells_[at < 0 ? cells_.size() - 1 : size_t(at)];
    cell.resize(0);
    return cell;
}

void ResultPrinter::appendDouble(double value)
{
    nextCell().append(QString::number(value, 'g', 15).toLatin1());
}

void ResultPrinter::endRow()
{
    for (size_t i = 0; i + 1 < cells_.size(); ++i) {
        QByteArray& cell = cells_[i];
        blankTabsAndBreaks(cell);
        cell.append(i + 2 < cells_.size() ? '\t' : '\n');
        write(out_, cell);
    }
    column_ = 0;
    ++count_;
}

void ResultPrinter::finish()
{
    write(out_, (u"共"_s + QString::number(count_) + u"条\n"_s).toUtf8());
}
