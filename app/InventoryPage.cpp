#include "InventoryPage.h"

#include "DataModule.h"
#include "InventoryExport.h"

#include "db/Query.h"
#include "db/ResultRows.h"
#include "platform/Application.h"
#include "platform/Errors.h"
#include "platform/MessageBox.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QThread>
#include <exception>

using namespace Qt::StringLiterals;

namespace {

// The grid's field of each report column, in the report's order, then the
// MSDS page and the mark of an item's first row, which the footer counts.
const QStringList kFieldNames = {u"item"_s,      u"match"_s,    u"index_id"_s,        u"name"_s,        u"cas"_s,
                                 u"highly_toxic"_s, u"explosive"_s, u"drug_class"_s, u"batch"_s, u"special_control"_s,
                                 u"quantity_t"_s, u"threshold_t"_s, u"basis"_s,         u"share"_s,       u"hazards"_s,
                                 u"html_file"_s, u"item_start"_s};
constexpr int kMsdsField = kInventoryColumnCount;
constexpr qsizetype kCasColumn = qsizetype(InventoryColumn::Cas);
const QString kCaption = u"消息"_s;

ResultRows reportRows(const InventoryReport& report, const QHash<QString, QString>& msdsPages)
{
    std::vector<FetchedColumn> columns;
    for (const QString& name : kFieldNames)
        columns.push_back({name, QMetaType::fromType<QString>(), 255});
    ResultRows rows(std::move(columns));
    for (size_t i = 0; i < report.rows.size(); ++i) {
        const QStringList& row = report.rows[i];
        for (const QString& cell : row)
            rows.appendText(cell);
        const auto page = msdsPages.constFind(row.value(kCasColumn));
        if (page == msdsPages.constEnd() || row.value(kCasColumn).isEmpty())
            rows.appendNull();
        else
            rows.appendText(*page);
        if (report.startsItem[i])
            rows.appendText(u"1"_s);
        else
            rows.appendNull();
        rows.endRow();
    }
    return rows;
}

void runWithProgress(QWidget* parent, const QString& label, const std::function<void()>& work)
{
    std::exception_ptr failure;
    QThread* thread = QThread::create([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    });
    // The dialog belongs to the window, so that it stays enabled while the page is not.
    QProgressDialog progress(label, QString(), 0, 0, parent ? parent->window() : nullptr);
    progress.setWindowTitle(Application::instance().title());
    progress.setMinimumWidth(360);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setValue(0);
    QEventLoop loop;
    QObject::connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
    const bool wasEnabled = parent && parent->isEnabled();
    if (parent)
        parent->setEnabled(false);
    thread->start();
    loop.exec();
    thread->wait();
    delete thread;
    if (parent)
        parent->setEnabled(wasEnabled);
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace

InventoryPage::InventoryPage(const Components& components) : ui_(components)
{
    ui_.summaryMemo->setReadOnly(true);
    ui_.summaryMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    ui_.summaryMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

const InventoryCatalogue& InventoryPage::catalogue()
{
    if (!catalogue_) {
        // Both read, or neither kept: a failed read is tried again at the next check.
        InventoryCatalogue catalogue = readInventoryCatalogue(*dataModule->connection);
        Query msds;
        msds.setConnection(dataModule->connection);
        msds.sql() << u"SELECT cas, html_file FROM hazardous_chemicals_msds"_s;
        msds.open();
        QHash<QString, QString> pages;
        for (int record = 0; record < msds.recordCount(); ++record)
            pages.insert(msds.value(record, 0).toString(), msds.value(record, 1).toString());
        catalogue_.emplace(std::move(catalogue));
        msdsPages_ = std::move(pages);
    }
    return *catalogue_;
}

void InventoryPage::runBusy(const QString& label, const std::function<void()>& work)
{
    busy_ = true;
    try {
        runWithProgress(ui_.page, label, work);
    } catch (...) {
        busy_ = false;
        throw;
    }
    busy_ = false;
}

bool InventoryPage::readExposed(std::optional<int>& people) const
{
    const QString text = ui_.exposedEdit->text().trimmed();
    people.reset();
    if (text.isEmpty())
        return true;
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok);
    if (!ok || number < 0 || number > 100000000) {
        showMessage(u"厂外暴露人数必须是0到100000000之间的整数"_s, u"错误"_s, MessageIcon::Error);
        return false;
    }
    people = int(number);
    return true;
}

bool InventoryPage::show(const std::vector<InventoryItem>& items, const QString& listName)
{
    if (items.empty()) {
        showMessage(u"\""_s + listName + u"\"中没有化学品：第一列应是化学品的名称或CAS号"_s, kCaption);
        return false;
    }
    std::optional<int> people;
    if (!readExposed(people))
        return false;
    InventoryCatalogue const* checked = &catalogue();
    MajorHazardContext context = checked->context;
    context.peopleExposed = people;
    InventoryReport report;
    runBusy(u"正在核查清单…"_s, [&] { report = checkInventory(checked->index, items, context); });

    ui_.rows->close();
    ui_.rows->open(reportRows(report, msdsPages_));
    ui_.summaryMemo->setPlainText(report.summary.join(u'\n'));
    ui_.listLabel->setText(u"清单："_s + listName);
    ui_.listLabel->adjustSize();
    report_ = std::move(report);
    return true;
}

void InventoryPage::openFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(u"无法读取\""_s + path + u"\"："_s + file.errorString(), u"错误"_s, MessageIcon::Error);
        return;
    }
    std::vector<InventoryItem> items;
    try {
        runBusy(u"正在读取清单…"_s, [&] { items = readInventory(file.readAll(), path); });
    } catch (const Exception& error) {
        showMessage(error.message(), u"错误"_s, MessageIcon::Error);
        return;
    }
    keepIfShown(std::move(items), QFileInfo(path).fileName());
}

void InventoryPage::paste(const QString& text)
{
    keepIfShown(inventoryTextItems(text), u"剪贴板"_s);
}

void InventoryPage::keepIfShown(std::vector<InventoryItem> items, const QString& listName)
{
    if (!show(items, listName))
        return;
    items_ = std::move(items);
    listName_ = listName;
}

void InventoryPage::check()
{
    if (items_.empty()) {
        showMessage(u"请先打开清单或粘贴清单"_s, kCaption);
        return;
    }
    show(items_, listName_);
}

bool InventoryPage::readyToExport() const
{
    if (!report_)
        showMessage(u"没有可导出的核查结果：请先打开清单或粘贴清单"_s, kCaption);
    return report_.has_value();
}

void InventoryPage::exportTo(const QString& path)
{
    if (!readyToExport())
        return;
    try {
        if (path.endsWith(u".csv"_s, Qt::CaseInsensitive))
            exportInventoryCsv(*report_, path);
        else
            exportInventoryWorkbook(*report_, path);
    } catch (const Exception& error) {
        showMessage(error.message(), u"错误"_s, MessageIcon::Error);
    }
}

QVariant InventoryPage::currentMsdsPage() const
{
    const Query& rows = *ui_.rows;
    return rows.active() ? rows.value(rows.currentRecordIndex(), kMsdsField) : QVariant();
}
