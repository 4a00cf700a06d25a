#include "ResultGridStandIn.h"

#include "db/Query.h"
#include "platform/Colours.h"
#include "platform/Layout.h"

#include <QHeaderView>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

Qt::Alignment QtAlignment(TextAlignment alignment)
{
    switch (alignment) {
    case TextAlignment::Center: return Qt::AlignCenter;
    case TextAlignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

ResultGridStandIn::ResultGridStandIn(QWidget* parent)
    : QWidget(parent), table_(new QTableWidget(this)), footer_(new QLabel(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(table_);
    layout->addWidget(footer_);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->setDefaultSectionSize(20);
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table_, &QWidget::customContextMenuRequested, this, &ResultGridStandIn::ShowContextMenu);
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (Query* query = DataSet(); query && row >= 0)
            query->SetRecNo(row + 1);
    });
    footer_->setFixedHeight(22);
    footer_->setAutoFillBackground(true);
    // The footer follows the sum list as the grid's footer rows would.
    SumList::Handler gridHandler = grid_.SumList()->SumListChanged;
    grid_.SumList()->SumListChanged = [this, gridHandler](SumList& sumList) {
        if (gridHandler)
            gridHandler(sumList);
        ShowFooter();
    };
}

void ResultGridStandIn::ShowFooter()
{
    QString text;
    for (int i = 0; i < grid_.Columns().Count(); ++i)
        if (const QString cell = grid_.GetFooterText(0, grid_.Columns().Item(i)); !cell.isEmpty())
            text = cell;
    footer_->setText(u"  "_s + text);
}

void ResultGridStandIn::ShowColumns()
{
    GridColumns& columns = grid_.Columns();
    table_->setColumnCount(columns.Count());
    for (int i = 0; i < columns.Count(); ++i) {
        GridColumn& column = columns.Item(i);
        auto* title = new QTableWidgetItem(column.Title().Caption());
        title->setTextAlignment(QtAlignment(column.Title().Alignment()));
        table_->setHorizontalHeaderItem(i, title);
        table_->setColumnWidth(i, column.Width());
        table_->setColumnHidden(i, !column.Visible());
    }
    ActiveChanged();
}

void ResultGridStandIn::SetEvenRowColour(const QColor& colour)
{
    QPalette palette = table_->palette();
    palette.setColor(QPalette::AlternateBase, colour);
    table_->setPalette(palette);
    palette = footer_->palette();
    palette.setColor(QPalette::Window, colour);
    footer_->setPalette(palette);
}

void ResultGridStandIn::ActiveChanged()
{
    table_->setRowCount(0);
    grid_.Columns().BindFieldsByName();
    Query* query = DataSet();
    ShowFooter();
    if (!query || !query->Active())
        return;

    const int current = query->RecNo();
    table_->setRowCount(query->RecordCount());
    for (int row = 0; row < query->RecordCount(); ++row) {
        query->SetReadingRecord(row);
        for (int i = 0; i < grid_.Columns().Count(); ++i) {
            GridColumn& column = grid_.Columns().Item(i);
            auto* item = new QTableWidgetItem(column.CellText());
            item->setTextAlignment(QtAlignment(column.Alignment()));
            table_->setItem(row, i, item);
        }
    }
    query->ClearReadingRecord();
    if (query->RecordCount() > 0)
        table_->setCurrentCell(current - 1, 0);
}

QStringList ResultGridStandIn::RowTexts(int row) const
{
    QStringList texts;
    for (int i = 0; i < table_->columnCount(); ++i)
        texts.append(table_->item(row, i) ? table_->item(row, i)->text() : QString());
    return texts;
}

int ResultGridStandIn::RowCount() const
{
    return table_->rowCount();
}

QString ResultGridStandIn::FooterText() const
{
    return footer_->text().trimmed();
}

void ResultGridStandIn::ShowContextMenu(const QPoint& position)
{
    const int row = table_->rowAt(position.y());
    if (row >= 0)
        table_->setCurrentCell(row, qMax(0, table_->columnAt(position.x())));
    if (popupMenu_)
        popupMenu_->popup(table_->viewport()->mapToGlobal(position));
}

void RegisterResultGridStandIn()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    RegisterComponentClass(u"DataGrid"_s, [](QObject* p) -> QObject* {
        return new ResultGridStandIn(qobject_cast<QWidget*>(p));
    });
    RegisterPropertyApplier([](QObject* c, const QString& name, const QJsonValue& value, LayoutLoad& load) {
        auto* standIn = qobject_cast<ResultGridStandIn*>(c);
        if (!standIn)
            return false;
        if (name == u"DataSource") {
            load.Resolve(value.toString(), [standIn](QObject* t) {
                auto* source = qobject_cast<DataSource*>(t);
                standIn->Grid().SetDataSource(source);
                standIn->SetDataSource(source);
            });
        } else if (name == u"PopupMenu") {
            load.Resolve(value.toString(), [standIn](QObject* t) { standIn->SetPopupMenu(qobject_cast<QMenu*>(t)); });
        } else if (!standIn->Grid().ApplyStoredSetting(name, value)) {
            return false;
        }
        if (name == u"Columns")
            standIn->ShowColumns();
        if (name == u"EvenRowColor")
            standIn->SetEvenRowColour(ResolveColour(value.toString()));
        return true;
    });
}
