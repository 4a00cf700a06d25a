#include "ResultSetFixture.h"

#include "support/QtPrint.h"

using namespace Qt::StringLiterals;

namespace {

TEST_F(ResultSet, TheWindowScrollsByTheLeastThatKeepsTheCurrentRecord)
{
    link_.setBufferCount(5);
    openSmall();
    EXPECT_EQ(link_.take(), QStringList{u"active 1"_s});
    EXPECT_EQ(link_.recordCount(), 5);

    query_.moveBy(4);   // record 5, last of the window: no scroll
    query_.moveBy(1);   // one below the window
    query_.moveBy(-2);  // inside again
    query_.moveBy(-3);  // one above
    query_.last();      // more than a window
    query_.moveBy(-7);
    query_.first();
    EXPECT_EQ(link_.take(), (QStringList{
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
    link_.setBufferCount(4);
    openSmall();
    query_.moveBy(8);  // record 9: window 6..9
    EXPECT_EQ(link_.firstRecord(), 5);
    link_.setBufferCount(8);  // at the end the window fills before
    EXPECT_EQ(link_.firstRecord(), 2);
    EXPECT_EQ(link_.recordCount(), 8);
    EXPECT_EQ(link_.activeRecord(), 6);
    link_.setBufferCount(2);  // the current record stays inside
    EXPECT_EQ(link_.firstRecord(), 7);
    EXPECT_EQ(link_.activeRecord(), 1);
    query_.moveBy(-8);  // record 1
    link_.setBufferCount(10);
    query_.moveBy(5);  // record 6, the sixth of ten
    link_.setBufferCount(5);  // just past the shrunk window: it moves by one
    EXPECT_EQ(link_.firstRecord(), 1);
    EXPECT_EQ(link_.activeRecord(), 4);
    link_.setBufferCount(50);  // more than the records: all of them
    EXPECT_EQ(link_.recordCount(), 10);
    EXPECT_EQ(link_.firstRecord(), 0);
    link_.setBufferCount(0);
    EXPECT_EQ(link_.bufferCount(), 1);
}

TEST_F(ResultSet, EachWindowSlotNamesItsRecord)
{
    link_.setBufferCount(5);
    openSmall();
    query_.moveBy(6);  // record 7: window 3..7
    ASSERT_EQ(link_.firstRecord(), 2);
    QStringList read;
    for (int slot = 0; slot < link_.recordCount(); ++slot)
        read.append(query_.fieldByName(u"name"_s).displayText(link_.recordAt(slot)));
    EXPECT_EQ(read, (QStringList{u"n3"_s, u"n4"_s, u"n5"_s, u"n6"_s, u"n7"_s}));
    EXPECT_EQ(link_.recordAt(5), -1);
    EXPECT_EQ(link_.recordAt(-1), -1);
    EXPECT_EQ(link_.activeRecord(), 4);
}

TEST_F(ResultSet, SuspendedNotificationsResumeAsOneContentsChange)
{
    link_.setBufferCount(3);
    openSmall();
    link_.take();
    query_.disableControls();
    query_.disableControls();
    query_.last();
    query_.first();
    EXPECT_TRUE(query_.controlsDisabled());
    query_.enableControls();
    EXPECT_TRUE(link_.heard.isEmpty());
    query_.enableControls();
    EXPECT_FALSE(query_.controlsDisabled());
    EXPECT_EQ(link_.take(), QStringList{u"changed first 0"_s});
    query_.enableControls();  // unbalanced: nothing
    EXPECT_TRUE(link_.heard.isEmpty());
}

TEST_F(ResultSet, EachLinkKeepsItsOwnWindow)
{
    RecordingLink other;
    other.setDataSource(&source_);
    other.setBufferCount(2);
    link_.setBufferCount(6);
    openSmall();
    link_.take();
    other.take();
    query_.moveBy(3);
    EXPECT_EQ(link_.take(), QStringList{u"scrolled 0 first 0 slot 3"_s});
    EXPECT_EQ(other.take(), QStringList{u"scrolled 2 first 2 slot 1"_s});

    // Attaching the source to another result set tells every link.
    Query second;
    source_.setDataSet(&second);
    EXPECT_EQ(link_.take(), QStringList{u"active 0"_s});
    EXPECT_EQ(other.take(), QStringList{u"active 0"_s});
}

TEST_F(ResultSet, TheCatalogueWindowFollowsTheSearchRows)
{
    link_.setBufferCount(20);
    openCatalogue(u" SELECT A.id,index_id, name1 FROM hazardous_chemicals A order by Id  LIMIT 200 "_s);
    EXPECT_EQ(query_.recordCount(), 200);
    link_.take();
    query_.last();
    query_.moveBy(-25);
    query_.setRecNo(1);
    EXPECT_EQ(link_.take(), (QStringList{u"scrolled 180 first 180 slot 19"_s, u"scrolled -6 first 174 slot 0"_s,
                                         u"scrolled -174 first 0 slot 0"_s}));
    EXPECT_EQ(query_.fieldByName(u"INDEX_ID"_s).asInteger(), 1);

    // An empty result: nothing in the window.
    query_.close();
    query_.sql() = QStringList{u"SELECT id FROM hazardous_chemicals WHERE id < 0"_s};
    query_.open();
    EXPECT_EQ(link_.recordCount(), 0);
    EXPECT_EQ(query_.recNo(), 0);
}

} // namespace
