#include "platform/IniFile.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include "support/QtPrint.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class IniFile : public ::testing::Test {
protected:
    QString read(const QString& text, const QString& fallback = u"default"_s, int buffer = 2048)
    {
        writeTextFile(path_, text);
        return readIniString(path_, u"HTTP"_s, u"MsdsURL"_s, fallback, buffer);
    }

    QTemporaryDir dir_;
    QString path_ = dir_.filePath(u"Config.Ini"_s);
};

TEST_F(IniFile, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_EQ(readIniString(dir_.filePath(u"none.ini"_s), u"HTTP"_s, u"MsdsURL"_s, u"d"_s, 2048),
              u"d"_s);
    EXPECT_EQ(read(u"[Other]\nMsdsURL=x\n"_s), u"default"_s);
    EXPECT_EQ(read(u"[HTTP]\nOther=x\n"_s), u"default"_s);
    EXPECT_EQ(read(u""_s), u"default"_s);
}

TEST_F(IniFile, NamesMatchWithoutRegardToLetterCase)
{
    EXPECT_EQ(read(u"[http]\nmsdsurl=http://a/b/\n"_s), u"http://a/b/"_s);
    EXPECT_EQ(read(u"[Http]\r\nMSDSURL = http://a/b/ \r\n"_s), u"http://a/b/"_s);
}

TEST_F(IniFile, ValuesAreTrimmedUnquotedAndTakenFromTheirOwnSection)
{
    EXPECT_EQ(read(u"; note\n[A]\nMsdsURL=wrong\n[HTTP]\n  MsdsURL  =  \"http://x/\"  \n"_s),
              u"http://x/"_s);
    EXPECT_EQ(read(u"[HTTP]\nOther=1\n[B]\nMsdsURL=wrong\n"_s), u"default"_s);
    EXPECT_EQ(read(u"[HTTP]\nMsdsURL=http://x/msds\n"_s), u"http://x/msds"_s);
    EXPECT_EQ(read(u"[HTTP]\nMsdsURL=\n"_s), QString());
    EXPECT_EQ(read(u"\xFEFF[HTTP]\nMsdsURL=http://bom/\n"_s), u"http://bom/"_s);
    EXPECT_EQ(read(u"[HTTP]\nMsdsURL=http://x/?a=b;c\n"_s), u"http://x/?a=b;c"_s);
}

TEST_F(IniFile, ValuesAreCutToTheBuffer)
{
    const QString longValue(3000, u'a');
    EXPECT_EQ(read(u"[HTTP]\nMsdsURL="_s + longValue + u'\n').size(), 2047);
    EXPECT_EQ(read(u"[HTTP]\nMsdsURL=abcdef\n"_s, u"d"_s, 4), u"abc"_s);
    EXPECT_EQ(read(u"[X]\n"_s, u"abcdef"_s, 4), u"abc"_s);
}

// Whatever the file holds, the key's value or the default comes back.
TEST_F(IniFile, DamagedOrOddFilesGiveTheValueOrTheDefault)
{
    QByteArray binary;
    for (int i = 0; i < 65536; ++i)
        binary.append(char((i * 7919) >> 3));
    const QString megabyteLine(1 << 20, u'x');
    const struct {
        const char* name;
        QByteArray contents;
        QString expected;
    } cases[] = {
        {"binary", binary, u"default"_s},
        {"binary before the section", binary + "\n[HTTP]\nMsdsURL=http://after/\n", u"http://after/"_s},
        {"a 1 MB line", ("[HTTP]\n" + megabyteLine + "\nMsdsURL=http://x/\n").toUtf8(), u"http://x/"_s},
        {"a 1 MB section name", ("[" + megabyteLine + "]\nMsdsURL=http://x/\n").toUtf8(), u"default"_s},
        {"CRLF and a BOM", "\xEF\xBB\xBF[HTTP]\r\nMsdsURL=http://crlf/\r\n", u"http://crlf/"_s},
        {"no section", "MsdsURL=http://nosection/\n", u"default"_s},
        {"duplicate keys", "[HTTP]\nMsdsURL=http://first/\nMsdsURL=http://second/\n", u"http://first/"_s},
    };
    for (const auto& odd : cases) {
        SCOPED_TRACE(odd.name);
        writeFile(path_, odd.contents);
        EXPECT_EQ(readIniString(path_, u"HTTP"_s, u"MsdsURL"_s, u"default"_s, 2048), odd.expected);
    }
    // A folder where the file should be.
    EXPECT_TRUE(QDir(dir_.path()).mkdir(u"Folder.Ini"_s));
    EXPECT_EQ(readIniString(dir_.filePath(u"Folder.Ini"_s), u"HTTP"_s, u"MsdsURL"_s, u"d"_s, 2048), u"d"_s);
}

} // namespace
