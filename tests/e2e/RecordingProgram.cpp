// The window program with a desktop that writes down what it is asked to
// open, with the result grid's columns at that moment, to the file named by
// VORLAK_DESKTOP_LOG: one line "open ADDRESS\tcolumns FIELD:WIDTH,...",
// then the inventory page's rows as it shows them ("row " and the cells
// separated by tabs) and its summary ("summary " and a line).
#include "app/DataGridWidget.h"
#include "app/MainWindow.h"
#include "app/WindowProgram.h"
#include "platform/Desktop.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTextStream>

namespace {

QString gridColumnsText()
{
    auto* widget = mainWindow ? mainWindow->findChild<DataGridWidget*>(QStringLiteral("DataGrid1")) : nullptr;
    if (!widget)
        return {};
    QStringList columns;
    GridColumns& all = widget->grid().columns();
    for (int i = 0; i < all.count(); ++i)
        columns << all.item(i).fieldName() + u':' + QString::number(all.item(i).width());
    return columns.join(u',');
}

QString inventoryPageText()
{
    auto* widget = mainWindow ? mainWindow->findChild<DataGridWidget*>(QStringLiteral("DataGrid2")) : nullptr;
    auto* memo = mainWindow ? mainWindow->findChild<QPlainTextEdit*>(QStringLiteral("MemoSummary")) : nullptr;
    if (!widget || !memo)
        return {};
    DataGrid& grid = widget->grid();
    QString text;
    for (int record = 0; grid.dataSet() && record < grid.dataSet()->recordCount(); ++record) {
        QStringList cells;
        for (int i = 0; i < grid.columns().count(); ++i)
            cells << grid.columns().item(i).cellText(record);
        text += QStringLiteral("row ") + cells.join(u'\t') + u'\n';
    }
    for (const QString& line : memo->toPlainText().split(u'\n', Qt::SkipEmptyParts))
        text += QStringLiteral("summary ") + line + u'\n';
    return text;
}

class LoggingDesktop : public DesktopService {
public:
    void open(const QString& fileOrAddress) override
    {
        QFile log(qEnvironmentVariable("VORLAK_DESKTOP_LOG"));
        if (!log.open(QIODevice::Append | QIODevice::Text))
            return;
        QTextStream(&log) << "open " << fileOrAddress << "\tcolumns " << gridColumnsText() << '\n' << inventoryPageText();
    }
};

} // namespace

int main(int argc, char* argv[])
{
    LoggingDesktop desktop;
    setDesktop(&desktop);
    return runWindowProgram(argc, argv);
}
