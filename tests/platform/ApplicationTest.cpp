#include "platform/Application.h"
#include "platform/Fonts.h"

#include "support/QtPrint.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

namespace {

TEST(DefaultErrorDisplay, AFullStopFollowsTextThatEndsAfterIt)
{
    EXPECT_EQ(TApplication::ErrorDisplayText(u"Field 'x' not found"_qs), u"Field 'x' not found."_qs);
    EXPECT_EQ(TApplication::ErrorDisplayText(u"done."_qs), u"done."_qs);
    EXPECT_EQ(TApplication::ErrorDisplayText(u"what!"_qs), u"what!"_qs);   // "!" sorts before "."
    EXPECT_EQ(TApplication::ErrorDisplayText(u"a-"_qs), u"a-"_qs);
    EXPECT_EQ(TApplication::ErrorDisplayText(u"a/"_qs), u"a/."_qs);
    EXPECT_EQ(TApplication::ErrorDisplayText(u"数据库错误"_qs), u"数据库错误."_qs);
    EXPECT_EQ(TApplication::ErrorDisplayText(QString()), QString());
}

TEST(EventFrame, SilentAbortsEndQuietlyAndErrorsAreShownWithTheTitle)
{
    RecordingMessageBoxes boxes;
    TApplication application;
    application.SetTitle(u"危险化学品名录2015"_qs);
    int after = 0;
    application.HandleEvent([] { throw EAbort(); });
    application.HandleEvent([] { throw Exception(u"bad statement"_qs); });
    application.HandleEvent([&] { ++after; });
    EXPECT_EQ(after, 1);
    EXPECT_EQ(boxes.Boxes, (QList<RecordingMessageBoxes::Box>{
                               {u"bad statement."_qs, u"危险化学品名录2015"_qs, TMessageIcon::Error}}));
}

TEST(FontFamilies, SongTiFallsBackToACjkFamily)
{
    EXPECT_EQ(ResolveFontFamily(u"宋体"_qs, {u"DejaVu Sans"_qs, u"SimSun"_qs, u"Noto Serif CJK SC"_qs}), u"SimSun"_qs);
    EXPECT_EQ(ResolveFontFamily(u"宋体"_qs, {u"Noto Sans CJK SC"_qs, u"Noto Serif CJK SC"_qs}), u"Noto Serif CJK SC"_qs);
    EXPECT_EQ(ResolveFontFamily(u"宋体"_qs, {u"DejaVu Sans"_qs, u"Noto Sans CJK JP"_qs}), u"Noto Sans CJK JP"_qs);
    EXPECT_EQ(ResolveFontFamily(u"Arial"_qs, {u"DejaVu Sans"_qs}), u"Arial"_qs);

    const QFont song = ResolveFont({u"宋体"_qs, -24, true, false, true});
    EXPECT_EQ(song.pixelSize(), 24);
    EXPECT_TRUE(song.bold());
    EXPECT_TRUE(song.underline());
    EXPECT_EQ(ResolveFont({u"MS Sans Serif"_qs, -8}).pixelSize(), 11);
}

} // namespace
