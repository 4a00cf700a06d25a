#include "DataGridWidget.h"

#include "GridLayoutReader.h"

#include "find/FindDialog.h"
#include "platform/Layout.h"

#include <QJsonValue>
#include <QMenu>

using namespace Qt::StringLiterals;

DataGridWidget::DataGridWidget(QWidget* parent) : ControlWidget(parent)
{
    grid_.setWindow(this);
    setMessages(&grid_.messages());
    grid_.windowCreated();
    grid_.openFindDialog = [this](const QString& text, bool modal) { ::openFindDialog(grid_, window(), text, modal); };
}

DataGridWidget::~DataGridWidget()
{
    // The grid goes before the window does: the window tells it nothing more.
    setMessages(nullptr);
    grid_.setWindow(nullptr);
}

void registerDataGridWidget()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    registerComponentClass(u"DataGrid"_s, [](QObject* p) -> QObject* { return new DataGridWidget(qobject_cast<QWidget*>(p)); });
    registerPropertyApplier([](QObject* c, const QString& name, const QJsonValue& value, LayoutLoad& load) {
        auto* widget = qobject_cast<DataGridWidget*>(c);
        if (!widget)
            return false;
        DataGrid& grid = widget->grid();
        // The grid reads its configuration as loading; its layout runs once the form is loaded.
        if (!grid.loading()) {
            grid.setLoading(true);
            load.whenLoaded([widget] { widget->grid().loaded(); });
        }
        if (name == u"DataSource") {
            load.resolve(value.toString(), [widget](QObject* t) { widget->grid().setDataSource(qobject_cast<DataSource*>(t)); });
            return true;
        }
        if (name == u"PopupMenu") {
            load.resolve(value.toString(), [widget](QObject* t) { widget->setPopupMenu(qobject_cast<QMenu*>(t)); });
            return true;
        }
        return applyGridSetting(grid, name, value);
    });
}
