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

namespace {

Qt::Alignment CellAlignment(const QString& name, const QVariant& value)
{
    if (name == u"center")
        return Qt::AlignCenter;
    if (name == u"right" || (name.isEmpty() && value.typeId() != QMetaType::QString && !value.isNull()))
        return Qt::AlignRight | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
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
        if (DbQuery* query = DataSet(); query && row >= 0)
            query->SetRecNo(row + 1);
    });
    footer_->setFixedHeight(22);
    footer_->setAutoFillBackground(true);
}

void ResultGridStandIn::SetColumns(const QList<Column>& columns)
{
    columns_ = columns;
    table_->setColumnCount(int(columns.size()));
    for (int i = 0; i < columns.size(); ++i) {
        auto* title = new QTableWidgetItem(columns.at(i).Title);
        title->setTextAlignment(columns.at(i).TitleAlignment == u"center" ? Qt::AlignCenter
                                                                           : Qt::AlignLeft | Qt::AlignVCenter);
        table_->setHorizontalHeaderItem(i, title);
        table_->setColumnWidth(i, columns.at(i).Width);
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
    DbQuery* query = DataSet();
    const bool open = query && query->Active();
    QString footer;
    for (const Column& column : columns_)
        if (!column.FooterFormat.isEmpty())
            footer = QString(column.FooterFormat).replace(u"#0"_qs, QString::number(open ? query->RecordCount() : 0));
    footer_->setText(u"  "_qs + footer);
    if (!open)
        return;

    const int current = query->RecNo();
    table_->setRowCount(query->RecordCount());
    for (int row = 0; row < query->RecordCount(); ++row) {
        query->SetReadingRecord(row);
        for (int i = 0; i < columns_.size(); ++i) {
            const DbField* field = query->FindField(columns_.at(i).FieldName);
            auto* item = new QTableWidgetItem(field ? field->DisplayText() : QString());
            item->setTextAlignment(CellAlignment(columns_.at(i).Alignment, field ? field->Value() : QVariant()));
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
    RegisterComponentClass(u"DBGridEh"_qs, [](QObject* p) -> QObject* {
        return new ResultGridStandIn(qobject_cast<QWidget*>(p));
    });
    RegisterPropertyApplier([](QObject* c, const QString& name, const QJsonValue& value, LayoutLoad& load) {
        auto* grid = qobject_cast<ResultGridStandIn*>(c);
        if (!grid)
            return false;
        if (name == u"Columns") {
            QList<ResultGridStandIn::Column> columns;
            for (const QJsonValue& v : value.toArray()) {
                const QJsonObject o = v.toObject();
                const QJsonObject title = o.value(u"Title").toObject();
                columns.append({o.value(u"FieldName").toString(), title.value(u"Caption").toString(),
                                o.value(u"Width").toInt(64), o.value(u"Alignment").toString(),
                                title.value(u"Alignment").toString(),
                                o.value(u"Footer").toObject().value(u"DisplayFormat").toString()});
            }
            grid->SetColumns(columns);
            return true;
        }
        if (name == u"DataSource") {
            load.Resolve(value.toString(), [grid](QObject* t) { grid->SetDataSource(qobject_cast<TDataSource*>(t)); });
            return true;
        }
        if (name == u"PopupMenu") {
            load.Resolve(value.toString(), [grid](QObject* t) { grid->SetPopupMenu(qobject_cast<QMenu*>(t)); });
            return true;
        }
        if (name == u"EvenRowColor") {
            grid->SetEvenRowColour(ResolveColour(value.toString()));
            return true;
        }
        // The grid's other settings are kept as they are stored.
        grid->setProperty(name.toUtf8().constData(), value.toVariant());
        return name != u"Left" && name != u"Top" && name != u"Width" && name != u"Height" && name != u"Anchors"
               && name != u"TabOrder";
    });
}
