#include "DataModule.h"

#include "DataComponents.h"

#include "platform/IniFile.h"
#include "platform/Layout.h"

TDataModule1* DataModule1 = nullptr;

const QString TDataModule1::kDefaultMsdsUrl = u"http://localhost/msds/"_qs;

QString ApplicationFolderOf(const QString& programFilePath)
{
    const int separator = programFilePath.lastIndexOf(u'/');
    return programFilePath.left(separator + 1);
}

TDataModule1::TDataModule1(const QString& programFilePath, QObject* parent)
    : QObject(parent), programFilePath_(programFilePath)
{
    RegisterDataComponents();
    LoadLayout(this, u":/layouts/DataModule1.json"_qs);
}

void TDataModule1::DataModuleCreate()
{
    ADOConnection1 = qobject_cast<DbConnection*>(FindComponent(this, u"ADOConnection1"_qs));
    applicationFolder_ = ApplicationFolderOf(programFilePath_);
    ADOConnection1->SetEmbeddedDatabase(applicationFolder_ + u"vorlak.db"_qs);
    msdsUrl_ = kDefaultMsdsUrl;
    msdsUrl_ = ReadIniString(applicationFolder_ + u"Config.Ini"_qs, u"HTTP"_qs, u"MsdsURL"_qs, msdsUrl_,
                             kIniBufferSize);
}
