#include "platform/IniFile.h"

#include "support/TestFiles.h"

#include <QTemporaryDir>
#include "support/QtPrint.h"

#include <gtest/gtest.h>

namespace {

class IniFile : public ::testing::Test {
protected:
    QString Read(const QString& text, const QString& fallback = u"default"_qs, int buffer = 2048)
    {
        WriteTextFile(path_, text);
        return ReadIniString(path_, u"HTTP"_qs, u"MsdsURL"_qs, fallback, buffer);
    }

    QTemporaryDir dir_;
    QString path_ = dir_.filePath(u"Config.Ini"_qs);
};

TEST_F(IniFile, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_EQ(ReadIniString(dir_.filePath(u"none.ini"_qs), u"HTTP"_qs, u"MsdsURL"_qs, u"d"_qs, 2048),
              u"d"_qs);
    EXPECT_EQ(Read(u"[Other]\nMsdsURL=x\n"_qs), u"default"_qs);
    EXPECT_EQ(Read(u"[HTTP]\nOther=x\n"_qs), u"default"_qs);
    EXPECT_EQ(Read(u""_qs), u"default"_qs);
}

TEST_F(IniFile, NamesMatchWithoutRegardToLetterCase)
{
    EXPECT_EQ(Read(u"[http]\nmsdsurl=http://a/b/\n"_qs), u"http://a/b/"_qs);
    EXPECT_EQ(Read(u"[Http]\r\nMSDSURL = http://a/b/ \r\n"_qs), u"http://a/b/"_qs);
}

TEST_F(IniFile, ValuesAreTrimmedUnquotedAndTakenFromTheirOwnSection)
{
    EXPECT_EQ(Read(u"; note\n[A]\nMsdsURL=wrong\n[HTTP]\n  MsdsURL  =  \"http://x/\"  \n"_qs),
              u"http://x/"_qs);
    EXPECT_EQ(Read(u"[HTTP]\nMsdsURL=http://x/msds\n"_qs), u"http://x/msds"_qs);
    EXPECT_EQ(Read(u"[HTTP]\nMsdsURL=\n"_qs), QString());
    EXPECT_EQ(Read(u"\xFEFF[HTTP]\nMsdsURL=http://bom/\n"_qs), u"http://bom/"_qs);
    EXPECT_EQ(Read(u"[HTTP]\nMsdsURL=http://x/?a=b;c\n"_qs), u"http://x/?a=b;c"_qs);
}

TEST_F(IniFile, ValuesAreCutToTheBuffer)
{
    const QString longValue(3000, u'a');
    EXPECT_EQ(Read(u"[HTTP]\nMsdsURL="_qs + longValue + u'\n').size(), 2047);
    EXPECT_EQ(Read(u"[HTTP]\nMsdsURL=abcdef\n"_qs, u"d"_qs, 4), u"abc"_qs);
    EXPECT_EQ(Read(u"[X]\n"_qs, u"abcdef"_qs, 4), u"abc"_qs);
}

} // namespace
