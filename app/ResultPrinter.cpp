#include "ResultPrinter.h"

#include "ResultColumns.h"
#include "TabSeparated.h"

#include "db/DatabaseError.h"
#include "db/Field.h"

using namespace Qt::StringLiterals;

namespace {

void write(FILE* out, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
}

} // namespace

void ResultPrinter::begin(std::vector<FetchedColumn> columns)
{
    shown_.clear();
    QStringList titles;
    for (const ResultColumn& shown : shownResultColumns()) {
        int found = -1;
        for (size_t i = 0; i < columns.size() && found < 0; ++i)
            if (columns[i].name.compare(shown.fieldName, Qt::CaseInsensitive) == 0)
                found = int(i);
        if (found < 0)
            throw DatabaseError(u"Field '"_s + shown.fieldName + u"' not found"_s);
        shown_.push_back(found);
        titles.append(shown.title);
    }
    block_.begin(std::move(columns));
    write(out_, titles.join(u'\t') + u'\n');
}

void ResultPrinter::endRow()
{
    block_.endRow();
    if (block_.rowCount() == kBlockRows)
        printBlock();
}

void ResultPrinter::printBlock()
{
    QString text;
    for (int row = 0; row < block_.rowCount(); ++row) {
        for (size_t i = 0; i < shown_.size(); ++i) {
            if (i > 0)
                text += u'\t';
            text += tabSeparatedCell(valueDisplayText(block_.value(row, shown_[i])));
        }
        text += u'\n';
    }
    write(out_, text);
    count_ += block_.rowCount();
    block_.begin(block_.columns());
}

void ResultPrinter::finish()
{
    printBlock();
    write(out_, u"共"_s + QString::number(count_) + u"条\n"_s);
}
