#include "app/DataModule.h"
#include "app/FormVorlak.h"
#include "app/ResultGridStandIn.h"
#include "app/SearchSql.h"
#include "db/Connection.h"
#include "db/Query.h"
#include "platform/ComboBox.h"
#include "platform/Layout.h"

#include "support/ProgramForms.h"
#include "support/QtPrint.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

template <typename T>
T* Find(QObject* form, const char* name)
{
    T* found = qobject_cast<T*>(FindComponent(form, QString::fromLatin1(name)));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Typing as the keyboard does it, for text the test library's key names cannot spell.
void TypeText(QWidget* widget, const QString& text)
{
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(widget, &press);
    }
}

class MainWindow : public ::testing::Test {
protected:
    TFormVorlak* Form() { return forms_.Form(); }
    QStringList Sql() { return Form()->ADOQuery1->SQL(); }
    QString Statement(const TSearchCriteria& criteria) { return BuildSearchSql(criteria).Text; }
    ResultGridStandIn* Grid() { return Find<ResultGridStandIn>(Form(), "DBGridEh1"); }
    void Handler(const char* name) { CallHandler(Form(), QString::fromLatin1(name), nullptr, nullptr); }

    ProgramForms forms_;
};

TEST_F(MainWindow, SearchPageControlsStandWhereTheLayoutPutsThem)
{
    struct Control {
        const char* name;
        QRect geometry;
        int tab;
    };
    const Control controls[] = {
        {"DBGridEh1", {8, 112, 1124, 292}, 0},     {"EditName1", {112, 20, 185, 23}, 1},
        {"EditName2", {368, 20, 145, 23}, 2},      {"EditCAS", {616, 20, 121, 23}, 3},
        {"ButtonSearch", {1000, 16, 105, 41}, 4},  {"CheckBox1", {32, 84, 121, 17}, 5},
        {"Memo3", {48, 484, 1057, 145}, 6},        {"ComboBoxPici", {112, 49, 185, 23}, 7},
        {"EditEngName", {368, 49, 145, 23}, 8},    {"EditIndexNo", {848, 49, 129, 23}, 9},
        {"ComboBoxDangTypes", {616, 49, 121, 23}, 10}, {"ComboBoxQt", {848, 16, 129, 23}, 11},
        {"Button1", {1000, 72, 105, 28}, 12},      {"Memo5", {64, 420, 825, 65}, 13},
        {"CheckBox2", {304, 88, 337, 17}, 14},
    };
    QWidget* page = Find<QWidget>(Form(), "TabSheet1");
    for (const Control& c : controls) {
        QWidget* w = Find<QWidget>(Form(), c.name);
        EXPECT_EQ(w->parentWidget(), page) << c.name;
        EXPECT_EQ(w->geometry(), c.geometry) << c.name;
        EXPECT_EQ(w->property("TabOrder").toInt(), c.tab) << c.name;
    }

    // Focus moves through the page in tab order (a combo box's edit field is
    // part of the combo box).
    Form()->show();
    QWidget* w = Find<QWidget>(Form(), "EditName1");
    QStringList order;
    for (int i = 0; i < 40 && order.size() < 14; ++i) {
        QWidget* owner = w;
        while (owner && owner->objectName().isEmpty())
            owner = owner->parentWidget();
        if (owner && owner->parentWidget() == page && (order.isEmpty() || order.last() != owner->objectName()))
            order.append(owner->objectName());
        w = w->nextInFocusChain();
    }
    EXPECT_EQ(order, (QStringList{u"EditName1"_qs, u"EditName2"_qs, u"EditCAS"_qs, u"ButtonSearch"_qs,
                                  u"CheckBox1"_qs, u"Memo3"_qs, u"ComboBoxPici"_qs, u"EditEngName"_qs,
                                  u"EditIndexNo"_qs, u"ComboBoxDangTypes"_qs, u"ComboBoxQt"_qs, u"Button1"_qs,
                                  u"Memo5"_qs, u"CheckBox2"_qs}));
}

TEST_F(MainWindow, TextsItemsAndStartValues)
{
    EXPECT_EQ(Form()->windowTitle(), u"危险化学品、易制毒化学品、易制爆化学品数据库 V1.0.0.0"_qs);
    auto* tabs = Find<QTabWidget>(Form(), "PageControl1");
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), u"危险化学品(含2828类)、易制毒、易制爆、易制毒、易制爆化学品查询"_qs);
    EXPECT_EQ(tabs->tabText(1), u" 附录"_qs);
    EXPECT_EQ(tabs->currentIndex(), 0);

    const std::pair<const char*, QString> labels[] = {
        {"Label1", u"品名"_qs},         {"Label2", u"别名"_qs},     {"Label3", u"CAS号"_qs},
        {"Label4", u"重点监管批次"_qs}, {"Label7", u"英文名 "_qs},  {"Label5", u"危化目录序号"_qs},
        {"Label6", u"危险性类别"_qs},   {"Label9", u"易制毒制爆"_qs},
    };
    const QPoint labelPositions[] = {{72, 24}, {328, 24}, {568, 24}, {8, 53}, {312, 53}, {752, 53}, {528, 53}, {755, 21}};
    for (size_t i = 0; i < std::size(labels); ++i) {
        auto* label = Find<QLabel>(Form(), labels[i].first);
        EXPECT_EQ(label->text(), labels[i].second);
        EXPECT_EQ(label->pos(), labelPositions[i]) << labels[i].first;
    }

    EXPECT_EQ(Find<QPushButton>(Form(), "ButtonSearch")->text(), u"查找"_qs);
    EXPECT_EQ(Find<QPushButton>(Form(), "Button1")->text(), u"清空"_qs);
    EXPECT_EQ(Find<QCheckBox>(Form(), "CheckBox1")->text(), u"名称精确匹配"_qs);
    EXPECT_FALSE(Form()->CheckBox1->isChecked());
    EXPECT_EQ(Find<QCheckBox>(Form(), "CheckBox2")->text(), u"记录数量超过200条时默认仅显示前200条记录"_qs);
    EXPECT_TRUE(Form()->CheckBox2->isChecked());
    EXPECT_EQ(Form()->EditIndexNo->text(), u"0"_qs);
    for (QLineEdit* edit : {Form()->EditName1, Form()->EditName2, Form()->EditCAS, Form()->EditEngName})
        EXPECT_TRUE(edit->text().isEmpty());

    auto items = [](TComboBox* combo) {
        QStringList list;
        for (int i = 0; i < combo->count(); ++i)
            list.append(combo->itemText(i));
        return list;
    };
    EXPECT_EQ(items(Form()->ComboBoxPici), BatchItems());
    EXPECT_EQ(items(Form()->ComboBoxQt), PrecursorItems());
    EXPECT_EQ(items(Form()->ComboBoxDangTypes), HazardItems());
    EXPECT_EQ(Form()->ComboBoxPici->ItemIndex(), -1);
    EXPECT_EQ(Form()->ComboBoxQt->ItemIndex(), -1);
    EXPECT_EQ(Form()->ComboBoxDangTypes->ItemIndex(), 0);
    EXPECT_EQ(Form()->ComboBoxDangTypes->maxVisibleItems(), 25);
    for (TComboBox* combo : {Form()->ComboBoxPici, Form()->ComboBoxQt, Form()->ComboBoxDangTypes})
        EXPECT_EQ(combo->Text(), u"不限定"_qs);

    const QStringList memo5 = Find<QPlainTextEdit>(Form(), "Memo5")->toPlainText().split(u'\n');
    ASSERT_EQ(memo5.size(), 3);
    EXPECT_EQ(memo5.at(0), u"一、MSDS查看方法：右键单击，选择“查看MSDS资料”。"_qs);
    EXPECT_TRUE(memo5.at(1).startsWith(u"    本软件MSDS数据搜集整理来源于MSDS查询网http"_qs));
    EXPECT_TRUE(memo5.at(1).endsWith(u"。"_qs));
    EXPECT_EQ(memo5.at(2), u"二、凡未有序号的化学品表示未列入危险化学品录录（2015版）。"_qs);
    const QStringList memo3 = Find<QPlainTextEdit>(Form(), "Memo3")->toPlainText().split(u'\n');
    ASSERT_EQ(memo3.size(), 13);
    EXPECT_EQ(memo3.first(), u"注："_qs);
    EXPECT_EQ(memo3.at(11), u"-经口,类别3*”，如果有充分依据，可分类为更严格的“急性毒性-经口,类别2”。"_qs);
    EXPECT_EQ(memo3.last(), u"（4）对于危险性类别为“加压气体”的危险化学品，根据充装方式选择液化气体、压缩气体、冷冻液化气体或溶解气体。"_qs);
    EXPECT_EQ(Find<QPlainTextEdit>(Form(), "Memo5")->font().pixelSize(), 16);
    EXPECT_TRUE(Find<QPlainTextEdit>(Form(), "Memo5")->font().bold());
    EXPECT_EQ(Find<QPlainTextEdit>(Form(), "Memo3")->font().pixelSize(), 13);
    EXPECT_EQ(Form()->font().pixelSize(), 15);

    auto* status = Find<QStatusBar>(Form(), "StatusBar1");
    EXPECT_EQ(status->height(), 33);
    const QList<QLabel*> panels = status->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(panels.size(), 2);
    EXPECT_EQ(panels.at(0)->text(), u"危险化学品名录2015  、易制毒化学品、易制爆化学品名录"_qs);
    EXPECT_EQ(panels.at(0)->width(), 350);
    EXPECT_TRUE(panels.at(1)->text().contains(u"意见反馈"_qs));

    const QList<QAction*> menus = Form()->menuBar()->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus.at(0)->text(), u"帮助"_qs);
    ASSERT_NE(menus.at(0)->menu(), nullptr);
    const QList<QAction*> help = menus.at(0)->menu()->actions();
    ASSERT_EQ(help.size(), 2);
    EXPECT_EQ(help.at(0)->text(), u"关于软件"_qs);
    EXPECT_EQ(help.at(1)->text(), u"使用说明"_qs);
    const QList<QAction*> popup = Find<QMenu>(Form(), "PopupMenu1")->actions();
    ASSERT_EQ(popup.size(), 1);
    EXPECT_EQ(popup.at(0)->text(), u"查看MSDS资料"_qs);

    EXPECT_EQ(Form()->Timer1->interval(), 2000);
    EXPECT_TRUE(Form()->Timer1->isActive());
    EXPECT_FALSE(Form()->ADOQuery1->Active());
    EXPECT_EQ(Form()->ADOQuery1->Connection(), forms_.DataModule()->ADOConnection1);
    EXPECT_FALSE(forms_.DataModule()->ADOConnection1->Connected());
    EXPECT_EQ(Grid()->FooterText(), u"共0条"_qs);
}

TEST_F(MainWindow, GridShowsItsEightColumns)
{
    const QStringList fields = {u"index_id"_qs, u"name1"_qs, u"name2"_qs, u"name_eng"_qs,
                                u"cas"_qs, u"dangtypes"_qs, u"specialadmin"_qs, u"remarks"_qs};
    const QStringList titles = {u"危化目录序号"_qs, u"品名"_qs, u"别名"_qs, u"英文名"_qs,
                                u"CAS号"_qs, u"危险性类别"_qs, u"其它特殊监管"_qs, u"备注"_qs};
    const int widths[] = {102, 188, 134, 87, 110, 202, 203, 89};
    const TAlignment alignments[] = {taCenter, taLeftJustify, taLeftJustify, taLeftJustify,
                                     taCenter, taLeftJustify, taLeftJustify, taCenter};
    TCustomDBGridEh& grid = Grid()->Grid();
    TDBGridColumnsEh& columns = grid.Columns();
    ASSERT_EQ(columns.Count(), 8);
    EXPECT_TRUE(columns.PersistentState());
    for (int i = 0; i < 8; ++i) {
        TColumnEh& c = columns.Item(i);
        EXPECT_EQ(c.FieldName(), fields.at(i));
        EXPECT_EQ(c.Title().Caption(), titles.at(i));
        EXPECT_EQ(c.Width(), widths[i]);
        EXPECT_EQ(c.Alignment(), alignments[i]) << i;
        EXPECT_EQ(c.Title().Alignment(), i == 6 ? taLeftJustify : taCenter) << i;
        EXPECT_EQ(c.Font().Face.Height, i == 5 || i == 6 ? -13 : -15) << i;
    }
    EXPECT_EQ(columns.Item(0).Footer().ValueType(), fvtCount);
    EXPECT_EQ(columns.Item(0).Footer().DisplayFormat, u"共#0条"_qs);
    EXPECT_EQ(columns.Item(0).Footer().Alignment(), taCenter);
    EXPECT_EQ(grid.FrozenCols(), 4);
    EXPECT_EQ(grid.FooterRowCount(), 1);
    EXPECT_TRUE(grid.ReadOnly());
    EXPECT_FALSE(grid.Flat());
    EXPECT_EQ(grid.FooterColor(), u"clInactiveBorder"_qs);
    EXPECT_EQ(grid.TitleFont().Face.Height, -15);
    EXPECT_EQ(grid.ColCount(), 9);
    EXPECT_EQ(grid.FixedCols(), 5);
    EXPECT_EQ(Grid()->property("EvenRowColor").toString(), u"clInactiveBorder"_qs);
    EXPECT_TRUE(grid.SumList()->Active());
}

TEST_F(MainWindow, SearchRunsTheStatementOfTheControls)
{
    Form()->ButtonSearch->click();
    EXPECT_EQ(Sql(), QStringList{Statement(TSearchCriteria{})});
    EXPECT_TRUE(Form()->ADOQuery1->Active());
    EXPECT_EQ(Grid()->RowCount(), 200);
    EXPECT_EQ(Grid()->FooterText(), u"共200条"_qs);
    EXPECT_EQ(Grid()->RowTexts(1).mid(0, 2), (QStringList{u"2"_qs, u"氨"_qs}));

    // Enter in a criterion field searches; the key goes on to the field.
    Form()->EditName1->setText(u"甲醇"_qs);
    Form()->CheckBox1->setChecked(true);
    QTest::keyClick(Form()->EditName1, Qt::Key_Return);
    TSearchCriteria exact;
    exact.NameText = u"甲醇"_qs;
    exact.ExactMatch = true;
    EXPECT_EQ(Sql(), QStringList{Statement(exact)});
    EXPECT_EQ(Grid()->FooterText(), u"共1条"_qs);

    // A typed hazard text selects no item and is the pattern.
    Form()->Button1Click();
    Form()->ComboBoxDangTypes->setFocus();
    Form()->ComboBoxDangTypes->lineEdit()->selectAll();
    TypeText(Form()->ComboBoxDangTypes->lineEdit(), u"生殖细胞致突变性"_qs);
    EXPECT_EQ(Form()->ComboBoxDangTypes->ItemIndex(), -1);
    QTest::keyClick(Form()->ComboBoxDangTypes->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(Sql().first().contains(u" where  DangTypes like '%生殖细胞致突变性%'"_qs));
    EXPECT_GT(Form()->ADOQuery1->RecordCount(), 100);

    // Enter in a combo box without Enter handling does nothing.
    const QStringList before = Sql();
    QTest::keyClick(Form()->ComboBoxQt->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(Sql(), before);
    EXPECT_TRUE(forms_.Boxes.Boxes.isEmpty());
}

TEST_F(MainWindow, ARejectedCatalogueNumberIsShownThenTheSearchRuns)
{
    Form()->EditName1->setText(u"苯"_qs);
    Form()->EditIndexNo->setText(u"abc"_qs);
    QTest::keyClick(Form()->EditIndexNo, Qt::Key_Return);
    ASSERT_EQ(forms_.Boxes.Boxes.size(), 1);
    EXPECT_EQ(forms_.Boxes.Boxes.first(),
              (RecordingMessageBoxes::Box{u"序号必须是数字"_qs, u"错误"_qs, TMessageIcon::Error}));
    TSearchCriteria name;
    name.NameText = u"苯"_qs;
    EXPECT_EQ(Sql(), QStringList{Statement(name)});
    EXPECT_TRUE(Form()->ADOQuery1->Active());
}

TEST_F(MainWindow, ClearResetsTheCriteriaAndRunsNothing)
{
    Form()->ButtonSearch->click();
    const QString startStatement = Sql().first();
    Form()->EditName1->setText(u"a"_qs);
    Form()->EditName2->setText(u"b"_qs);
    Form()->EditCAS->setText(u"c"_qs);
    Form()->EditEngName->setText(u"d"_qs);
    Form()->EditIndexNo->setText(u"12"_qs);
    Form()->ComboBoxDangTypes->SetItemIndex(3);
    Form()->CheckBox1->setChecked(true);
    Find<QPushButton>(Form(), "Button1")->click();

    for (QLineEdit* edit : {Form()->EditName1, Form()->EditName2, Form()->EditCAS, Form()->EditEngName})
        EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_EQ(Form()->EditIndexNo->text(), u"0"_qs);
    for (TComboBox* combo : {Form()->ComboBoxPici, Form()->ComboBoxQt, Form()->ComboBoxDangTypes}) {
        EXPECT_EQ(combo->ItemIndex(), 0);
        EXPECT_EQ(combo->Text(), u"不限定"_qs);
    }
    EXPECT_TRUE(Form()->CheckBox1->isChecked());  // check boxes keep their state
    EXPECT_EQ(Sql().first(), startStatement);      // no search ran
    EXPECT_EQ(Grid()->RowCount(), 200);

    // Index 0 adds no condition, just as index -1 did.
    Form()->CheckBox1->setChecked(false);
    Form()->ButtonSearch->click();
    EXPECT_EQ(Sql().first(), startStatement);
}

TEST_F(MainWindow, TheFirstSearchRunsTwoSecondsAfterStart)
{
    EXPECT_TRUE(Form()->Timer1->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(Form()->ADOQuery1->Active(), 10000);
    EXPECT_FALSE(Form()->Timer1->isActive());
    EXPECT_TRUE(forms_.DataModule()->ADOConnection1->Connected());
    EXPECT_EQ(Sql(), QStringList{Statement(TSearchCriteria{})});
    EXPECT_EQ(Grid()->FooterText(), u"共200条"_qs);
    EXPECT_TRUE(forms_.Boxes.Boxes.isEmpty());
}

TEST_F(MainWindow, WindowAndGridGrowTogether)
{
    Form()->show();
    QWidget* grid = Grid();
    QWidget* memo3 = Find<QWidget>(Form(), "Memo3");
    QWidget* memo5 = Find<QWidget>(Form(), "Memo5");
    const QRect gridBefore = grid->geometry();
    const QRect memo3Before = memo3->geometry();
    const QRect memo5Before = memo5->geometry();
    Form()->resize(Form()->size() + QSize(100, 60));
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->geometry(), gridBefore.adjusted(0, 0, 100, 60));
    EXPECT_EQ(memo3->geometry(), memo3Before.translated(0, 60));
    EXPECT_EQ(memo5->geometry(), memo5Before.translated(0, 60));
}

class MainWindowWithoutCatalogue : public ::testing::Test {
protected:
    MainWindowWithoutCatalogue() : forms_(u"[vorlak]\nDriver=MariaDB Unicode\nSocket=/nonexistent/none.sock\n"_qs) {}
    ProgramForms forms_;
};

TEST_F(MainWindowWithoutCatalogue, StartShowsTheConnectionMessageOnceAndStaysUsable)
{
    TFormVorlak* form = forms_.Form();
    CallHandler(form, u"Timer1Timer"_qs, nullptr, nullptr);
    EXPECT_FALSE(form->Timer1->isActive());
    ASSERT_EQ(forms_.Boxes.Boxes.size(), 1);
    EXPECT_EQ(forms_.Boxes.Boxes.first(), (RecordingMessageBoxes::Box{u"数据库无法连接"_qs, u"消息"_qs, TMessageIcon::None}));
    EXPECT_FALSE(form->ADOQuery1->Active());
    EXPECT_TRUE(form->ADOQuery1->SQL().isEmpty());  // the first search did not run

    // A later search tries again; its failure goes to the default error display.
    form->ButtonSearch->click();
    ASSERT_EQ(forms_.Boxes.Boxes.size(), 2);
    const RecordingMessageBoxes::Box error = forms_.Boxes.Boxes.last();
    EXPECT_EQ(error.Caption, u"危险化学品名录2015"_qs);
    EXPECT_EQ(error.Icon, TMessageIcon::Error);
    EXPECT_TRUE(error.Text.endsWith(u'.'));
    EXPECT_FALSE(error.Text.contains(u"vorlak@qa51807316"_qs));
    EXPECT_FALSE(form->ADOQuery1->Active());
}

} // namespace
