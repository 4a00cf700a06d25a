// The window program with a desktop that writes down what it is asked to
// open, with the result grid's columns at that moment, to the file named by
// VORLAK_DESKTOP_LOG: one line "open ADDRESS\tcolumns FIELD:WIDTH,...".
#include "app/DataGridWidget.h"
#include "app/MainWindow.h"
#include "app/WindowProgram.h"
#include "platform/Desktop.h"

#include <QFile>
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

class LoggingDesktop : public DesktopService {
public:
    void open(const QString& fileOrAddress) override
    {
        QFile log(qEnvironmentVariable("VORLAK_DESKTOP_LOG"));
        if (!log.open(QIODevice::Append | QIODevice::Text))
            return;
        QTextStream(&log) << "open " << fileOrAddress << "\tcolumns " << gridColumnsText() << '\n';
    }
};

} // namespace

int main(int argc, char* argv[])
{
    LoggingDesktop desktop;
    setDesktop(&desktop);
    return runWindowProgram(argc, argv);
}
