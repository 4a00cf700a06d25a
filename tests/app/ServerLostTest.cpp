// The catalogue server goes away between searches and comes back: the window
// and vorlak-query report the lost connection and search again once it is back.
#include "app/DataGridWidget.h"
#include "app/MainWindow.h"
#include "db/Query.h"
#include "support/ProgramForms.h"
#include "support/QtPrint.h"
#include "support/QueryProgram.h"

#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kSocket = QStringLiteral(VORLAK_TEST_MARIADB_SOCKET);
const QString kServer = u"[vorlak]\nDriver=MariaDB Unicode\nSocket="_s + kSocket + u'\n';

void ServerScript(const QString& command)
{
    const int status = QProcess::execute(QStringLiteral(VORLAK_SOURCE_DIR "/scripts/test-mariadb"),
                                         {command, QFileInfo(kSocket).path()});
    ASSERT_EQ(status, 0) << command.toStdString();
}

// Stops the server for the scope, and starts it again however the test ends.
class ServerAway {
public:
    ServerAway() { ServerScript(u"halt"_s); }
    ~ServerAway() { ServerScript(u"resume"_s); }
};

TEST(ServerLost, TheWindowReportsEachFailedSearchAndSearchesAgainOnceTheServerIsBack)
{
    ProgramForms forms(kServer);
    MainWindow* form = forms.Form();
    form->searchButton->click();
    ASSERT_TRUE(form->query->Active());
    const int rows = form->query->RecordCount();
    ASSERT_GT(rows, 0);
    {
        const ServerAway away;
        for (int search = 1; search <= 2; ++search) {
            form->searchButton->click();
            ASSERT_EQ(forms.Boxes.Boxes.size(), search);
            const RecordingMessageBoxes::Box box = forms.Boxes.Boxes.last();
            EXPECT_EQ(box.Caption, u"危险化学品名录2015"_s);
            EXPECT_EQ(box.Icon, MessageIcon::Error);
            EXPECT_FALSE(box.Text.isEmpty());
            EXPECT_FALSE(form->query->Active());
            EXPECT_TRUE(form->isEnabled());
        }
    }
    form->searchButton->click();
    EXPECT_EQ(forms.Boxes.Boxes.size(), 2);
    ASSERT_TRUE(form->query->Active());
    EXPECT_EQ(form->query->RecordCount(), rows);
}

TEST(ServerLost, TheCommandLineFailsWhileTheServerIsAwayAndWorksAfter)
{
    QTemporaryDir dir;
    const QProcessEnvironment environment = EnvironmentWithOdbcIni(dir.filePath(u"odbc.ini"_s), kServer);
    const QStringList search{u"--name"_s, u"甲醇"_s, u"--exact"_s};
    {
        const ServerAway away;
        const ProgramResult failed = RunQueryProgram(search, environment);
        EXPECT_NE(failed.ExitCode, 0);
        EXPECT_TRUE(failed.Err.startsWith(u"数据库无法连接\n"_s)) << failed.Err.toStdString();
        EXPECT_TRUE(failed.Out.isEmpty());
    }
    const ProgramResult found = RunQueryProgram(search, environment);
    EXPECT_EQ(found.ExitCode, 0) << found.Err.toStdString();
    EXPECT_TRUE(found.Out.contains(u"共1条"_s)) << found.Out.toStdString();
}

} // namespace
