#pragma once

#include "db/Connection.h"

#include <QObject>
#include <QString>

// What the whole program shares: the catalogue connection, the program's
// folder and the MSDS base address from Config.Ini. Its components come from
// its stored layout.
class TDataModule1 : public QObject {
    Q_OBJECT

public:
    static const QString kDefaultMsdsUrl;
    static constexpr int kIniBufferSize = 2048;

    // programFilePath: the full path of the program file.
    explicit TDataModule1(const QString& programFilePath, QObject* parent = nullptr);

    // Fills the application folder and the MSDS base address; runs once, on creation.
    Q_INVOKABLE void DataModuleCreate();

    const QString& ApplicationFolder() const { return applicationFolder_; }
    const QString& MsdsUrl() const { return msdsUrl_; }
    DbConnection* ADOConnection1 = nullptr;

private:
    QString programFilePath_;
    QString applicationFolder_;
    QString msdsUrl_;
};

extern TDataModule1* DataModule1;

// The folder part of a program path, up to and including the last separator.
QString ApplicationFolderOf(const QString& programFilePath);
