#include "ResultSetFixture.h"

#include "db/DatabaseError.h"

#include "support/QtPrint.h"

using namespace Qt::StringLiterals;

namespace {

TEST_F(ResultSet, FieldsAreFoundWithoutRegardToCaseAndDescribeThemselves)
{
    OpenCatalogue(u"SELECT A.id, index_id, name1, A.cas as CAS, B.html_file FROM hazardous_chemicals A "
                  u"LEFT JOIN hazardous_chemicals_msds B ON A.cas = B.cas ORDER BY id LIMIT 5"_s);
    ASSERT_EQ(query_.FieldCount(), 5);
    EXPECT_EQ(query_.FindField(u"cas"_s), &query_.FieldAt(3));
    EXPECT_EQ(query_.FindField(u"cas"_s)->FieldName(), u"CAS"_s);
    EXPECT_EQ(query_.FindField(u"nothing"_s), nullptr);
    try {
        query_.FieldByName(u"Html_Files"_s);
        FAIL();
    } catch (const DatabaseError& error) {
        EXPECT_EQ(error.Message(), u"Field 'Html_Files' not found"_s);
    }

    Field& number = query_.FieldByName(u"index_id"_s);
    Field& name = query_.FieldByName(u"name1"_s);
    EXPECT_EQ(number.DataType(), FieldType::Integer);
    EXPECT_EQ(number.Alignment(), TextAlignment::Right);
    EXPECT_EQ(number.DisplayWidth(), 11);
    EXPECT_EQ(name.Alignment(), TextAlignment::Left);
    EXPECT_EQ(name.DisplayWidth(), 255);
    EXPECT_EQ(name.DisplayName(), u"name1"_s);
    name.SetDisplayLabel(u"品名"_s);
    EXPECT_EQ(name.DisplayName(), u"品名"_s);
    EXPECT_TRUE(name.Visible());
    EXPECT_FALSE(name.ReadOnly());
    EXPECT_EQ(name.Kind(), FieldKind::Data);
    EXPECT_TRUE(query_.FieldsCreatedOnOpen());

    EXPECT_EQ(number.AsInteger(), 1);
    EXPECT_EQ(name.AsString(), u"阿片"_s);
    EXPECT_EQ(query_.FieldByName(u"html_file"_s).DisplayText(), u"8008-60-4"_s);

    // A field's position is settable; the links hear of the new layout.
    name.SetIndex(0);
    EXPECT_EQ(&query_.FieldAt(0), &name);
    EXPECT_EQ(name.Index(), 0);
    EXPECT_EQ(number.Index(), 2);
    EXPECT_EQ(name.AsString(), u"阿片"_s);
    EXPECT_EQ(link_.Take(), (QStringList{u"active 1"_s, u"layout"_s}));
}

TEST_F(ResultSet, ValuesReadAsEachType)
{
    OpenSmall();
    query_.MoveBy(2);  // id 3: val 4.5, flag null
    Field& val = query_.FieldByName(u"val"_s);
    Field& flag = query_.FieldByName(u"flag"_s);
    EXPECT_EQ(val.DataType(), FieldType::Float);
    EXPECT_DOUBLE_EQ(val.AsFloat(), 4.5);
    EXPECT_EQ(val.DisplayText(), u"4.5"_s);
    EXPECT_EQ(val.AsInteger(), 5);  // rounded
    EXPECT_TRUE(flag.IsNull());
    EXPECT_FALSE(flag.AsBoolean());
    query_.MoveBy(2);
    EXPECT_TRUE(flag.AsBoolean());
    EXPECT_EQ(flag.AsInteger(), 1);
    EXPECT_EQ(query_.FieldByName(u"name"_s).EditText(), u"n5"_s);
    EXPECT_EQ(query_.FieldByName(u"name"_s).DisplayWidth(), 40);
}

TEST_F(ResultSet, MovesStopAtEitherEnd)
{
    EXPECT_FALSE(query_.Active());
    EXPECT_EQ(query_.State(), DataSetState::Inactive);
    OpenSmall();
    EXPECT_EQ(query_.State(), DataSetState::Browse);
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
    const Bookmark seven = query_.GetBookmark();
    query_.First();
    const Bookmark one = query_.GetBookmark();
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
    EXPECT_THROW(query_.GotoBookmark(seven), DatabaseError);
}

TEST_F(ResultSet, EventSlotsCanBeHookedAndChained)
{
    QStringList calls;
    query_.SetAfterOpen([&](Query&) { calls.append(u"original open"_s); });
    // A companion saves the slot, puts its own in, and calls the saved one.
    const DataSetHandler saved = query_.AfterOpen();
    query_.SetAfterOpen([&, saved](Query& q) {
        calls.append(u"hook open %1"_s.arg(q.RecordCount()));
        saved(q);
    });
    query_.SetAfterScroll([&](Query& q) { calls.append(u"scroll %1"_s.arg(q.RecNo())); });
    query_.SetAfterClose([&](Query& q) { calls.append(u"close %1"_s.arg(q.FieldCount())); });
    for (auto set : {&Query::SetAfterEdit, &Query::SetAfterInsert, &Query::SetAfterPost,
                     &Query::SetBeforeDelete, &Query::SetAfterCancel})
        (query_.*set)([&](Query&) { calls.append(u"never"_s); });
    EXPECT_TRUE(bool(query_.AfterPost()));

    OpenSmall();
    query_.Next();
    query_.Close();
    EXPECT_EQ(calls, (QStringList{u"hook open 10"_s, u"original open"_s, u"scroll 2"_s, u"close 0"_s}));

    query_.SetAfterOpen(saved);  // put back
    calls.clear();
    OpenSmall();
    EXPECT_EQ(calls, QStringList{u"original open"_s});
}

TEST_F(ResultSet, FilterSettingsAndPublishedProperties)
{
    EXPECT_FALSE(query_.Filtered());
    query_.SetFiltered(true);
    query_.SetFilter(u"id > 3"_s);
    EXPECT_TRUE(query_.Filtered());
    EXPECT_EQ(query_.Filter(), u"id > 3"_s);
    EXPECT_FALSE(query_.HasPublishedProperty(u"MasterSource"_s));
    EXPECT_TRUE(query_.HasPublishedProperty(u"Filtered"_s));
}

class FieldWatch : public FieldWatcher {
public:
    explicit FieldWatch(QStringList& log) : log_(log) {}
    void FieldDestroyed(Field* field) override { log_.append(u"gone "_s + field->FieldName()); }

private:
    QStringList& log_;
};

TEST_F(ResultSet, CloseTellsTheLinksThenDestroysTheWatchedFields)
{
    OpenSmall();
    link_.Take();
    FieldWatch watch(link_.Heard);
    query_.FieldByName(u"name"_s).AddWatcher(&watch);
    query_.Close();
    query_.Close();  // closing a closed query does nothing
    EXPECT_EQ(link_.Take(), (QStringList{u"active 0"_s, u"gone name"_s}));
    EXPECT_EQ(query_.FieldCount(), 0);
    EXPECT_EQ(link_.RecordCount(), 0);
}

} // namespace
