#include "MainWindow.h"

#include "AboutBox.h"
#include "DataComponents.h"
#include "DataModule.h"
#include "Documents.h"
#include "DataGridWidget.h"
#include "InventoryPage.h"

#include "db/DatabaseError.h"
#include "db/Query.h"
#include "platform/Anchors.h"
#include "platform/Application.h"
#include "platform/ComboBox.h"
#include "platform/Layout.h"
#include "platform/MessageBox.h"
#include "platform/WidgetComponents.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;

MainWindow* mainWindow = nullptr;

namespace {

const QSize kOuterSize(1182, 777);

} // namespace

template <typename T>
T* MainWindow::component(const char* name)
{
    T* component = qobject_cast<T*>(findComponent(this, QString::fromLatin1(name)));
    Q_ASSERT(component);
    return component;
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    registerWidgetComponents();
    registerDataComponents();
    registerDataGridWidget();
    loadLayout(this, u":/layouts/MainWindow.json"_s);
}

MainWindow::~MainWindow() = default;

SearchCriteria MainWindow::criteria() const
{
    SearchCriteria c;
    c.nameText = nameEdit->text();
    c.aliasText = aliasEdit->text();
    c.casText = casEdit->text();
    c.englishNameText = englishNameEdit->text();
    c.exactMatch = exactMatchBox->isChecked();
    c.batchIndex = batchCombo->itemIndex();
    c.hazardIndex = hazardCombo->itemIndex();
    c.hazardText = hazardCombo->text();
    c.precursorIndex = precursorCombo->itemIndex();
    c.indexNoText = indexNoEdit->text();
    c.rowLimit = rowLimitBox->isChecked();
    return c;
}

void MainWindow::initialise()
{
    pages = component<QTabWidget>("PageControl1");
    nameEdit = component<QLineEdit>("EditName1");
    aliasEdit = component<QLineEdit>("EditName2");
    casEdit = component<QLineEdit>("EditCAS");
    englishNameEdit = component<QLineEdit>("EditEngName");
    indexNoEdit = component<QLineEdit>("EditIndexNo");
    exactMatchBox = component<QCheckBox>("CheckBox1");
    rowLimitBox = component<QCheckBox>("CheckBox2");
    batchCombo = component<ComboBox>("ComboBoxPici");
    hazardCombo = component<ComboBox>("ComboBoxDangTypes");
    precursorCombo = component<ComboBox>("ComboBoxQt");
    searchButton = component<QPushButton>("ButtonSearch");
    firstSearchTimer = component<QTimer>("Timer1");
    query = component<Query>("ADOQuery1");
    dataSource = component<DataSource>("DataSource1");

    inventory = std::make_unique<InventoryPage>(
        InventoryPage::Components{component<QWidget>("TabSheet4"), component<QLineEdit>("EditExposed"),
                                  component<QLabel>("LabelList"), component<QPlainTextEdit>("MemoSummary"),
                                  component<Query>("ADOQuery2")});

    pages->setCurrentIndex(0);
}

void MainWindow::deleteOnClose()
{
    // The main window is freed on closing, which ends the program.
    setAttribute(Qt::WA_DeleteOnClose);
}

void MainWindow::searchOnEnter(QObject*, QChar* key)
{
    if (key && *key == QChar(13))
        searchButton->click();
}

void MainWindow::search()
{
    query->close();
    query->sql().clear();
    const SearchStatement statement = buildSearchSql(criteria());
    if (statement.indexNoRejected)
        showMessage(u"序号必须是数字"_s, u"错误"_s, MessageIcon::Error);
    query->sql().append(statement.text);
    query->open();
}

void MainWindow::clearCriteria()
{
    nameEdit->clear();
    aliasEdit->clear();
    casEdit->clear();
    englishNameEdit->clear();
    batchCombo->setItemIndex(0);
    precursorCombo->setItemIndex(0);
    hazardCombo->setItemIndex(0);
    indexNoEdit->setText(u"0"_s);
}

void MainWindow::firstSearch()
{
    firstSearchTimer->stop();
    try {
        dataModule->connection->open();
    } catch (const DatabaseError&) {
        showMessage(u"数据库无法连接"_s, u"消息"_s);
        throw SilentAbort();
    }
    searchButton->click();
}

void MainWindow::openMsdsPage()
{
    openMsdsPageOf(query->fieldByName(u"html_file"_s).value());
}

void MainWindow::openInventoryMsdsPage()
{
    openMsdsPageOf(inventory->currentMsdsPage());
}

void MainWindow::openMsdsPageOf(const QVariant& htmlFile)
{
    if (htmlFile.isNull()) {
        showMessage(u"没有找到相关资料"_s, u"消息"_s);
        throw SilentAbort();
    }
    openDocument(msdsPageAddress(dataModule->msdsUrl(), htmlFile.toString()));
}

void MainWindow::openInventoryFile()
{
    const QString path = QFileDialog::getOpenFileName(this, u"打开清单"_s, QString(),
                                                      u"清单 (*.xlsx *.xls *.csv *.txt);;所有文件 (*)"_s);
    if (!path.isEmpty())
        inventory->openFile(path);
}

void MainWindow::pasteInventory()
{
    inventory->paste(QGuiApplication::clipboard()->text());
}

void MainWindow::checkOnEnter(QObject*, QChar* key)
{
    if (key && *key == QChar(13))
        checkInventory();
}

void MainWindow::checkInventory()
{
    inventory->check();
}

void MainWindow::exportInventory()
{
    if (!inventory->readyToExport())
        return;
    const QString workbook = u"Excel 工作簿 (*.xlsx)"_s;
    QString filter = workbook;
    QString path = QFileDialog::getSaveFileName(this, u"导出核查结果"_s, u"清单核查.xlsx"_s,
                                                workbook + u";;CSV（UTF-8） (*.csv)"_s, &filter);
    if (path.isEmpty())
        return;
    const QString suffix = filter == workbook ? u".xlsx"_s : u".csv"_s;
    if (!path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    inventory->exportTo(path);
}

void MainWindow::openCatalogueDocument()
{
    openShippedDocument(kCatalogueDocument);
}

void MainWindow::openCatalogueTable()
{
    openShippedDocument(kCatalogueTableDocument);
}

void MainWindow::openDrugPrecursorList()
{
    openShippedDocument(kDrugPrecursorDocument);
}

void MainWindow::openExplosivePrecursorList()
{
    openShippedDocument(kExplosivePrecursorDocument);
}

void MainWindow::showAbout()
{
    aboutBox->exec();
}

void MainWindow::openUsageDocument()
{
    openShippedDocument(kUsageDocument);
}

void MainWindow::showEvent(QShowEvent* event)
{
    if (!sizedOnce_) {
        sizedOnce_ = true;
        // The task bar names the program as its message boxes do.
        setWindowIconText(Application::instance().title());
        fitOuterSize();
        layout()->activate();
        // The pages not shown yet stand at the shown one's size while their distances are taken.
        for (int i = 0; i < pages->count(); ++i)
            pages->widget(i)->resize(pages->currentWidget()->size());
        fixAnchorDistances(this);
    }
    QMainWindow::showEvent(event);
}

bool MainWindow::event(QEvent* event)
{
    // A window manager frames the window after it is shown, and tells the
    // frame without an event of its own: it is looked for until it comes.
    const QEvent::Type type = event->type();
    if (!framed_ && (type == QEvent::Move || type == QEvent::UpdateRequest || type == QEvent::WindowActivate)
        && windowHandle() && !windowHandle()->frameMargins().isNull()) {
        framed_ = true;
        fitOuterSize();
    }
    // The window stays while the inventory page reads or checks a list.
    if (type == QEvent::Close && inventory && inventory->busy()) {
        event->ignore();
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::fitOuterSize()
{
    // The stored size is the outer one, frame included; centred on the desktop.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    resize(kOuterSize.shrunkBy(frame));
    if (QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(kOuterSize.width() / 2, kOuterSize.height() / 2));
}
