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
        MainWindowColumns();
        query_.Open();
        grid_.MoveToColumn(1);  // 品名
    }
    template <typename T>
    T* Control(const char* name) { return dialog_.findChild<T*>(QString::fromLatin1(name)); }
    void Open() { dialog_.ShowOver(grid_, QString(), false); }
    void Type(const QString& text) { TypeText(Control<ComboBox>("cbText")->lineEdit(), text); }
    void Choose(const char* combo, int index) { Control<ComboBox>(combo)->SetItemIndex(index); }
    void FindNext(Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(Control<QPushButton>("bFind"), Qt::LeftButton, modifiers);
    }
    int Number() { return query_.FieldByName(u"index_id"_s).AsInteger(); }

    FindDialog dialog_;
};

TEST_F(FindDialogTest, OpensOverTheCurrentColumnWithItsControlsAsLaidOut)
{
    Open();
    EXPECT_EQ(dialog_.windowTitle(), u"Find text"_s);
    EXPECT_EQ(dialog_.size(), QSize(505, 124));  // the tree row hidden
    const auto* findIn = Control<ComboBox>("cbFindIn");
    QStringList items;
    for (int i = 0; i < findIn->count(); ++i)
        items << findIn->itemText(i);
    EXPECT_EQ(items, (QStringList{u"危化目录序号"_s, u"品名"_s, u"别名"_s, u"英文名"_s, u"CAS号"_s, u"危险性类别"_s,
                                  u"其它特殊监管"_s, u"备注"_s, u"<All>"_s}));
    EXPECT_EQ(findIn->Text(), u"品名"_s);
    EXPECT_EQ(Control<ComboBox>("cbFindDirection")->Text(), u"All"_s);
    EXPECT_EQ(Control<ComboBox>("cbMatchinType")->Text(), u"From any part of field"_s);
    EXPECT_FALSE(Control<QCheckBox>("cbCharCase")->isChecked());
    EXPECT_TRUE(Control<QCheckBox>("cbUseFormat")->isChecked());
    EXPECT_EQ(Control<QPushButton>("bFind")->geometry(), QRect(413, 9, 82, 23));
    EXPECT_EQ(QApplication::focusWidget() == nullptr || dialog_.focusWidget() == Control<ComboBox>("cbText")
                  || dialog_.focusWidget() == Control<ComboBox>("cbText")->lineEdit(),
              true);
}

// "All" runs from the first record once; the next presses go on down. Ctrl
// turns "All" and "Down" up.
TEST_F(FindDialogTest, AllStartsAtTheFirstRecordThenGoesOnDownAndCtrlGoesUp)
{
    query_.MoveBy(4);
    Open();
    Type(u"氨"_s);
    FindNext();
    EXPECT_EQ(query_.RecNo(), 2);  // from the first record
    EXPECT_FALSE(dialog_.FirstSearch());
    FindNext();
    EXPECT_EQ(query_.RecNo(), 3);  // then down
    QTest::keyClick(Control<ComboBox>("cbText")->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(query_.RecNo(), 4);  // Enter finds the next one; the dialog stays
    FindNext(Qt::ControlModifier);
    EXPECT_EQ(query_.RecNo(), 3);

    QTest::keyClick(Control<ComboBox>("cbFindDirection"), Qt::Key_Up);  // "Down", and a first search again
    EXPECT_TRUE(dialog_.FirstSearch());
    FindNext(Qt::ControlModifier);
    EXPECT_EQ(query_.RecNo(), 2);
    EXPECT_TRUE(dialog_.isVisible());
}

TEST_F(FindDialogTest, DownFromTheLastRecordLeavesRecordAndWindowAlone)
{
    Open();
    query_.Last();
    const int row = grid_.RecordWindow().ActiveRecord();
    Choose("cbFindDirection", 1);
    Type(u"氨"_s);
    FindNext();
    EXPECT_EQ(query_.RecNo(), 200);
    EXPECT_EQ(grid_.RecordWindow().ActiveRecord(), row);
    EXPECT_TRUE(dialog_.FirstSearch());
}

TEST_F(FindDialogTest, WholeFieldFoldsLetterCaseUnlessMatchCase)
{
    Open();
    Choose("cbFindIn", 2);  // 别名
    Choose("cbMatchinType", 1);
    Type(u"rc318"_s);
    FindNext();
    EXPECT_EQ(Number(), 39);  // 八氟环丁烷, also RC318

    query_.First();
    Control<QCheckBox>("cbCharCase")->setChecked(true);
    FindNext();
    EXPECT_EQ(query_.RecNo(), 1);
}

TEST_F(FindDialogTest, AllColumnsFromTheCurrentOneMakeTheMatchingColumnCurrent)
{
    grid_.MoveToColumn(4);  // CAS号
    Open();
    Choose("cbFindIn", 8);
    Type(u"剧毒"_s);
    FindNext();
    EXPECT_EQ(query_.RecNo(), 4);
    EXPECT_EQ(grid_.CurrentColumn()->Title().Caption(), u"备注"_s);
}

TEST_F(FindDialogTest, OverAClosedResultTheTextOnlyJoinsTheHistory)
{
    Open();
    query_.Close();
    Type(u"甲醇"_s);
    FindNext();
    const auto* text = Control<ComboBox>("cbText");
    ASSERT_EQ(text->count(), 1);
    EXPECT_EQ(text->itemText(0), u"甲醇"_s);
    FindNext();
    EXPECT_EQ(text->count(), 1);  // once only
}

TEST_F(FindDialogTest, EscClosesTheDialog)
{
    Open();
    ASSERT_TRUE(dialog_.isVisible());
    QTest::keyClick(Control<ComboBox>("cbText")->lineEdit(), Qt::Key_Escape);
    EXPECT_FALSE(dialog_.isVisible());
}

// Letter case is folded by the rules of the user's language: in Turkish the
// capital of "i" is "İ".
TEST(CellTextMatching, FoldsLetterCaseByTheLocale)
{
    const QLocale was;
    QLocale::setDefault(QLocale(QLocale::Turkish));
    const bool turkish = CellTextMatches(u"İ"_s, u"i"_s, FindMatch::WholeField, true);
    QLocale::setDefault(was);
    EXPECT_TRUE(turkish);
    EXPECT_FALSE(CellTextMatches(u"İ"_s, u"i"_s, FindMatch::WholeField, true));
}

} // namespace
