#include "ProgramForms.h"

#include "QueryProgram.h"
#include "TestFiles.h"

#include "app/AboutBox.h"
#include "app/DataModule.h"
#include "app/MainWindow.h"
#include "platform/Application.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

const QString ProgramForms::kMsdsUrl = u"http://example.org/msds/"_s;

ProgramForms::ProgramForms(const QString& odbcIni) : folder_(dir_.path())
{
    useOdbcIni(folder_, odbcIni);
    const QString database = folder_ + u"/vorlak.db"_s;
    EXPECT_TRUE(QFile::copy(QStringLiteral(VORLAK_CATALOGUE_DB), database));
    QFile::setPermissions(database, QFile::ReadOwner | QFile::WriteOwner);
    const ProgramResult msds = runProgram(u"sqlite3"_s,
        {database, u"DELETE FROM hazardous_chemicals_msds; INSERT INTO hazardous_chemicals_msds VALUES ('7664-41-7', '123'), ('2855-13-2', 'ipda'), "
                   u"('1031-47-6', 'triamiphos');"_s});
    EXPECT_EQ(msds.exitCode, 0) << msds.err.toStdString();
    writeTextFile(folder_ + u"/Config.Ini"_s, u"[HTTP]\nMsdsURL="_s + kMsdsUrl + u'\n');

    Application::instance().setTitle(u"危险化学品名录2015"_s);
    mainWindow = form_ = new MainWindow;
    dataModule_.reset(::dataModule = new ::DataModule(folder_ + u"/vorlak"_s));
    about_.reset(aboutBox = new AboutBox);
}

void ProgramForms::handle(void (MainWindow::*handler)())
{
    Application::instance().handleEvent([&] { (form_->*handler)(); });
}

ProgramForms::~ProgramForms()
{
    delete form_;
    mainWindow = nullptr;
    about_.reset();
    aboutBox = nullptr;
    dataModule_.reset();
    ::dataModule = nullptr;
}

MainWindow* ProgramForms::form() const
{
    return form_;
}

::DataModule* ProgramForms::dataModule() const
{
    return dataModule_.get();
}

AboutBox* ProgramForms::about() const
{
    return about_.get();
}
