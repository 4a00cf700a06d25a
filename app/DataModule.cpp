#include "DataModule.h"

#include "platform/IniFile.h"

TDataModule1* DataModule1 = nullptr;

const QString TDataModule1::kConnectionString =
    u"Provider=MSDASQL.1;Password=vorlak@qa51807316;Persist Security Info=True;"
    u"User ID=vorlak;Data Source=vorlak;Initial Catalog=vorlak"_qs;

const QString TDataModule1::kDefaultMsdsUrl = u"http://localhost/msds/"_qs;

QString ApplicationFolderOf(const QString& programFilePath)
{
    const int separator = programFilePath.lastIndexOf(u'/');
    return programFilePath.left(separator + 1);
}

TDataModule1::TDataModule1(const QString& programFilePath) : programFilePath_(programFilePath)
{
    ADOConnection1.SetConnectionString(kConnectionString);
    ADOConnection1.SetLoginPrompt(false);
    DataModuleCreate();
}

void TDataModule1::DataModuleCreate()
{
    applicationFolder_ = ApplicationFolderOf(programFilePath_);
    ADOConnection1.SetEmbeddedDatabase(applicationFolder_ + u"vorlak.db"_qs);
    msdsUrl_ = kDefaultMsdsUrl;
    msdsUrl_ = ReadIniString(applicationFolder_ + u"Config.Ini"_qs, u"HTTP"_qs, u"MsdsURL"_qs,
                             msdsUrl_, kIniBufferSize);
}
