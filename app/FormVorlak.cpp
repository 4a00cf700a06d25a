#include "FormVorlak.h"

#include "AboutBox.h"
#include "DataComponents.h"
#include "DataModule.h"
#include "Documents.h"
#include "ResultGridStandIn.h"

#include "db/DatabaseError.h"
#include "db/Query.h"
#include "platform/Anchors.h"
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

TFormVorlak* FormVorlak = nullptr;

namespace {

const QSize kOuterSize(1182, 777);

} // namespace

template <typename T>
T* TFormVorlak::Component(const char* name)
{
    T* component = qobject_cast<T*>(FindComponent(this, QString::fromLatin1(name)));
    Q_ASSERT(component);
    return component;
}

TFormVorlak::TFormVorlak(QWidget* parent) : QMainWindow(parent)
{
    RegisterWidgetComponents();
    RegisterDataComponents();
    RegisterResultGridStandIn();
    LoadLayout(this, u":/layouts/FormVorlak.json"_qs);
}

TSearchCriteria TFormVorlak::Criteria() const
{
    TSearchCriteria c;
    c.NameText = EditName1->text();
    c.AliasText = EditName2->text();
    c.CasText = EditCAS->text();
    c.EnglishNameText = EditEngName->text();
    c.ExactMatch = CheckBox1->isChecked();
    c.BatchIndex = ComboBoxPici->ItemIndex();
    c.HazardIndex = ComboBoxDangTypes->ItemIndex();
    c.HazardText = ComboBoxDangTypes->Text();
    c.PrecursorIndex = ComboBoxQt->ItemIndex();
    c.IndexNoText = EditIndexNo->text();
    c.RowLimit = CheckBox2->isChecked();
    return c;
}

void TFormVorlak::FormCreate()
{
    PageControl1 = Component<QTabWidget>("PageControl1");
    EditName1 = Component<QLineEdit>("EditName1");
    EditName2 = Component<QLineEdit>("EditName2");
    EditCAS = Component<QLineEdit>("EditCAS");
    EditEngName = Component<QLineEdit>("EditEngName");
    EditIndexNo = Component<QLineEdit>("EditIndexNo");
    CheckBox1 = Component<QCheckBox>("CheckBox1");
    CheckBox2 = Component<QCheckBox>("CheckBox2");
    ComboBoxPici = Component<TComboBox>("ComboBoxPici");
    ComboBoxDangTypes = Component<TComboBox>("ComboBoxDangTypes");
    ComboBoxQt = Component<TComboBox>("ComboBoxQt");
    ButtonSearch = Component<QPushButton>("ButtonSearch");
    Timer1 = Component<QTimer>("Timer1");
    ADOQuery1 = Component<DbQuery>("ADOQuery1");
    DataSource1 = Component<TDataSource>("DataSource1");

    PageControl1->setCurrentIndex(0);
}

void TFormVorlak::FormClose()
{
    // The main window is freed on closing, which ends the program.
    setAttribute(Qt::WA_DeleteOnClose);
}

void TFormVorlak::EditName1KeyPress(QObject*, QChar* Key)
{
    if (Key && *Key == QChar(13))
        ButtonSearch->click();
}

void TFormVorlak::ButtonSearchClick()
{
    ADOQuery1->Close();
    ADOQuery1->SQL().clear();
    const TSearchStatement statement = BuildSearchSql(Criteria());
    if (statement.IndexNoRejected)
        ShowMessage(u"序号必须是数字"_qs, u"错误"_qs, TMessageIcon::Error);
    ADOQuery1->SQL().append(statement.Text);
    ADOQuery1->Open();
}

void TFormVorlak::Button1Click()
{
    EditName1->clear();
    EditName2->clear();
    EditCAS->clear();
    EditEngName->clear();
    ComboBoxPici->SetItemIndex(0);
    ComboBoxQt->SetItemIndex(0);
    ComboBoxDangTypes->SetItemIndex(0);
    EditIndexNo->setText(u"0"_qs);
}

void TFormVorlak::Timer1Timer()
{
    Timer1->stop();
    try {
        DataModule1->ADOConnection1->Open();
    } catch (const EDatabaseError&) {
        ShowMessage(u"数据库无法连接"_qs, u"消息"_qs);
        throw EAbort();
    }
    ButtonSearch->click();
}

void TFormVorlak::MSDS1Click()
{
    const DbField& field = ADOQuery1->FieldByName(u"html_file"_qs);
    if (field.IsNull()) {
        ShowMessage(u"没有找到相关资料"_qs, u"消息"_qs);
        throw EAbort();
    }
    OpenDocument(MsdsPageAddress(DataModule1->MsdsUrl(), field.AsString()));
}

void TFormVorlak::Label10Click()
{
    OpenDocument(kCatalogueDocument);
}

void TFormVorlak::Label8Click()
{
    OpenDocument(kCatalogueTableDocument);
}

void TFormVorlak::Label11Click()
{
    OpenDocument(kDrugPrecursorDocument);
}

void TFormVorlak::Label12Click()
{
    OpenDocument(kExplosivePrecursorDocument);
}

void TFormVorlak::N2Click()
{
    AboutBox->exec();
}

void TFormVorlak::N3Click()
{
    OpenDocument(kUsageDocument);
}

void TFormVorlak::showEvent(QShowEvent* event)
{
    if (!sizedOnce_) {
        // The stored size is the outer one, frame included; centred on the desktop.
        sizedOnce_ = true;
        const QSize frame = frameGeometry().size() - geometry().size();
        resize(kOuterSize - frame);
        if (QScreen* screen = this->screen())
            move(screen->availableGeometry().center() - QPoint(kOuterSize.width() / 2, kOuterSize.height() / 2));
        layout()->activate();
        FixAnchorDistances(this);
    }
    QMainWindow::showEvent(event);
}
