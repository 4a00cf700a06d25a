#pragma once

#include "db/Connection.h"

#include <QString>

// What the whole program shares: the catalogue connection, the program's
// folder and the MSDS base address from Config.Ini.
class TDataModule1 {
public:
    // The fixed connection string; an installation moves to a catalogue
    // server by defining the data source it names, never by editing this.
    static const QString kConnectionString;
    static const QString kDefaultMsdsUrl;
    static constexpr int kIniBufferSize = 2048;

    // programFilePath: the full path of the program file.
    explicit TDataModule1(const QString& programFilePath);

    // Fills the application folder and the MSDS base address; run once, on creation.
    void DataModuleCreate();

    const QString& ApplicationFolder() const { return applicationFolder_; }
    const QString& MsdsUrl() const { return msdsUrl_; }
    DbConnection ADOConnection1;

private:
    QString programFilePath_;
    QString applicationFolder_;
    QString msdsUrl_;
};

extern TDataModule1* DataModule1;

// The folder part of a program path, up to and including the last separator.
QString ApplicationFolderOf(const QString& programFilePath);
