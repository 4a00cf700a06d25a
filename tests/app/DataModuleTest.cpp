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
    EXPECT_EQ(applicationFolderOf(u"/opt/vorlak/vorlak"_s), u"/opt/vorlak/"_s);
    EXPECT_EQ(applicationFolderOf(u"/vorlak"_s), u"/"_s);
}

TEST(DataModule, CreatedWithTheFixedClosedConnection)
{
    QTemporaryDir dir;
    DataModule module(dir.filePath(u"vorlak"_s));
    EXPECT_EQ(module.connection->connectionString(),
              u"Provider=MSDASQL.1;Password=vorlak@qa51807316;Persist Security Info=True;"
              u"User ID=vorlak;Data Source=vorlak;Initial Catalog=vorlak"_s);
    EXPECT_FALSE(module.connection->loginPrompt());
    EXPECT_FALSE(module.connection->connected());
    EXPECT_EQ(module.connection->embeddedDatabase(), dir.filePath(u"vorlak.db"_s));
}

TEST(DataModule, MsdsUrlComesFromConfigIniBesideTheProgram)
{
    QTemporaryDir programDir;
    const QString program = programDir.filePath(u"vorlak"_s);
    {
        DataModule module(program);
        EXPECT_EQ(module.msdsUrl(), DataModule::kDefaultMsdsUrl);
        EXPECT_TRUE(module.msdsUrl().startsWith(u"http://"_s));
        EXPECT_TRUE(module.msdsUrl().endsWith(u"/msds/"_s));
    }

    // Another working folder with its own Config.Ini plays no part.
    QTemporaryDir workDir;
    writeTextFile(workDir.filePath(u"Config.Ini"_s), u"[HTTP]\nMsdsURL=http://wrong/\n"_s);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(workDir.path());

    writeTextFile(programDir.filePath(u"Config.Ini"_s), u"[http]\nmsdsurl=http://example.org/pages\n"_s);
    DataModule module(program);
    EXPECT_EQ(module.msdsUrl(), u"http://example.org/pages"_s);
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
    EXPECT_EQ(dataFile(bin, u"vorlak.db"_s), bin + u"vorlak.db"_s);  // missing: where it was looked for first
    writeTextFile(share + u"vorlak.db"_s, QString());
    EXPECT_EQ(dataFile(bin, u"vorlak.db"_s), share + u"vorlak.db"_s);
    EXPECT_EQ(dataFile(bin, u"doc/x.pdf"_s), bin + u"doc/x.pdf"_s);

    writeTextFile(share + u"Config.Ini"_s, QString());
    EXPECT_EQ(settingsFile(bin, etc), share + u"Config.Ini"_s);
    writeTextFile(etc + u"Config.Ini"_s, QString());
    EXPECT_EQ(settingsFile(bin, etc), etc + u"Config.Ini"_s);
    writeTextFile(bin + u"Config.Ini"_s, QString());
    EXPECT_EQ(settingsFile(bin, etc), bin + u"Config.Ini"_s);

    DataModule module(bin + u"vorlak"_s);
    EXPECT_EQ(module.connection->embeddedDatabase(), share + u"vorlak.db"_s);
}

} // namespace
