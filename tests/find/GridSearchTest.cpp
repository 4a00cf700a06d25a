#include "find/GridSearch.h"

#include "support/CatalogueGrid.h"
#include "support/QtPrint.h"

using namespace Qt::StringLiterals;

namespace {

class GridSearch : public CatalogueGrid {
protected:
    void SetUp() override
    {
        CatalogueGrid::SetUp();
        MainWindowColumns();
        query_.Open();
    }
    FindRequest Request(const QString& text, FindDirection direction = FindDirection::All)
    {
        FindRequest request;
        request.Text = text;
        request.Direction = direction;
        return request;
    }
    int Column() { return grid_.CurrentColumn()->Index(); }
};

TEST_F(GridSearch, AllDirectionsStartAtTheFirstRecordInTheChosenColumn)
{
    query_.MoveBy(50);
    FindRequest request = Request(u"氨"_s);
    request.FieldName = u"name1"_s;
    ASSERT_TRUE(FindCellText(grid_, request));
    EXPECT_EQ(query_.RecNo(), 2);  // 氨, the first name holding it
    EXPECT_EQ(Column(), 1);
    // The next search goes on downwards from the match.
    request.Direction = FindDirection::Down;
    ASSERT_TRUE(FindCellText(grid_, request));
    EXPECT_EQ(query_.FieldByName(u"index_id"_s).AsInteger(), 3);  // 5-氨基-1,3,3-三甲基环己甲胺
}

TEST_F(GridSearch, NoMatchPutsTheRecordAndTheWindowBack)
{
    query_.MoveBy(30);
    const int first = grid_.RowCount();
    window_.Scrolls.clear();
    window_.Invalidated.clear();
    const int before = query_.RecNo();
    FindRequest request = Request(u"没有这个化学品"_s, FindDirection::Down);
    request.FieldName = u"name1"_s;
    EXPECT_FALSE(FindCellText(grid_, request));
    EXPECT_EQ(query_.RecNo(), before);
    EXPECT_EQ(grid_.RowCount(), first);
    EXPECT_FALSE(query_.ControlsDisabled());
    // Nothing on the screen moved: no rows or columns scrolled, nothing repainted.
    EXPECT_TRUE(window_.Scrolls.isEmpty());
    EXPECT_TRUE(window_.Invalidated.isEmpty());

    query_.Last();
    request.Text = u"氨"_s;
    EXPECT_FALSE(FindCellText(grid_, request));  // down from the last record
    EXPECT_EQ(query_.RecNo(), 200);
}

TEST_F(GridSearch, AllColumnsFromTheCurrentOneThenEveryColumnInOrder)
{
    grid_.MoveToColumn(4);  // CAS号
    FindRequest request = Request(u"剧毒"_s);
    request.Flags.Set(FindFlag::AllColumns, true);
    ASSERT_TRUE(FindCellText(grid_, request));
    EXPECT_EQ(query_.RecNo(), 4);  // the first 剧毒 remark
    EXPECT_EQ(Column(), 7);        // another column becomes current

    // In the first record, columns before the start one are skipped:
    // 鸦片 is record 1's alias (column 2) and nowhere else.
    request.Text = u"鸦片"_s;
    request.Direction = FindDirection::All;
    grid_.MoveToColumn(3);
    EXPECT_FALSE(FindCellText(grid_, request));
    grid_.MoveToColumn(2);
    ASSERT_TRUE(FindCellText(grid_, request));
    EXPECT_EQ(query_.RecNo(), 1);

    request.Direction = FindDirection::Up;
    query_.Last();
    request.Text = u"2"_s;
    request.MatchKind = FindMatch::WholeField;
    ASSERT_TRUE(FindCellText(grid_, request));
    EXPECT_EQ(query_.FieldByName(u"index_id"_s).AsInteger(), 2);
}

// Upwards, the record before the start one is searched from its last column:
// 剧毒 is record 4's remark, right of the start column.
TEST_F(GridSearch, UpwardsOverAllColumnsAnEarlierRecordIsSearchedFromItsLastColumn)
{
    query_.MoveBy(4);
    grid_.MoveToColumn(1);
    FindRequest request = Request(u"剧毒"_s, FindDirection::Up);
    request.Flags.Set(FindFlag::AllColumns, true);
    ASSERT_TRUE(FindCellText(grid_, request));
    EXPECT_EQ(query_.RecNo(), 4);
    EXPECT_EQ(Column(), 7);
}

TEST_F(GridSearch, MatchKindsAndLetterCase)
{
    EXPECT_TRUE(CellTextMatches(u"Benzene"_s, u"benzene"_s, FindMatch::WholeField, true));
    EXPECT_FALSE(CellTextMatches(u"Benzene"_s, u"benzene"_s, FindMatch::WholeField, false));
    EXPECT_TRUE(CellTextMatches(u"氨基苯"_s, u"氨"_s, FindMatch::FromBeginning, false));
    EXPECT_FALSE(CellTextMatches(u"液氨"_s, u"氨"_s, FindMatch::FromBeginning, false));
    EXPECT_TRUE(CellTextMatches(u"液氨"_s, u"氨"_s, FindMatch::AnyPart, false));
    // An empty text: never any part, whole field only of an empty cell, always a beginning.
    EXPECT_FALSE(CellTextMatches(u"x"_s, QString(), FindMatch::AnyPart, true));
    EXPECT_TRUE(CellTextMatches(QString(), QString(), FindMatch::WholeField, true));
    EXPECT_FALSE(CellTextMatches(u"x"_s, QString(), FindMatch::WholeField, true));
    EXPECT_TRUE(CellTextMatches(u"x"_s, QString(), FindMatch::FromBeginning, true));

    FindRequest request = Request(u"x"_s);
    request.FieldName = u"no_such"_s;
    EXPECT_THROW(FindCellText(grid_, request), Exception);
    // A hidden column is no place to start from.
    grid_.Columns().Item(2).SetVisible(false);
    request.FieldName = u"name2"_s;
    EXPECT_THROW(FindCellText(grid_, request), Exception);
}

TEST_F(GridSearch, AnEmptyResultFindsNothingAndMovesNothing)
{
    query_.Close();
    query_.SQL() = QStringList{u"SELECT index_id, name1 FROM hazardous_chemicals WHERE id < 0"_s};
    query_.Open();
    EXPECT_FALSE(FindCellText(grid_, Request(u"x"_s)));
    EXPECT_EQ(query_.RecNo(), 0);
}

} // namespace
