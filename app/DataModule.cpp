#include "DataModule.h"

#include "DataComponents.h"
#include "DataFolders.h"

#include "platform/IniFile.h"
#include "platform/Layout.h"

using namespace Qt::StringLiterals;

DataModule* dataModule = nullptr;

const QString DataModule::kDefaultMsdsUrl = u"http://localhost/msds/"_s;

QString ApplicationFolderOf(const QString& programFilePath)
{
    const int separator = programFilePath.lastIndexOf(u'/');
    return programFilePath.left(separator + 1);
}

DataModule::DataModule(const QString& programFilePath, QObject* parent)
    : QObject(parent), programFilePath_(programFilePath)
{
    RegisterDataComponents();
    LoadLayout(this, u":/layouts/DataModule.json"_s);
}

void DataModule::readSettings()
{
    connection = qobject_cast<Connection*>(FindComponent(this, u"ADOConnection1"_s));
    applicationFolder_ = ApplicationFolderOf(programFilePath_);
    connection->SetEmbeddedDatabase(DataFile(applicationFolder_, u"vorlak.db"_s));
    msdsUrl_ = kDefaultMsdsUrl;
    msdsUrl_ = ReadIniString(SettingsFile(applicationFolder_), u"HTTP"_s, u"MsdsURL"_s, msdsUrl_, kIniBufferSize);
}
