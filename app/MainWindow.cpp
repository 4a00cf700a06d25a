#include "MainWindow.h"

#include "AboutBox.h"
#include "DataComponents.h"
#include "DataModule.h"
#include "Documents.h"
#include "DataGridWidget.h"

#include "db/DatabaseError.h"
#include "db/Query.h"
#include "platform/Anchors.h"
#include "platform/Application.h"
#include "platform/ComboBox.h"
#include "platform/Layout.h"
#include "platform/MessageBox.h"
#include "platform/WidgetComponents.h"

#include <QCheckBox>
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
T* MainWindow::Component(const char* name)
{
    T* component = qobject_cast<T*>(FindComponent(this, QString::fromLatin1(name)));
    Q_ASSERT(component);
    return component;
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    RegisterWidgetComponents();
    RegisterDataComponents();
    RegisterDataGridWidget();
    LoadLayout(this, u":/layouts/MainWindow.json"_s);
}

SearchCriteria MainWindow::Criteria() const
{
    SearchCriteria c;
    c.NameText = nameEdit->text();
    c.AliasText = aliasEdit->text();
    c.CasText = casEdit->text();
    c.EnglishNameText = englishNameEdit->text();
    c.ExactMatch = exactMatchBox->isChecked();
    c.BatchIndex = batchCombo->ItemIndex();
    c.HazardIndex = hazardCombo->ItemIndex();
    c.HazardText = hazardCombo->Text();
    c.PrecursorIndex = precursorCombo->ItemIndex();
    c.IndexNoText = indexNoEdit->text();
    c.RowLimit = rowLimitBox->isChecked();
    return c;
}

void MainWindow::initialise()
{
    pages = Component<QTabWidget>("PageControl1");
    nameEdit = Component<QLineEdit>("EditName1");
    aliasEdit = Component<QLineEdit>("EditName2");
    casEdit = Component<QLineEdit>("EditCAS");
    englishNameEdit = Component<QLineEdit>("EditEngName");
    indexNoEdit = Component<QLineEdit>("EditIndexNo");
    exactMatchBox = Component<QCheckBox>("CheckBox1");
    rowLimitBox = Component<QCheckBox>("CheckBox2");
    batchCombo = Component<ComboBox>("ComboBoxPici");
    hazardCombo = Component<ComboBox>("ComboBoxDangTypes");
    precursorCombo = Component<ComboBox>("ComboBoxQt");
    searchButton = Component<QPushButton>("ButtonSearch");
    firstSearchTimer = Component<QTimer>("Timer1");
    query = Component<Query>("ADOQuery1");
    dataSource = Component<DataSource>("DataSource1");

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
    query->Close();
    query->SQL().clear();
    const SearchStatement statement = BuildSearchSql(Criteria());
    if (statement.IndexNoRejected)
        ShowMessage(u"序号必须是数字"_s, u"错误"_s, MessageIcon::Error);
    query->SQL().append(statement.Text);
    query->Open();
}

void MainWindow::clearCriteria()
{
    nameEdit->clear();
    aliasEdit->clear();
    casEdit->clear();
    englishNameEdit->clear();
    batchCombo->SetItemIndex(0);
    precursorCombo->SetItemIndex(0);
    hazardCombo->SetItemIndex(0);
    indexNoEdit->setText(u"0"_s);
}

void MainWindow::firstSearch()
{
    firstSearchTimer->stop();
    try {
        dataModule->connection->Open();
    } catch (const DatabaseError&) {
        ShowMessage(u"数据库无法连接"_s, u"消息"_s);
        throw SilentAbort();
    }
    searchButton->click();
}

void MainWindow::openMsdsPage()
{
    const Field& field = query->FieldByName(u"html_file"_s);
    if (field.IsNull()) {
        ShowMessage(u"没有找到相关资料"_s, u"消息"_s);
        throw SilentAbort();
    }
    OpenDocument(MsdsPageAddress(dataModule->MsdsUrl(), field.AsString()));
}

void MainWindow::openCatalogueDocument()
{
    OpenShippedDocument(kCatalogueDocument);
}

void MainWindow::openCatalogueTable()
{
    OpenShippedDocument(kCatalogueTableDocument);
}

void MainWindow::openDrugPrecursorList()
{
    OpenShippedDocument(kDrugPrecursorDocument);
}

void MainWindow::openExplosivePrecursorList()
{
    OpenShippedDocument(kExplosivePrecursorDocument);
}

void MainWindow::showAbout()
{
    aboutBox->exec();
}

void MainWindow::openUsageDocument()
{
    OpenShippedDocument(kUsageDocument);
}

void MainWindow::showEvent(QShowEvent* event)
{
    if (!sizedOnce_) {
        sizedOnce_ = true;
        // The task bar names the program as its message boxes do.
        setWindowIconText(Application::Instance().Title());
        fitOuterSize();
        layout()->activate();
        FixAnchorDistances(this);
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
