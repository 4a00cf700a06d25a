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
        mainWindowColumns();
        query_.open();
    }
    FindRequest request(const QString& text, FindDirection direction = FindDirection::All)
    {
        FindRequest request;
        request.text = text;
        request.direction = direction;
        return request;
    }
    int column() { return grid_.currentColumn()->index(); }
};

TEST_F(GridSearch, AllDirectionsStartAtTheFirstRecordInTheChosenColumn)
{
    query_.moveBy(50);
    FindRequest request = this->request(u"氨"_s);
    request.fieldName = u"name1"_s;
    ASSERT_TRUE(findCellText(grid_, request));
    EXPECT_EQ(query_.recNo(), 2);  // 氨, the first name holding it
    EXPECT_EQ(column(), 1);
    // The next search goes on downwards from the match.
    request.direction = FindDirection::Down;
    ASSERT_TRUE(findCellText(grid_, request));
    EXPECT_EQ(query_.fieldByName(u"index_id"_s).asInteger(), 3);  // 5-氨基-1,3,3-三甲基环己甲胺
}

TEST_F(GridSearch, NoMatchPutsTheRecordAndTheWindowBack)
{
    query_.moveBy(30);
    const int first = grid_.rowCount();
    window_.scrolls.clear();
    window_.invalidated.clear();
    const int before = query_.recNo();
    FindRequest request = this->request(u"没有这个化学品"_s, FindDirection::Down);
    request.fieldName = u"name1"_s;
    EXPECT_FALSE(findCellText(grid_, request));
    EXPECT_EQ(query_.recNo(), before);
    EXPECT_EQ(grid_.rowCount(), first);
    EXPECT_FALSE(query_.controlsDisabled());
    // Nothing on the screen moved: no rows or columns scrolled, nothing repainted.
    EXPECT_TRUE(window_.scrolls.isEmpty());
    EXPECT_TRUE(window_.invalidated.isEmpty());

    query_.last();
    request.text = u"氨"_s;
    EXPECT_FALSE(findCellText(grid_, request));  // down from the last record
    EXPECT_EQ(query_.recNo(), 200);
}

TEST_F(GridSearch, AllColumnsFromTheCurrentOneThenEveryColumnInOrder)
{
    grid_.moveToColumn(4);  // CAS号
    FindRequest request = this->request(u"剧毒"_s);
    request.flags.set(FindFlag::AllColumns, true);
    ASSERT_TRUE(findCellText(grid_, request));
    EXPECT_EQ(query_.recNo(), 4);  // the first 剧毒 remark
    EXPECT_EQ(column(), 7);        // another column becomes current

    // In the first record, columns before the start one are skipped:
    // 鸦片 is record 1's alias (column 2) and nowhere else.
    request.text = u"鸦片"_s;
    request.direction = FindDirection::All;
    grid_.moveToColumn(3);
    EXPECT_FALSE(findCellText(grid_, request));
    grid_.moveToColumn(2);
    ASSERT_TRUE(findCellText(grid_, request));
    EXPECT_EQ(query_.recNo(), 1);

    request.direction = FindDirection::Up;
    query_.last();
    request.text = u"2"_s;
    request.matchKind = FindMatch::WholeField;
    ASSERT_TRUE(findCellText(grid_, request));
    EXPECT_EQ(query_.fieldByName(u"index_id"_s).asInteger(), 2);
}

// Upwards, the record before the start one is searched from its last column:
// 剧毒 is record 4's remark, right of the start column.
TEST_F(GridSearch, UpwardsOverAllColumnsAnEarlierRecordIsSearchedFromItsLastColumn)
{
    query_.moveBy(4);
    grid_.moveToColumn(1);
    FindRequest request = this->request(u"剧毒"_s, FindDirection::Up);
    request.flags.set(FindFlag::AllColumns, true);
    ASSERT_TRUE(findCellText(grid_, request));
    EXPECT_EQ(query_.recNo(), 4);
    EXPECT_EQ(column(), 7);
}

TEST_F(GridSearch, MatchKindsAndLetterCase)
{
    EXPECT_TRUE(cellTextMatches(u"Benzene"_s, u"benzene"_s, FindMatch::WholeField, true));
    EXPECT_FALSE(cellTextMatches(u"Benzene"_s, u"benzene"_s, FindMatch::WholeField, false));
    EXPECT_TRUE(cellTextMatches(u"氨基苯"_s, u"氨"_s, FindMatch::FromBeginning, false));
    EXPECT_FALSE(cellTextMatches(u"液氨"_s, u"氨"_s, FindMatch::FromBeginning, false));
    EXPECT_TRUE(cellTextMatches(u"液氨"_s, u"氨"_s, FindMatch::AnyPart, false));
    // An empty text: never any part, whole field only of an empty cell, always a beginning.
    EXPECT_FALSE(cellTextMatches(u"x"_s, QString(), FindMatch::AnyPart, true));
    EXPECT_TRUE(cellTextMatches(QString(), QString(), FindMatch::WholeField, true));
    EXPECT_FALSE(cellTextMatches(u"x"_s, QString(), FindMatch::WholeField, true));
    EXPECT_TRUE(cellTextMatches(u"x"_s, QString(), FindMatch::FromBeginning, true));
}

TEST_F(GridSearch, AnEmptyResultFindsNothingAndMovesNothing)
{
    query_.close();
    query_.sql() = QStringList{u"SELECT index_id, name1 FROM hazardous_chemicals WHERE id < 0"_s};
    query_.open();
    EXPECT_FALSE(findCellText(grid_, request(u"x"_s)));
    EXPECT_EQ(query_.recNo(), 0);
}

} // namespace
