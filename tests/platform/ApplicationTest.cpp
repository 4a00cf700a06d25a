#include "platform/Application.h"
#include "platform/Fonts.h"

#include "support/QtPrint.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(DefaultErrorDisplay, AFullStopFollowsTextThatEndsAfterIt)
{
    EXPECT_EQ(Application::errorDisplayText(u"Field 'x' not found"_s), u"Field 'x' not found."_s);
    EXPECT_EQ(Application::errorDisplayText(u"done."_s), u"done."_s);
    EXPECT_EQ(Application::errorDisplayText(u"what!"_s), u"what!"_s);   // "!" sorts before "."
    EXPECT_EQ(Application::errorDisplayText(u"a-"_s), u"a-"_s);
    EXPECT_EQ(Application::errorDisplayText(u"a/"_s), u"a/."_s);
    EXPECT_EQ(Application::errorDisplayText(u"数据库错误"_s), u"数据库错误."_s);
    EXPECT_EQ(Application::errorDisplayText(QString()), QString());
}

TEST(EventFrame, SilentAbortsEndQuietlyAndErrorsAreShownWithTheTitle)
{
    RecordingMessageBoxes boxes;
    Application application;
    application.setTitle(u"危险化学品名录2015"_s);
    int after = 0;
    application.handleEvent([] { throw SilentAbort(); });
    application.handleEvent([] { throw Exception(u"bad statement"_s); });
    application.handleEvent([&] { ++after; });
    EXPECT_EQ(after, 1);
    EXPECT_EQ(boxes.boxes, (QList<RecordingMessageBoxes::Box>{
                               {u"bad statement."_s, u"危险化学品名录2015"_s, MessageIcon::Error}}));
}

TEST(FontFamilies, SongTiFallsBackToACjkFamily)
{
    EXPECT_EQ(resolveFontFamily(u"宋体"_s, {u"DejaVu Sans"_s, u"SimSun"_s, u"Noto Serif CJK SC"_s}), u"SimSun"_s);
    EXPECT_EQ(resolveFontFamily(u"宋体"_s, {u"Noto Serif CJK SC"_s, u"AR PL UMing CN"_s}), u"AR PL UMing CN"_s);
    EXPECT_EQ(resolveFontFamily(u"宋体"_s, {u"Noto Sans CJK SC"_s, u"Noto Serif CJK SC"_s}), u"Noto Serif CJK SC"_s);
    EXPECT_EQ(resolveFontFamily(u"宋体"_s, {u"DejaVu Sans"_s, u"Noto Sans CJK JP"_s}), u"Noto Sans CJK JP"_s);
    EXPECT_EQ(resolveFontFamily(u"Arial"_s, {u"DejaVu Sans"_s}), u"Arial"_s);

    const QFont song = resolveFont({u"宋体"_s, -24, true, false, true});
    EXPECT_EQ(song.pixelSize(), 24);
    EXPECT_TRUE(song.bold());
    EXPECT_TRUE(song.underline());
    EXPECT_EQ(resolveFont({u"MS Sans Serif"_s, -8}).pixelSize(), 11);
}

} // namespace
