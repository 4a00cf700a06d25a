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

void serverScript(const QString& command)
{
    const int status = QProcess::execute(QStringLiteral(VORLAK_SOURCE_DIR "/scripts/test-mariadb"),
                                         {command, QFileInfo(kSocket).path()});
    ASSERT_EQ(status, 0) << command.toStdString();
}

// Stops the server for the scope, and starts it again however the test ends.
class ServerAway {
public:
    ServerAway() { serverScript(u"halt"_s); }
    ~ServerAway() { serverScript(u"resume"_s); }
};

TEST(ServerLost, TheWindowReportsEachFailedSearchAndSearchesAgainOnceTheServerIsBack)
{
    ProgramForms forms(kServer);
    MainWindow* form = forms.form();
    form->searchButton->click();
    ASSERT_TRUE(form->query->active());
    const int rows = form->query->recordCount();
    ASSERT_GT(rows, 0);
    {
        const ServerAway away;
        for (int search = 1; search <= 2; ++search) {
            form->searchButton->click();
            ASSERT_EQ(forms.boxes.boxes.size(), search);
            const RecordingMessageBoxes::Box box = forms.boxes.boxes.last();
            EXPECT_EQ(box.caption, u"危险化学品名录2015"_s);
            EXPECT_EQ(box.icon, MessageIcon::Error);
            EXPECT_FALSE(box.text.isEmpty());
            EXPECT_FALSE(form->query->active());
            EXPECT_TRUE(form->isEnabled());
        }
    }
    form->searchButton->click();
    EXPECT_EQ(forms.boxes.boxes.size(), 2);
    ASSERT_TRUE(form->query->active());
    EXPECT_EQ(form->query->recordCount(), rows);
}

TEST(ServerLost, TheCommandLineFailsWhileTheServerIsAwayAndWorksAfter)
{
    QTemporaryDir dir;
    const QProcessEnvironment environment = environmentWithOdbcIni(dir.filePath(u"odbc.ini"_s), kServer);
    const QStringList search{u"--name"_s, u"甲醇"_s, u"--exact"_s};
    {
        const ServerAway away;
        const ProgramResult failed = runQueryProgram(search, environment);
        EXPECT_NE(failed.exitCode, 0);
        EXPECT_TRUE(failed.err.startsWith(u"数据库无法连接\n"_s)) << failed.err.toStdString();
        EXPECT_TRUE(failed.out.isEmpty());
    }
    const ProgramResult found = runQueryProgram(search, environment);
    EXPECT_EQ(found.exitCode, 0) << found.err.toStdString();
    EXPECT_TRUE(found.out.contains(u"共1条"_s)) << found.out.toStdString();
}

} // namespace
