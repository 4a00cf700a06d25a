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

QString GridColumnsText()
{
    auto* widget = mainWindow ? mainWindow->findChild<DataGridWidget*>() : nullptr;
    if (!widget)
        return {};
    QStringList columns;
    GridColumns& all = widget->Grid().Columns();
    for (int i = 0; i < all.Count(); ++i)
        columns << all.Item(i).FieldName() + u':' + QString::number(all.Item(i).Width());
    return columns.join(u',');
}

class LoggingDesktop : public DesktopService {
public:
    void Open(const QString& fileOrAddress) override
    {
        QFile log(qEnvironmentVariable("VORLAK_DESKTOP_LOG"));
        if (!log.open(QIODevice::Append | QIODevice::Text))
            return;
        QTextStream(&log) << "open " << fileOrAddress << "\tcolumns " << GridColumnsText() << '\n';
    }
};

} // namespace

int main(int argc, char* argv[])
{
    LoggingDesktop desktop;
    SetDesktop(&desktop);
    return RunWindowProgram(argc, argv);
}
