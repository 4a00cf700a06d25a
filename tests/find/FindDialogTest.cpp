// The find dialog over the catalogue grid, its choices set as the user sets
// them and "Find next" pressed with the mouse or Enter.
#include "find/FindDialog.h"

#include "db/Query.h"
#include "platform/ComboBox.h"
#include "support/CatalogueGrid.h"
#include "support/QtPrint.h"
#include "support/Typing.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Visible columns: 危化目录序号, 品名, 别名, 英文名, CAS号, 危险性类别, 其它特殊监管, 备注.
class FindDialogTest : public CatalogueGrid {
protected:
    void SetUp() override
    {
        CatalogueGrid::SetUp();
        mainWindowColumns();
        query_.open();
        grid_.moveToColumn(1);  // 品名
    }
    template <typename T>
    T* control(const char* name) { return dialog_.findChild<T*>(QString::fromLatin1(name)); }
    void open() { dialog_.showOver(grid_, QString(), false); }
    void type(const QString& text) { typeText(control<ComboBox>("cbText")->lineEdit(), text); }
    void choose(const char* combo, int index) { control<ComboBox>(combo)->setItemIndex(index); }
    void findNext(Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(control<QPushButton>("bFind"), Qt::LeftButton, modifiers);
    }
    int number() { return query_.fieldByName(u"index_id"_s).asInteger(); }

    FindDialog dialog_;
};

TEST_F(FindDialogTest, OpensOverTheCurrentColumnWithItsControlsAsLaidOut)
{
    open();
    EXPECT_EQ(dialog_.windowTitle(), u"Find text"_s);
    EXPECT_EQ(dialog_.size(), QSize(505, 124));  // the tree row hidden
    const auto* findIn = control<ComboBox>("cbFindIn");
    QStringList items;
    for (int i = 0; i < findIn->count(); ++i)
        items << findIn->itemText(i);
    EXPECT_EQ(items, (QStringList{u"危化目录序号"_s, u"品名"_s, u"别名"_s, u"英文名"_s, u"CAS号"_s, u"危险性类别"_s,
                                  u"其它特殊监管"_s, u"备注"_s, u"<All>"_s}));
    EXPECT_EQ(findIn->text(), u"品名"_s);
    EXPECT_EQ(control<ComboBox>("cbFindDirection")->text(), u"All"_s);
    EXPECT_EQ(control<ComboBox>("cbMatchinType")->text(), u"From any part of field"_s);
    EXPECT_FALSE(control<QCheckBox>("cbCharCase")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("cbUseFormat")->isChecked());
    EXPECT_EQ(control<QPushButton>("bFind")->geometry(), QRect(413, 9, 82, 23));
    EXPECT_EQ(QApplication::focusWidget() == nullptr || dialog_.focusWidget() == control<ComboBox>("cbText")
                  || dialog_.focusWidget() == control<ComboBox>("cbText")->lineEdit(),
              true);
}

// "All" runs from the first record once; the next presses go on down. Ctrl
// turns "All" and "Down" up.
TEST_F(FindDialogTest, AllStartsAtTheFirstRecordThenGoesOnDownAndCtrlGoesUp)
{
    query_.moveBy(4);
    open();
    type(u"氨"_s);
    findNext();
    EXPECT_EQ(query_.recNo(), 2);  // from the first record
    EXPECT_FALSE(dialog_.firstSearch());
    findNext();
    EXPECT_EQ(query_.recNo(), 3);  // then down
    QTest::keyClick(control<ComboBox>("cbText")->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(query_.recNo(), 4);  // Enter finds the next one; the dialog stays
    findNext(Qt::ControlModifier);
    EXPECT_EQ(query_.recNo(), 3);

    QTest::keyClick(control<ComboBox>("cbFindDirection"), Qt::Key_Up);  // "Down", and a first search again
    EXPECT_TRUE(dialog_.firstSearch());
    findNext(Qt::ControlModifier);
    EXPECT_EQ(query_.recNo(), 2);
    EXPECT_TRUE(dialog_.isVisible());
}

TEST_F(FindDialogTest, DownFromTheLastRecordLeavesRecordAndWindowAlone)
{
    open();
    query_.last();
    const int row = grid_.recordWindow().activeRecord();
    choose("cbFindDirection", 1);
    type(u"氨"_s);
    findNext();
    EXPECT_EQ(query_.recNo(), 200);
    EXPECT_EQ(grid_.recordWindow().activeRecord(), row);
    EXPECT_TRUE(dialog_.firstSearch());
}

TEST_F(FindDialogTest, WholeFieldFoldsLetterCaseUnlessMatchCase)
{
    open();
    choose("cbFindIn", 2);  // 别名
    choose("cbMatchinType", 1);
    type(u"rc318"_s);
    findNext();
    EXPECT_EQ(number(), 39);  // 八氟环丁烷, also RC318

    query_.first();
    control<QCheckBox>("cbCharCase")->setChecked(true);
    findNext();
    EXPECT_EQ(query_.recNo(), 1);
}

TEST_F(FindDialogTest, AllColumnsFromTheCurrentOneMakeTheMatchingColumnCurrent)
{
    grid_.moveToColumn(4);  // CAS号
    open();
    choose("cbFindIn", 8);
    type(u"剧毒"_s);
    findNext();
    EXPECT_EQ(query_.recNo(), 4);
    EXPECT_EQ(grid_.currentColumn()->title().caption(), u"备注"_s);
}

TEST_F(FindDialogTest, OverAClosedResultTheTextOnlyJoinsTheHistory)
{
    open();
    query_.close();
    type(u"甲醇"_s);
    findNext();
    const auto* text = control<ComboBox>("cbText");
    ASSERT_EQ(text->count(), 1);
    EXPECT_EQ(text->itemText(0), u"甲醇"_s);
    findNext();
    EXPECT_EQ(text->count(), 1);  // once only
}

TEST_F(FindDialogTest, EscClosesTheDialog)
{
    open();
    ASSERT_TRUE(dialog_.isVisible());
    QTest::keyClick(control<ComboBox>("cbText")->lineEdit(), Qt::Key_Escape);
    EXPECT_FALSE(dialog_.isVisible());
}

// Letter case is folded by the rules of the user's language: in Turkish the
// capital of "i" is "İ".
TEST(CellTextMatching, FoldsLetterCaseByTheLocale)
{
    const QLocale was;
    QLocale::setDefault(QLocale(QLocale::Turkish));
    const bool turkish = cellTextMatches(u"İ"_s, u"i"_s, FindMatch::WholeField, true);
    QLocale::setDefault(was);
    EXPECT_TRUE(turkish);
    EXPECT_FALSE(cellTextMatches(u"İ"_s, u"i"_s, FindMatch::WholeField, true));
}

} // namespace
