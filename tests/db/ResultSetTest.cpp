#include "ResultSetFixture.h"

#include "db/DatabaseError.h"

#include "support/QtPrint.h"

namespace {

TEST_F(ResultSet, FieldsAreFoundWithoutRegardToCaseAndDescribeThemselves)
{
    OpenCatalogue(u"SELECT A.id, index_id, name1, A.cas as CAS, B.html_file FROM hazardous_chemicals A "
                  u"LEFT JOIN hazardous_chemicals_msds B ON A.cas = B.cas ORDER BY id LIMIT 5"_qs);
    ASSERT_EQ(query_.FieldCount(), 5);
    EXPECT_EQ(query_.FindField(u"cas"_qs), &query_.Field(3));
    EXPECT_EQ(query_.FindField(u"cas"_qs)->FieldName(), u"CAS"_qs);
    EXPECT_EQ(query_.FindField(u"nothing"_qs), nullptr);
    try {
        query_.FieldByName(u"Html_Files"_qs);
        FAIL();
    } catch (const EDatabaseError& error) {
        EXPECT_EQ(error.Message(), u"Field 'Html_Files' not found"_qs);
    }

    DbField& number = query_.FieldByName(u"index_id"_qs);
    DbField& name = query_.FieldByName(u"name1"_qs);
    EXPECT_EQ(number.DataType(), ftInteger);
    EXPECT_EQ(number.Alignment(), taRightJustify);
    EXPECT_EQ(number.DisplayWidth(), 11);
    EXPECT_EQ(name.Alignment(), taLeftJustify);
    EXPECT_EQ(name.DisplayWidth(), 255);
    EXPECT_EQ(name.DisplayName(), u"name1"_qs);
    name.SetDisplayLabel(u"品名"_qs);
    EXPECT_EQ(name.DisplayName(), u"品名"_qs);
    EXPECT_TRUE(name.Visible());
    EXPECT_FALSE(name.ReadOnly());
    EXPECT_EQ(name.FieldKind(), fkData);
    EXPECT_TRUE(query_.FieldsCreatedOnOpen());

    EXPECT_EQ(number.AsInteger(), 1);
    EXPECT_EQ(name.AsString(), u"阿片"_qs);
    EXPECT_TRUE(query_.FieldByName(u"html_file"_qs).IsNull());
    EXPECT_EQ(query_.FieldByName(u"html_file"_qs).DisplayText(), QString());

    // A field's position is settable; the links hear of the new layout.
    name.SetIndex(0);
    EXPECT_EQ(&query_.Field(0), &name);
    EXPECT_EQ(name.Index(), 0);
    EXPECT_EQ(number.Index(), 2);
    EXPECT_EQ(name.AsString(), u"阿片"_qs);
    EXPECT_EQ(link_.Take(), (QStringList{u"active 1"_qs, u"layout"_qs}));
}

TEST_F(ResultSet, ValuesReadAsEachType)
{
    OpenSmall();
    query_.MoveBy(2);  // id 3: val 4.5, flag null
    DbField& val = query_.FieldByName(u"val"_qs);
    DbField& flag = query_.FieldByName(u"flag"_qs);
    EXPECT_EQ(val.DataType(), ftFloat);
    EXPECT_DOUBLE_EQ(val.AsFloat(), 4.5);
    EXPECT_EQ(val.DisplayText(), u"4.5"_qs);
    EXPECT_EQ(val.AsInteger(), 5);  // rounded
    EXPECT_TRUE(flag.IsNull());
    EXPECT_FALSE(flag.AsBoolean());
    query_.MoveBy(2);
    EXPECT_TRUE(flag.AsBoolean());
    EXPECT_EQ(flag.AsInteger(), 1);
    EXPECT_EQ(query_.FieldByName(u"name"_qs).EditText(), u"n5"_qs);
    EXPECT_EQ(query_.FieldByName(u"name"_qs).DisplayWidth(), 40);
}

TEST_F(ResultSet, MovesStopAtEitherEnd)
{
    EXPECT_FALSE(query_.Active());
    EXPECT_EQ(query_.State(), dsInactive);
    OpenSmall();
    EXPECT_EQ(query_.State(), dsBrowse);
    EXPECT_EQ(query_.RecordCount(), 10);
    EXPECT_TRUE(query_.IsSequenced());
    EXPECT_EQ(query_.RecNo(), 1);
    EXPECT_TRUE(query_.Bof());
    EXPECT_FALSE(query_.Eof());

    EXPECT_EQ(query_.MoveBy(4), 4);
    EXPECT_EQ(Id(), 5);
    EXPECT_FALSE(query_.Bof());
    EXPECT_EQ(query_.MoveBy(100), 5);
    EXPECT_EQ(query_.RecNo(), 10);
    EXPECT_TRUE(query_.Eof());
    EXPECT_EQ(query_.MoveBy(1), 0);
    EXPECT_TRUE(query_.Eof());
    EXPECT_EQ(query_.MoveBy(-100), -9);
    EXPECT_TRUE(query_.Bof());
    query_.Last();
    EXPECT_EQ(Id(), 10);
    EXPECT_TRUE(query_.Eof());
    query_.Prior();
    EXPECT_EQ(Id(), 9);
    EXPECT_FALSE(query_.Eof());
    query_.SetRecNo(4);
    EXPECT_EQ(Id(), 4);
    query_.SetRecNo(11);  // no such record: nothing happens
    EXPECT_EQ(Id(), 4);

    int visited = 0;
    for (query_.First(); !query_.Eof(); query_.Next())
        ++visited;
    EXPECT_EQ(visited, 10);
}

TEST_F(ResultSet, BookmarksReturnToTheirRecordWithinOneOpening)
{
    OpenSmall();
    query_.MoveBy(6);
    const TBookmark seven = query_.GetBookmark();
    query_.First();
    const TBookmark one = query_.GetBookmark();
    EXPECT_TRUE(query_.BookmarkValid(seven));
    EXPECT_EQ(query_.CompareBookmarks(one, seven), -1);
    EXPECT_EQ(query_.CompareBookmarks(seven, one), 1);
    EXPECT_EQ(query_.CompareBookmarks(seven, seven), 0);
    query_.GotoBookmark(seven);
    EXPECT_EQ(Id(), 7);

    query_.Close();
    EXPECT_FALSE(query_.BookmarkValid(seven));
    OpenSmall();
    EXPECT_FALSE(query_.BookmarkValid(seven));
    EXPECT_THROW(query_.GotoBookmark(seven), EDatabaseError);
}

TEST_F(ResultSet, EventSlotsCanBeHookedAndChained)
{
    QStringList calls;
    query_.SetAfterOpen([&](DbQuery&) { calls.append(u"original open"_qs); });
    // A companion saves the slot, puts its own in, and calls the saved one.
    const TDataSetNotifyEvent saved = query_.AfterOpen();
    query_.SetAfterOpen([&, saved](DbQuery& q) {
        calls.append(u"hook open %1"_qs.arg(q.RecordCount()));
        saved(q);
    });
    query_.SetAfterScroll([&](DbQuery& q) { calls.append(u"scroll %1"_qs.arg(q.RecNo())); });
    query_.SetAfterClose([&](DbQuery& q) { calls.append(u"close %1"_qs.arg(q.FieldCount())); });
    for (auto set : {&DbQuery::SetAfterEdit, &DbQuery::SetAfterInsert, &DbQuery::SetAfterPost,
                     &DbQuery::SetBeforeDelete, &DbQuery::SetAfterCancel})
        (query_.*set)([&](DbQuery&) { calls.append(u"never"_qs); });
    EXPECT_TRUE(bool(query_.AfterPost()));

    OpenSmall();
    query_.Next();
    query_.Close();
    EXPECT_EQ(calls, (QStringList{u"hook open 10"_qs, u"original open"_qs, u"scroll 2"_qs, u"close 0"_qs}));

    query_.SetAfterOpen(saved);  // put back
    calls.clear();
    OpenSmall();
    EXPECT_EQ(calls, QStringList{u"original open"_qs});
}

TEST_F(ResultSet, FilterSettingsAndPublishedProperties)
{
    EXPECT_FALSE(query_.Filtered());
    query_.SetFiltered(true);
    query_.SetFilter(u"id > 3"_qs);
    EXPECT_TRUE(query_.Filtered());
    EXPECT_EQ(query_.Filter(), u"id > 3"_qs);
    EXPECT_FALSE(query_.HasPublishedProperty(u"MasterSource"_qs));
    EXPECT_TRUE(query_.HasPublishedProperty(u"Filtered"_qs));
}

class FieldWatch : public TFieldWatcher {
public:
    explicit FieldWatch(QStringList& log) : log_(log) {}
    void FieldDestroyed(DbField* field) override { log_.append(u"gone "_qs + field->FieldName()); }

private:
    QStringList& log_;
};

TEST_F(ResultSet, CloseTellsTheLinksThenDestroysTheWatchedFields)
{
    OpenSmall();
    link_.Take();
    FieldWatch watch(link_.Heard);
    query_.FieldByName(u"name"_qs).AddWatcher(&watch);
    query_.Close();
    query_.Close();  // closing a closed query does nothing
    EXPECT_EQ(link_.Take(), (QStringList{u"active 0"_qs, u"gone name"_qs}));
    EXPECT_EQ(query_.FieldCount(), 0);
    EXPECT_EQ(link_.RecordCount(), 0);
}

} // namespace
