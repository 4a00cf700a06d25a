#include "app/DataModule.h"
#include "app/MainWindow.h"
#include "app/DataGridWidget.h"
#include "app/SearchSql.h"
#include "db/Connection.h"
#include "db/Query.h"
#include "platform/ComboBox.h"
#include "platform/Layout.h"

#include "support/ProgramForms.h"
#include "support/Inventory.h"
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

using namespace Qt::StringLiterals;

namespace {

template <typename T>
T* find(QObject* form, const char* name)
{
    T* found = qobject_cast<T*>(findComponent(form, QString::fromLatin1(name)));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Typing as the keyboard does it, for text the test library's key names cannot spell.
void typeText(QWidget* widget, const QString& text)
{
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(widget, &press);
    }
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindow* form() { return forms_.form(); }
    QStringList sql() { return form()->query->sql(); }
    QString statement(const SearchCriteria& criteria) { return buildSearchSql(criteria).text; }
    DataGridWidget* grid() { return find<DataGridWidget>(form(), "DataGrid1"); }
    QString footerText() { return grid()->grid().columns().item(0).footer().text(); }
    // The texts the grid shows in a row of its record window.
    QStringList rowTexts(int slot)
    {
        DataGrid& grid = this->grid()->grid();
        QStringList texts;
        for (int i = 0; i < grid.columns().count(); ++i)
            texts.append(grid.columns().item(i).cellText(grid.recordWindow().recordAt(slot)));
        return texts;
    }

    ProgramForms forms_;
};

TEST_F(MainWindowTest, SearchPageControlsStandWhereTheLayoutPutsThem)
{
    struct Control {
        const char* name;
        QRect geometry;
        int tab;
    };
    const Control controls[] = {
        {"DataGrid1", {8, 112, 1124, 292}, 0},     {"EditName1", {112, 20, 185, 23}, 1},
        {"EditName2", {368, 20, 145, 23}, 2},      {"EditCAS", {616, 20, 121, 23}, 3},
        {"ButtonSearch", {1000, 16, 105, 41}, 4},  {"CheckBox1", {32, 84, 121, 17}, 5},
        {"Memo3", {48, 484, 1057, 145}, 6},        {"ComboBoxPici", {112, 49, 185, 23}, 7},
        {"EditEngName", {368, 49, 145, 23}, 8},    {"EditIndexNo", {848, 49, 129, 23}, 9},
        {"ComboBoxDangTypes", {616, 49, 121, 23}, 10}, {"ComboBoxQt", {848, 16, 129, 23}, 11},
        {"Button1", {1000, 72, 105, 28}, 12},      {"Memo5", {64, 420, 825, 65}, 13},
        {"CheckBox2", {304, 88, 337, 17}, 14},
    };
    QWidget* page = find<QWidget>(form(), "TabSheet1");
    for (const Control& c : controls) {
        QWidget* w = find<QWidget>(form(), c.name);
        EXPECT_EQ(w->parentWidget(), page) << c.name;
        EXPECT_EQ(w->geometry(), c.geometry) << c.name;
        EXPECT_EQ(w->property("TabOrder").toInt(), c.tab) << c.name;
    }

    // Focus moves through the page in tab order (a combo box's edit field is
    // part of the combo box).
    form()->show();
    QWidget* w = find<QWidget>(form(), "EditName1");
    QStringList order;
    for (int i = 0; i < 40 && order.size() < 14; ++i) {
        QWidget* owner = w;
        while (owner && owner->objectName().isEmpty())
            owner = owner->parentWidget();
        if (owner && owner->parentWidget() == page && (order.isEmpty() || order.last() != owner->objectName()))
            order.append(owner->objectName());
        w = w->nextInFocusChain();
    }
    EXPECT_EQ(order, (QStringList{u"EditName1"_s, u"EditName2"_s, u"EditCAS"_s, u"ButtonSearch"_s,
                                  u"CheckBox1"_s, u"Memo3"_s, u"ComboBoxPici"_s, u"EditEngName"_s,
                                  u"EditIndexNo"_s, u"ComboBoxDangTypes"_s, u"ComboBoxQt"_s, u"Button1"_s,
                                  u"Memo5"_s, u"CheckBox2"_s}));
}

TEST_F(MainWindowTest, TextsItemsAndStartValues)
{
    EXPECT_EQ(form()->windowTitle(), u"危险化学品、易制毒化学品、易制爆化学品数据库 V1.0.0.0"_s);
    auto* tabs = find<QTabWidget>(form(), "PageControl1");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), u"危险化学品(含2828类)、易制毒、易制爆、易制毒、易制爆化学品查询"_s);
    EXPECT_EQ(tabs->tabText(1), u" 附录"_s);
    EXPECT_EQ(tabs->tabText(2), u"清单核查"_s);
    EXPECT_EQ(tabs->currentIndex(), 0);

    const std::pair<const char*, QString> labels[] = {
        {"Label1", u"品名"_s},         {"Label2", u"别名"_s},     {"Label3", u"CAS号"_s},
        {"Label4", u"重点监管批次"_s}, {"Label7", u"英文名 "_s},  {"Label5", u"危化目录序号"_s},
        {"Label6", u"危险性类别"_s},   {"Label9", u"易制毒制爆"_s},
    };
    const QPoint labelPositions[] = {{72, 24}, {328, 24}, {568, 24}, {8, 53}, {312, 53}, {752, 53}, {528, 53}, {755, 21}};
    for (size_t i = 0; i < std::size(labels); ++i) {
        auto* label = find<QLabel>(form(), labels[i].first);
        EXPECT_EQ(label->text(), labels[i].second);
        EXPECT_EQ(label->pos(), labelPositions[i]) << labels[i].first;
    }

    EXPECT_EQ(find<QPushButton>(form(), "ButtonSearch")->text(), u"查找"_s);
    EXPECT_EQ(find<QPushButton>(form(), "Button1")->text(), u"清空"_s);
    EXPECT_EQ(find<QCheckBox>(form(), "CheckBox1")->text(), u"名称精确匹配"_s);
    EXPECT_FALSE(form()->exactMatchBox->isChecked());
    EXPECT_EQ(find<QCheckBox>(form(), "CheckBox2")->text(), u"记录数量超过200条时默认仅显示前200条记录"_s);
    EXPECT_TRUE(form()->rowLimitBox->isChecked());
    EXPECT_EQ(form()->indexNoEdit->text(), u"0"_s);
    for (QLineEdit* edit : {form()->nameEdit, form()->aliasEdit, form()->casEdit, form()->englishNameEdit})
        EXPECT_TRUE(edit->text().isEmpty());

    auto items = [](ComboBox* combo) {
        QStringList list;
        for (int i = 0; i < combo->count(); ++i)
            list.append(combo->itemText(i));
        return list;
    };
    EXPECT_EQ(items(form()->batchCombo), batchItems());
    EXPECT_EQ(items(form()->precursorCombo), precursorItems());
    EXPECT_EQ(items(form()->hazardCombo), hazardItems());
    EXPECT_EQ(form()->batchCombo->itemIndex(), -1);
    EXPECT_EQ(form()->precursorCombo->itemIndex(), -1);
    EXPECT_EQ(form()->hazardCombo->itemIndex(), 0);
    EXPECT_EQ(form()->hazardCombo->maxVisibleItems(), 25);
    for (ComboBox* combo : {form()->batchCombo, form()->precursorCombo, form()->hazardCombo})
        EXPECT_EQ(combo->text(), u"不限定"_s);

    const QStringList msdsNotes = find<QPlainTextEdit>(form(), "Memo5")->toPlainText().split(u'\n');
    ASSERT_EQ(msdsNotes.size(), 3);
    EXPECT_EQ(msdsNotes.at(0), u"一、MSDS查看方法：右键单击，选择“查看MSDS资料”。"_s);
    EXPECT_TRUE(msdsNotes.at(1).startsWith(u"    本软件MSDS数据搜集整理来源于MSDS查询网http"_s));
    EXPECT_TRUE(msdsNotes.at(1).endsWith(u"。"_s));
    EXPECT_EQ(msdsNotes.at(2), u"二、凡未有序号的化学品表示未列入危险化学品录录（2015版）。"_s);
    const QStringList hazardNotes = find<QPlainTextEdit>(form(), "Memo3")->toPlainText().split(u'\n');
    ASSERT_EQ(hazardNotes.size(), 13);
    EXPECT_EQ(hazardNotes.first(), u"注："_s);
    EXPECT_EQ(hazardNotes.at(11), u"-经口,类别3*”，如果有充分依据，可分类为更严格的“急性毒性-经口,类别2”。"_s);
    EXPECT_EQ(hazardNotes.last(), u"（4）对于危险性类别为“加压气体”的危险化学品，根据充装方式选择液化气体、压缩气体、冷冻液化气体或溶解气体。"_s);
    EXPECT_EQ(find<QPlainTextEdit>(form(), "Memo5")->font().pixelSize(), 16);
    EXPECT_TRUE(find<QPlainTextEdit>(form(), "Memo5")->font().bold());
    EXPECT_EQ(find<QPlainTextEdit>(form(), "Memo3")->font().pixelSize(), 13);
    EXPECT_EQ(form()->font().pixelSize(), 15);

    auto* status = find<QStatusBar>(form(), "StatusBar1");
    EXPECT_EQ(status->height(), 33);
    const QList<QLabel*> panels = status->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(panels.size(), 2);
    EXPECT_EQ(panels.at(0)->text(), u"危险化学品名录2015  、易制毒化学品、易制爆化学品名录"_s);
    EXPECT_EQ(panels.at(0)->width(), 350);
    // The panel's text fits it, in the status bar's system font.
    EXPECT_EQ(panels.at(0)->font().pixelSize(), 12);
    EXPECT_LE(panels.at(0)->fontMetrics().horizontalAdvance(panels.at(0)->text()), panels.at(0)->contentsRect().width());
    EXPECT_TRUE(panels.at(1)->text().contains(u"意见反馈"_s));

    const QList<QAction*> menus = form()->menuBar()->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus.at(0)->text(), u"帮助"_s);
    ASSERT_NE(menus.at(0)->menu(), nullptr);
    const QList<QAction*> help = menus.at(0)->menu()->actions();
    ASSERT_EQ(help.size(), 2);
    EXPECT_EQ(help.at(0)->text(), u"关于软件"_s);
    EXPECT_EQ(help.at(1)->text(), u"使用说明"_s);
    const QList<QAction*> popup = find<QMenu>(form(), "PopupMenu1")->actions();
    ASSERT_EQ(popup.size(), 1);
    EXPECT_EQ(popup.at(0)->text(), u"查看MSDS资料"_s);

    EXPECT_EQ(form()->firstSearchTimer->interval(), 2000);
    EXPECT_TRUE(form()->firstSearchTimer->isActive());
    EXPECT_FALSE(form()->query->active());
    EXPECT_EQ(form()->query->connection(), forms_.dataModule()->connection);
    EXPECT_FALSE(forms_.dataModule()->connection->connected());
    EXPECT_EQ(footerText(), u"共0条"_s);
}

TEST_F(MainWindowTest, GridShowsItsEightColumns)
{
    const QStringList fields = {u"index_id"_s, u"name1"_s, u"name2"_s, u"name_eng"_s,
                                u"cas"_s, u"dangtypes"_s, u"specialadmin"_s, u"remarks"_s};
    const QStringList titles = {u"危化目录序号"_s, u"品名"_s, u"别名"_s, u"英文名"_s,
                                u"CAS号"_s, u"危险性类别"_s, u"其它特殊监管"_s, u"备注"_s};
    const int widths[] = {102, 188, 134, 87, 110, 202, 203, 89};
    const TextAlignment alignments[] = {TextAlignment::Center, TextAlignment::Left, TextAlignment::Left, TextAlignment::Left,
                                     TextAlignment::Center, TextAlignment::Left, TextAlignment::Left, TextAlignment::Center};
    DataGrid& grid = this->grid()->grid();
    GridColumns& columns = grid.columns();
    ASSERT_EQ(columns.count(), 8);
    for (int i = 0; i < 8; ++i) {
        GridColumn& c = columns.item(i);
        EXPECT_EQ(c.fieldName(), fields.at(i));
        EXPECT_EQ(c.title().caption(), titles.at(i));
        EXPECT_EQ(c.width(), widths[i]);
        EXPECT_EQ(c.alignment(), alignments[i]) << i;
        EXPECT_EQ(c.title().alignment(), i == 6 ? TextAlignment::Left : TextAlignment::Center) << i;
        EXPECT_EQ(c.font().face.height, i == 5 || i == 6 ? -13 : -15) << i;
    }
    EXPECT_EQ(columns.item(0).footer().valueType(), FooterValueType::Count);
    EXPECT_EQ(columns.item(0).footer().displayFormat, u"共#0条"_s);
    EXPECT_EQ(columns.item(0).footer().alignment(), TextAlignment::Center);
    EXPECT_EQ(grid.layoutSettings().frozenCols, 4);
    EXPECT_EQ(grid.layoutSettings().footerRowCount, 1);
    EXPECT_TRUE(grid.readOnly());
    EXPECT_FALSE(grid.appearance().flat);
    EXPECT_EQ(grid.appearance().footerColor, colourFromName(u"clInactiveBorder"_s));
    EXPECT_EQ(grid.appearance().titleFont.face.height, -15);
    EXPECT_EQ(grid.colCount(), 9);
    EXPECT_EQ(grid.fixedCols(), 5);
    EXPECT_EQ(this->grid()->grid().appearance().evenRow(), colourFromName(u"clInactiveBorder"_s));
    EXPECT_TRUE(grid.sumList()->active());
}

TEST_F(MainWindowTest, SearchRunsTheStatementOfTheControls)
{
    form()->show();
    form()->searchButton->click();
    EXPECT_EQ(sql(), QStringList{statement(SearchCriteria{})});
    EXPECT_TRUE(form()->query->active());
    EXPECT_EQ(form()->query->recordCount(), 200);
    EXPECT_EQ(footerText(), u"共200条"_s);
    EXPECT_EQ(rowTexts(1).mid(0, 2), (QStringList{u"2"_s, u"氨"_s}));

    // Enter in a criterion field searches; the key goes on to the field.
    form()->nameEdit->setText(u"甲醇"_s);
    form()->exactMatchBox->setChecked(true);
    QTest::keyClick(form()->nameEdit, Qt::Key_Return);
    SearchCriteria exact;
    exact.nameText = u"甲醇"_s;
    exact.exactMatch = true;
    EXPECT_EQ(sql(), QStringList{statement(exact)});
    EXPECT_EQ(footerText(), u"共1条"_s);

    // A typed hazard text selects no item and is the pattern.
    form()->clearCriteria();
    form()->hazardCombo->setFocus();
    form()->hazardCombo->lineEdit()->selectAll();
    typeText(form()->hazardCombo->lineEdit(), u"生殖细胞致突变性"_s);
    EXPECT_EQ(form()->hazardCombo->itemIndex(), -1);
    QTest::keyClick(form()->hazardCombo->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(sql().first().contains(u" where  DangTypes like '%生殖细胞致突变性%'"_s));
    EXPECT_GT(form()->query->recordCount(), 100);

    // Each combo box gives its own criterion.
    form()->clearCriteria();
    form()->batchCombo->setItemIndex(2);
    form()->searchButton->click();
    EXPECT_TRUE(sql().first().contains(u" where Iadmin_no = 1 "_s)) << sql().first().toStdString();
    form()->clearCriteria();
    form()->precursorCombo->setItemIndex(4);
    form()->searchButton->click();
    EXPECT_TRUE(sql().first().contains(u" where  drugchem = 2 "_s)) << sql().first().toStdString();

    // Enter in a combo box without Enter handling does nothing.
    const QStringList before = sql();
    QTest::keyClick(form()->precursorCombo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(sql(), before);
    EXPECT_TRUE(forms_.boxes.boxes.isEmpty());
}

// Every drug precursor is found by its CAS number, its class shown.
TEST_F(MainWindowTest, EachDrugPrecursorIsFoundByItsCasNumber)
{
    form()->show();
    for (const PrecursorNumber& precursor : kPrecursorNumbers) {
        form()->casEdit->setText(precursor.cas);
        form()->searchButton->click();
        EXPECT_EQ(footerText(), u"共1条"_s) << precursor.cas.toStdString();
        const QStringList row = rowTexts(0);
        EXPECT_EQ(row.value(4), precursor.cas);
        EXPECT_EQ(row.value(6), precursor.precursorClass) << precursor.cas.toStdString();
    }
}

// A search costs one layout pass (the one the closing posted is dropped),
// one working out of the footer's count and one repaint of the grid.
TEST_F(MainWindowTest, ASearchCostsOneLayoutPassOneRecountAndOneRepaint)
{
    form()->show();
    form()->searchButton->click();
    QCoreApplication::processEvents();
    DataGrid& grid = this->grid()->grid();
    int recounts = 0;
    const auto repaintFooters = grid.sumList()->changed;
    grid.sumList()->changed = [&recounts, repaintFooters] {
        ++recounts;
        repaintFooters();
    };
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    this->grid()->viewport()->installEventFilter(&counter);
    const int passes = grid.layoutBatch().passCount();

    form()->nameEdit->setText(u"氨"_s);
    form()->searchButton->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.layoutBatch().passCount() - passes, 1);
    EXPECT_EQ(recounts, 1);
    EXPECT_EQ(counter.paints, 1);
    EXPECT_EQ(footerText(), QString(u"共%1条"_s).arg(form()->query->recordCount()));
    grid.sumList()->changed = repaintFooters;
}

TEST_F(MainWindowTest, ARejectedCatalogueNumberIsShownThenTheSearchRuns)
{
    form()->nameEdit->setText(u"苯"_s);
    form()->indexNoEdit->setText(u"abc"_s);
    QTest::keyClick(form()->indexNoEdit, Qt::Key_Return);
    ASSERT_EQ(forms_.boxes.boxes.size(), 1);
    EXPECT_EQ(forms_.boxes.boxes.first(),
              (RecordingMessageBoxes::Box{u"序号必须是数字"_s, u"错误"_s, MessageIcon::Error}));
    SearchCriteria name;
    name.nameText = u"苯"_s;
    EXPECT_EQ(sql(), QStringList{statement(name)});
    EXPECT_TRUE(form()->query->active());
}

TEST_F(MainWindowTest, ClearResetsTheCriteriaAndRunsNothing)
{
    form()->searchButton->click();
    const QString startStatement = sql().first();
    form()->nameEdit->setText(u"a"_s);
    form()->aliasEdit->setText(u"b"_s);
    form()->casEdit->setText(u"c"_s);
    form()->englishNameEdit->setText(u"d"_s);
    form()->indexNoEdit->setText(u"12"_s);
    form()->hazardCombo->setItemIndex(3);
    form()->exactMatchBox->setChecked(true);
    find<QPushButton>(form(), "Button1")->click();

    for (QLineEdit* edit : {form()->nameEdit, form()->aliasEdit, form()->casEdit, form()->englishNameEdit})
        EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_EQ(form()->indexNoEdit->text(), u"0"_s);
    for (ComboBox* combo : {form()->batchCombo, form()->precursorCombo, form()->hazardCombo}) {
        EXPECT_EQ(combo->itemIndex(), 0);
        EXPECT_EQ(combo->text(), u"不限定"_s);
    }
    EXPECT_TRUE(form()->exactMatchBox->isChecked());  // check boxes keep their state
    EXPECT_EQ(sql().first(), startStatement);      // no search ran
    EXPECT_EQ(form()->query->recordCount(), 200);

    // Index 0 adds no condition, just as index -1 did.
    form()->exactMatchBox->setChecked(false);
    form()->searchButton->click();
    EXPECT_EQ(sql().first(), startStatement);
}

TEST_F(MainWindowTest, TheFirstSearchRunsTwoSecondsAfterStart)
{
    EXPECT_TRUE(form()->firstSearchTimer->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(form()->query->active(), 10000);
    EXPECT_FALSE(form()->firstSearchTimer->isActive());
    EXPECT_TRUE(forms_.dataModule()->connection->connected());
    EXPECT_EQ(sql(), QStringList{statement(SearchCriteria{})});
    EXPECT_EQ(footerText(), u"共200条"_s);
    EXPECT_TRUE(forms_.boxes.boxes.isEmpty());
}

TEST_F(MainWindowTest, WindowAndGridGrowTogether)
{
    form()->searchButton->click();
    form()->show();
    QWidget* grid = this->grid();
    const int rowsBefore = this->grid()->grid().recordWindow().bufferCount();
    QWidget* hazardNotes = find<QWidget>(form(), "Memo3");
    QWidget* msdsNotes = find<QWidget>(form(), "Memo5");
    const QRect gridBefore = grid->geometry();
    const QRect hazardNotesBefore = hazardNotes->geometry();
    const QRect msdsNotesBefore = msdsNotes->geometry();
    form()->resize(form()->size() + QSize(100, 60));
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->geometry(), gridBefore.adjusted(0, 0, 100, 60));
    // The record window takes the whole rows that now fit.
    EXPECT_GT(this->grid()->grid().recordWindow().bufferCount(), rowsBefore);
    EXPECT_EQ(this->grid()->grid().recordWindow().bufferCount(), this->grid()->grid().recordWindow().rowsThatFit());
    EXPECT_EQ(hazardNotes->geometry(), hazardNotesBefore.translated(0, 60));
    EXPECT_EQ(msdsNotes->geometry(), msdsNotesBefore.translated(0, 60));
}

class MainWindowWithoutCatalogue : public ::testing::Test {
protected:
    MainWindowWithoutCatalogue() : forms_(u"[vorlak]\nDriver=MariaDB Unicode\nSocket=/nonexistent/none.sock\n"_s) {}
    ProgramForms forms_;
};

TEST_F(MainWindowWithoutCatalogue, StartShowsTheConnectionMessageOnceAndStaysUsable)
{
    MainWindow* form = forms_.form();
    forms_.handle(&MainWindow::firstSearch);
    EXPECT_FALSE(form->firstSearchTimer->isActive());
    ASSERT_EQ(forms_.boxes.boxes.size(), 1);
    EXPECT_EQ(forms_.boxes.boxes.first(), (RecordingMessageBoxes::Box{u"数据库无法连接"_s, u"消息"_s, MessageIcon::None}));
    EXPECT_FALSE(form->query->active());
    EXPECT_TRUE(form->query->sql().isEmpty());  // the first search did not run

    // A later search tries again; its failure goes to the default error display.
    form->searchButton->click();
    ASSERT_EQ(forms_.boxes.boxes.size(), 2);
    const RecordingMessageBoxes::Box error = forms_.boxes.boxes.last();
    EXPECT_EQ(error.caption, u"危险化学品名录2015"_s);
    EXPECT_EQ(error.icon, MessageIcon::Error);
    EXPECT_TRUE(error.text.endsWith(u'.'));
    EXPECT_FALSE(error.text.contains(u"vorlak@qa51807316"_s));
    EXPECT_FALSE(form->query->active());
}

} // namespace

namespace {

// The main window refers to the data module's connection before the data
// module exists; a window gone by then is not handed the connection.
TEST(FormReferences, AFormGoneBeforeItsReferenceResolvesIsLeftOut)
{
    auto* gone = new MainWindow;
    delete gone;
    QTemporaryDir dir;
    auto* window = new MainWindow;
    DataModule module(dir.filePath(u"vorlak"_s));
    EXPECT_EQ(window->query->connection(), module.connection);
    delete window;
}

} // namespace
