#include "ResultSetFixture.h"

#include "support/QtPrint.h"

using namespace Qt::StringLiterals;

namespace {

TEST_F(ResultSet, TheWindowScrollsByTheLeastThatKeepsTheCurrentRecord)
{
    link_.SetBufferCount(5);
    OpenSmall();
    EXPECT_EQ(link_.Take(), QStringList{u"active 1"_s});
    EXPECT_EQ(link_.RecordCount(), 5);

    query_.MoveBy(4);   // record 5, last of the window: no scroll
    query_.MoveBy(1);   // one below the window
    query_.MoveBy(-2);  // inside again
    query_.MoveBy(-3);  // one above
    query_.Last();      // more than a window
    query_.MoveBy(-7);
    query_.First();
    EXPECT_EQ(link_.Take(), (QStringList{
                                u"scrolled 0 first 0 slot 4"_s,
                                u"scrolled 1 first 1 slot 4"_s,
                                u"scrolled 0 first 1 slot 2"_s,
                                u"scrolled -1 first 0 slot 0"_s,
                                u"scrolled 5 first 5 slot 4"_s,
                                u"scrolled -3 first 2 slot 0"_s,
                                u"scrolled -2 first 0 slot 0"_s,
                            }));
}

TEST_F(ResultSet, EnlargingFillsAroundTheCurrentRecordAndShrinkingKeepsIt)
{
    link_.SetBufferCount(4);
    OpenSmall();
    query_.MoveBy(8);  // record 9: window 6..9
    EXPECT_EQ(link_.FirstRecord(), 5);
    link_.SetBufferCount(8);  // at the end the window fills before
    EXPECT_EQ(link_.FirstRecord(), 2);
    EXPECT_EQ(link_.RecordCount(), 8);
    EXPECT_EQ(link_.ActiveRecord(), 6);
    link_.SetBufferCount(2);  // the current record stays inside
    EXPECT_EQ(link_.FirstRecord(), 7);
    EXPECT_EQ(link_.ActiveRecord(), 1);
    query_.MoveBy(-8);  // record 1
    link_.SetBufferCount(10);
    query_.MoveBy(5);  // record 6, the sixth of ten
    link_.SetBufferCount(5);  // just past the shrunk window: it moves by one
    EXPECT_EQ(link_.FirstRecord(), 1);
    EXPECT_EQ(link_.ActiveRecord(), 4);
    link_.SetBufferCount(50);  // more than the records: all of them
    EXPECT_EQ(link_.RecordCount(), 10);
    EXPECT_EQ(link_.FirstRecord(), 0);
    link_.SetBufferCount(0);
    EXPECT_EQ(link_.BufferCount(), 1);
}

TEST_F(ResultSet, EachWindowSlotNamesItsRecord)
{
    link_.SetBufferCount(5);
    OpenSmall();
    query_.MoveBy(6);  // record 7: window 3..7
    ASSERT_EQ(link_.FirstRecord(), 2);
    QStringList read;
    for (int slot = 0; slot < link_.RecordCount(); ++slot)
        read.append(query_.FieldByName(u"name"_s).DisplayText(link_.RecordAt(slot)));
    EXPECT_EQ(read, (QStringList{u"n3"_s, u"n4"_s, u"n5"_s, u"n6"_s, u"n7"_s}));
    EXPECT_EQ(link_.RecordAt(5), -1);
    EXPECT_EQ(link_.RecordAt(-1), -1);
    EXPECT_EQ(link_.ActiveRecord(), 4);
}

TEST_F(ResultSet, SuspendedNotificationsResumeAsOneContentsChange)
{
    link_.SetBufferCount(3);
    OpenSmall();
    link_.Take();
    query_.DisableControls();
    query_.DisableControls();
    query_.Last();
    query_.First();
    EXPECT_TRUE(query_.ControlsDisabled());
    query_.EnableControls();
    EXPECT_TRUE(link_.Heard.isEmpty());
    query_.EnableControls();
    EXPECT_FALSE(query_.ControlsDisabled());
    EXPECT_EQ(link_.Take(), QStringList{u"changed first 0"_s});
    query_.EnableControls();  // unbalanced: nothing
    EXPECT_TRUE(link_.Heard.isEmpty());
}

TEST_F(ResultSet, EachLinkKeepsItsOwnWindow)
{
    RecordingLink other;
    other.SetDataSource(&source_);
    other.SetBufferCount(2);
    link_.SetBufferCount(6);
    OpenSmall();
    link_.Take();
    other.Take();
    query_.MoveBy(3);
    EXPECT_EQ(link_.Take(), QStringList{u"scrolled 0 first 0 slot 3"_s});
    EXPECT_EQ(other.Take(), QStringList{u"scrolled 2 first 2 slot 1"_s});

    // Attaching the source to another result set tells every link.
    Query second;
    source_.SetDataSet(&second);
    EXPECT_EQ(link_.Take(), QStringList{u"active 0"_s});
    EXPECT_EQ(other.Take(), QStringList{u"active 0"_s});
}

TEST_F(ResultSet, TheCatalogueWindowFollowsTheSearchRows)
{
    link_.SetBufferCount(20);
    OpenCatalogue(u" SELECT A.id,index_id, name1 FROM hazardous_chemicals A order by Id  LIMIT 200 "_s);
    EXPECT_EQ(query_.RecordCount(), 200);
    link_.Take();
    query_.Last();
    query_.MoveBy(-25);
    query_.SetRecNo(1);
    EXPECT_EQ(link_.Take(), (QStringList{u"scrolled 180 first 180 slot 19"_s, u"scrolled -6 first 174 slot 0"_s,
                                         u"scrolled -174 first 0 slot 0"_s}));
    EXPECT_EQ(query_.FieldByName(u"INDEX_ID"_s).AsInteger(), 1);

    // An empty result: nothing in the window.
    query_.Close();
    query_.SQL() = QStringList{u"SELECT id FROM hazardous_chemicals WHERE id < 0"_s};
    query_.Open();
    EXPECT_EQ(link_.RecordCount(), 0);
    EXPECT_EQ(query_.RecNo(), 0);
}

} // namespace
