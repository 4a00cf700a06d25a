#include "DataGridWidget.h"

#include "GridLayoutReader.h"

#include "find/FindDialog.h"
#include "platform/Layout.h"

#include <QJsonValue>
#include <QMenu>

using namespace Qt::StringLiterals;

DataGridWidget::DataGridWidget(QWidget* parent) : ControlWidget(parent)
{
    grid_.SetWindow(this);
    SetMessages(&grid_.Messages());
    grid_.WindowCreated();
    grid_.OpenFindDialog = [this](const QString& text, bool modal) { ::OpenFindDialog(grid_, window(), text, modal); };
}

DataGridWidget::~DataGridWidget()
{
    // The grid goes before the window does: the window tells it nothing more.
    SetMessages(nullptr);
    grid_.SetWindow(nullptr);
}

void RegisterDataGridWidget()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    RegisterComponentClass(u"DataGrid"_s, [](QObject* p) -> QObject* { return new DataGridWidget(qobject_cast<QWidget*>(p)); });
    RegisterPropertyApplier([](QObject* c, const QString& name, const QJsonValue& value, LayoutLoad& load) {
        auto* widget = qobject_cast<DataGridWidget*>(c);
        if (!widget)
            return false;
        DataGrid& grid = widget->Grid();
        // The grid reads its configuration as loading; its layout runs once the form is loaded.
        if (!grid.Loading()) {
            grid.SetLoading(true);
            load.WhenLoaded([widget] { widget->Grid().Loaded(); });
        }
        if (name == u"DataSource") {
            load.Resolve(value.toString(), [widget](QObject* t) { widget->Grid().SetDataSource(qobject_cast<DataSource*>(t)); });
            return true;
        }
        if (name == u"PopupMenu") {
            load.Resolve(value.toString(), [widget](QObject* t) { widget->SetPopupMenu(qobject_cast<QMenu*>(t)); });
            return true;
        }
        return ApplyGridSetting(grid, name, value);
    });
}
