#include "app/DataFolders.h"
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

// An installation: the programs in bin/, what they read in share/vorlak;
// the settings beside the program win over /etc/vorlak, which wins over the
// ones installed with the program.
TEST(DataModule, AnInstalledProgramReadsShareVorlakAndTheSystemsSettings)
{
    QTemporaryDir root;
    const QString bin = root.filePath(u"bin/"_s);
    const QString share = root.filePath(u"share/vorlak/"_s);
    const QString etc = root.filePath(u"etc/vorlak/"_s);
    for (const QString& folder : {bin, share, etc})
        ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_EQ(DataFile(bin, u"vorlak.db"_s), bin + u"vorlak.db"_s);  // missing: where it was looked for first
    WriteTextFile(share + u"vorlak.db"_s, QString());
    EXPECT_EQ(DataFile(bin, u"vorlak.db"_s), share + u"vorlak.db"_s);
    EXPECT_EQ(DataFile(bin, u"doc/x.pdf"_s), bin + u"doc/x.pdf"_s);

    WriteTextFile(share + u"Config.Ini"_s, QString());
    EXPECT_EQ(SettingsFile(bin, etc), share + u"Config.Ini"_s);
    WriteTextFile(etc + u"Config.Ini"_s, QString());
    EXPECT_EQ(SettingsFile(bin, etc), etc + u"Config.Ini"_s);
    WriteTextFile(bin + u"Config.Ini"_s, QString());
    EXPECT_EQ(SettingsFile(bin, etc), bin + u"Config.Ini"_s);

    DataModule module(bin + u"vorlak"_s);
    EXPECT_EQ(module.connection->EmbeddedDatabase(), share + u"vorlak.db"_s);
}

} // namespace
