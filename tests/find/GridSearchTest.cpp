#include "find/GridSearch.h"

#include "support/CatalogueGrid.h"
#include "support/QtPrint.h"

namespace {

class GridSearch : public CatalogueGrid {
protected:
    void SetUp() override
    {
        CatalogueGrid::SetUp();
        MainWindowColumns();
        query_.Open();
    }
    TFindRequestEh Request(const QString& text, TFindDirectionEh direction = fdAll)
    {
        TFindRequestEh request;
        request.Text = text;
        request.Direction = direction;
        return request;
    }
    int Column() { return grid_.CurrentColumn()->Index(); }
};

TEST_F(GridSearch, AllDirectionsStartAtTheFirstRecordInTheChosenColumn)
{
    query_.MoveBy(50);
    TFindRequestEh request = Request(u"氨"_qs);
    request.FieldName = u"name1"_qs;
    ASSERT_TRUE(FindCellText(grid_, request));
    EXPECT_EQ(query_.RecNo(), 2);  // 氨, the first name holding it
    EXPECT_EQ(Column(), 1);
    // The next search goes on downwards from the match.
    request.Direction = fdDown;
    ASSERT_TRUE(FindCellText(grid_, request));
    EXPECT_EQ(query_.FieldByName(u"index_id"_qs).AsInteger(), 3);  // 5-氨基-1,3,3-三甲基环己甲胺
}

TEST_F(GridSearch, NoMatchPutsTheRecordAndTheWindowBack)
{
    query_.MoveBy(30);
    const int first = grid_.RowCount();
    window_.Scrolls.clear();
    const int before = query_.RecNo();
    TFindRequestEh request = Request(u"没有这个化学品"_qs, fdDown);
    request.FieldName = u"name1"_qs;
    EXPECT_FALSE(FindCellText(grid_, request));
    EXPECT_EQ(query_.RecNo(), before);
    EXPECT_EQ(grid_.RowCount(), first);
    EXPECT_FALSE(query_.ControlsDisabled());

    query_.Last();
    request.Text = u"氨"_qs;
    EXPECT_FALSE(FindCellText(grid_, request));  // down from the last record
    EXPECT_EQ(query_.RecNo(), 200);
}

TEST_F(GridSearch, AllColumnsFromTheCurrentOneThenEveryColumnInOrder)
{
    grid_.MoveToColumn(4);  // CAS号
    TFindRequestEh request = Request(u"剧毒"_qs);
    request.Flags |= ffAllColumns;
    ASSERT_TRUE(FindCellText(grid_, request));
    EXPECT_EQ(query_.RecNo(), 4);  // the first 剧毒 remark
    EXPECT_EQ(Column(), 7);        // another column becomes current

    // In the first record, columns before the start one are skipped:
    // 鸦片 is record 1's alias (column 2) and nowhere else.
    request.Text = u"鸦片"_qs;
    request.Direction = fdAll;
    grid_.MoveToColumn(3);
    EXPECT_FALSE(FindCellText(grid_, request));
    grid_.MoveToColumn(2);
    ASSERT_TRUE(FindCellText(grid_, request));
    EXPECT_EQ(query_.RecNo(), 1);

    request.Direction = fdUp;
    query_.Last();
    request.Text = u"2"_qs;
    request.MatchKind = fmWholeField;
    ASSERT_TRUE(FindCellText(grid_, request));
    EXPECT_EQ(query_.FieldByName(u"index_id"_qs).AsInteger(), 2);
}

TEST_F(GridSearch, MatchKindsAndLetterCase)
{
    EXPECT_TRUE(CellTextMatches(u"Benzene"_qs, u"benzene"_qs, fmWholeField, true));
    EXPECT_FALSE(CellTextMatches(u"Benzene"_qs, u"benzene"_qs, fmWholeField, false));
    EXPECT_TRUE(CellTextMatches(u"氨基苯"_qs, u"氨"_qs, fmFromBeginning, false));
    EXPECT_FALSE(CellTextMatches(u"液氨"_qs, u"氨"_qs, fmFromBeginning, false));
    EXPECT_TRUE(CellTextMatches(u"液氨"_qs, u"氨"_qs, fmAnyPart, false));
    // An empty text: never any part, whole field only of an empty cell, always a beginning.
    EXPECT_FALSE(CellTextMatches(u"x"_qs, QString(), fmAnyPart, true));
    EXPECT_TRUE(CellTextMatches(QString(), QString(), fmWholeField, true));
    EXPECT_FALSE(CellTextMatches(u"x"_qs, QString(), fmWholeField, true));
    EXPECT_TRUE(CellTextMatches(u"x"_qs, QString(), fmFromBeginning, true));

    TFindRequestEh request = Request(u"x"_qs);
    request.FieldName = u"no_such"_qs;
    EXPECT_THROW(FindCellText(grid_, request), Exception);
}

TEST_F(GridSearch, AnEmptyResultFindsNothingAndMovesNothing)
{
    query_.Close();
    query_.SQL() = QStringList{u"SELECT index_id, name1 FROM hazardous_chemicals WHERE id < 0"_qs};
    query_.Open();
    EXPECT_FALSE(FindCellText(grid_, Request(u"x"_qs)));
    EXPECT_EQ(query_.RecNo(), 0);
}

} // namespace
