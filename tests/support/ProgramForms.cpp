#include "ProgramForms.h"

#include "QueryProgram.h"
#include "TestFiles.h"

#include "app/AboutBox.h"
#include "app/DataModule.h"
#include "app/FormVorlak.h"
#include "platform/Application.h"

#include <QFile>
#include <gtest/gtest.h>

const QString ProgramForms::kMsdsUrl = u"http://example.org/msds/"_qs;

ProgramForms::ProgramForms(const QString& odbcIni) : folder_(dir_.path())
{
    UseOdbcIni(folder_, odbcIni);
    const QString database = folder_ + u"/vorlak.db"_qs;
    EXPECT_TRUE(QFile::copy(QStringLiteral(VORLAK_CATALOGUE_DB), database));
    QFile::setPermissions(database, QFile::ReadOwner | QFile::WriteOwner);
    const ProgramResult msds = RunProgram(u"sqlite3"_qs,
        {database, u"INSERT INTO hazardous_chemicals_msds VALUES ('7664-41-7', '123');"_qs});
    EXPECT_EQ(msds.ExitCode, 0) << msds.Err.toStdString();
    WriteTextFile(folder_ + u"/Config.Ini"_qs, u"[HTTP]\nMsdsURL="_qs + kMsdsUrl + u'\n');

    Application().SetTitle(u"危险化学品名录2015"_qs);
    FormVorlak = form_ = new TFormVorlak;
    dataModule_.reset(DataModule1 = new TDataModule1(folder_ + u"/vorlak"_qs));
    about_.reset(AboutBox = new TAboutBox);
}

ProgramForms::~ProgramForms()
{
    delete form_;
    FormVorlak = nullptr;
    about_.reset();
    AboutBox = nullptr;
    dataModule_.reset();
    DataModule1 = nullptr;
}

TFormVorlak* ProgramForms::Form() const
{
    return form_;
}

TDataModule1* ProgramForms::DataModule() const
{
    return dataModule_.get();
}

TAboutBox* ProgramForms::About() const
{
    return about_.get();
}
