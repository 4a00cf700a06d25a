#include "platform/IniFile.h"

#include "support/TestFiles.h"

#include <QTemporaryDir>
#include "support/QtPrint.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class IniFile : public ::testing::Test {
protected:
    QString Read(const QString& text, const QString& fallback = u"default"_s, int buffer = 2048)
    {
        WriteTextFile(path_, text);
        return ReadIniString(path_, u"HTTP"_s, u"MsdsURL"_s, fallback, buffer);
    }

    QTemporaryDir dir_;
    QString path_ = dir_.filePath(u"Config.Ini"_s);
};

TEST_F(IniFile, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_EQ(ReadIniString(dir_.filePath(u"none.ini"_s), u"HTTP"_s, u"MsdsURL"_s, u"d"_s, 2048),
              u"d"_s);
    EXPECT_EQ(Read(u"[Other]\nMsdsURL=x\n"_s), u"default"_s);
    EXPECT_EQ(Read(u"[HTTP]\nOther=x\n"_s), u"default"_s);
    EXPECT_EQ(Read(u""_s), u"default"_s);
}

TEST_F(IniFile, NamesMatchWithoutRegardToLetterCase)
{
    EXPECT_EQ(Read(u"[http]\nmsdsurl=http://a/b/\n"_s), u"http://a/b/"_s);
    EXPECT_EQ(Read(u"[Http]\r\nMSDSURL = http://a/b/ \r\n"_s), u"http://a/b/"_s);
}

TEST_F(IniFile, ValuesAreTrimmedUnquotedAndTakenFromTheirOwnSection)
{
    EXPECT_EQ(Read(u"; note\n[A]\nMsdsURL=wrong\n[HTTP]\n  MsdsURL  =  \"http://x/\"  \n"_s),
              u"http://x/"_s);
    EXPECT_EQ(Read(u"[HTTP]\nMsdsURL=http://x/msds\n"_s), u"http://x/msds"_s);
    EXPECT_EQ(Read(u"[HTTP]\nMsdsURL=\n"_s), QString());
    EXPECT_EQ(Read(u"\xFEFF[HTTP]\nMsdsURL=http://bom/\n"_s), u"http://bom/"_s);
    EXPECT_EQ(Read(u"[HTTP]\nMsdsURL=http://x/?a=b;c\n"_s), u"http://x/?a=b;c"_s);
}

TEST_F(IniFile, ValuesAreCutToTheBuffer)
{
    const QString longValue(3000, u'a');
    EXPECT_EQ(Read(u"[HTTP]\nMsdsURL="_s + longValue + u'\n').size(), 2047);
    EXPECT_EQ(Read(u"[HTTP]\nMsdsURL=abcdef\n"_s, u"d"_s, 4), u"abc"_s);
    EXPECT_EQ(Read(u"[X]\n"_s, u"abcdef"_s, 4), u"abc"_s);
}

} // namespace
