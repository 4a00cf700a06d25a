#include "app/DataModule.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include "support/QtPrint.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(DataModule, ApplicationFolderKeepsItsTrailingSeparator)
{
    EXPECT_EQ(ApplicationFolderOf(u"/opt/vorlak/vorlak"_s), u"/opt/vorlak/"_s);
    EXPECT_EQ(ApplicationFolderOf(u"/vorlak"_s), u"/"_s);
}

TEST(DataModule, CreatedWithTheFixedClosedConnection)
{
    QTemporaryDir dir;
    DataModule module(dir.filePath(u"vorlak"_s));
    EXPECT_EQ(module.connection->ConnectionString(),
              u"Provider=MSDASQL.1;Password=vorlak@qa51807316;Persist Security Info=True;"
              u"User ID=vorlak;Data Source=vorlak;Initial Catalog=vorlak"_s);
    EXPECT_FALSE(module.connection->LoginPrompt());
    EXPECT_FALSE(module.connection->Connected());
    EXPECT_EQ(module.connection->EmbeddedDatabase(), dir.filePath(u"vorlak.db"_s));
}

TEST(DataModule, MsdsUrlComesFromConfigIniBesideTheProgram)
{
    QTemporaryDir programDir;
    const QString program = programDir.filePath(u"vorlak"_s);
    {
        DataModule module(program);
        EXPECT_EQ(module.MsdsUrl(), DataModule::kDefaultMsdsUrl);
        EXPECT_TRUE(module.MsdsUrl().startsWith(u"http://"_s));
        EXPECT_TRUE(module.MsdsUrl().endsWith(u"/msds/"_s));
    }

    // Another working folder with its own Config.Ini plays no part.
    QTemporaryDir workDir;
    WriteTextFile(workDir.filePath(u"Config.Ini"_s), u"[HTTP]\nMsdsURL=http://wrong/\n"_s);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(workDir.path());

    WriteTextFile(programDir.filePath(u"Config.Ini"_s), u"[http]\nmsdsurl=http://example.org/pages\n"_s);
    DataModule module(program);
    EXPECT_EQ(module.MsdsUrl(), u"http://example.org/pages"_s);
    QDir::setCurrent(previous);
}

} // namespace
