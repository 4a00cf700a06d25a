#include "app/DataModule.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include "support/QtPrint.h"

#include <gtest/gtest.h>

namespace {

TEST(DataModule, ApplicationFolderKeepsItsTrailingSeparator)
{
    EXPECT_EQ(ApplicationFolderOf(u"/opt/vorlak/vorlak"_qs), u"/opt/vorlak/"_qs);
    EXPECT_EQ(ApplicationFolderOf(u"/vorlak"_qs), u"/"_qs);
}

TEST(DataModule, CreatedWithTheFixedClosedConnection)
{
    QTemporaryDir dir;
    TDataModule1 module(dir.filePath(u"vorlak"_qs));
    EXPECT_EQ(module.ADOConnection1->ConnectionString(),
              u"Provider=MSDASQL.1;Password=vorlak@qa51807316;Persist Security Info=True;"
              u"User ID=vorlak;Data Source=vorlak;Initial Catalog=vorlak"_qs);
    EXPECT_FALSE(module.ADOConnection1->LoginPrompt());
    EXPECT_FALSE(module.ADOConnection1->Connected());
    EXPECT_EQ(module.ADOConnection1->EmbeddedDatabase(), dir.filePath(u"vorlak.db"_qs));
}

TEST(DataModule, MsdsUrlComesFromConfigIniBesideTheProgram)
{
    QTemporaryDir programDir;
    const QString program = programDir.filePath(u"vorlak"_qs);
    {
        TDataModule1 module(program);
        EXPECT_EQ(module.MsdsUrl(), TDataModule1::kDefaultMsdsUrl);
        EXPECT_TRUE(module.MsdsUrl().startsWith(u"http://"_qs));
        EXPECT_TRUE(module.MsdsUrl().endsWith(u"/msds/"_qs));
    }

    // Another working folder with its own Config.Ini plays no part.
    QTemporaryDir workDir;
    WriteTextFile(workDir.filePath(u"Config.Ini"_qs), u"[HTTP]\nMsdsURL=http://wrong/\n"_qs);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(workDir.path());

    WriteTextFile(programDir.filePath(u"Config.Ini"_qs), u"[http]\nmsdsurl=http://example.org/pages\n"_qs);
    TDataModule1 module(program);
    EXPECT_EQ(module.MsdsUrl(), u"http://example.org/pages"_qs);
    QDir::setCurrent(previous);
}

} // namespace
