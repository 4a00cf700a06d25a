#pragma once

#include "db/Connection.h"

#include <QObject>
#include <QString>

// What the whole program shares: the catalogue connection, the program's
// folder and the MSDS base address from Config.Ini. Its components come from
// its stored layout.
class DataModule : public QObject {
    Q_OBJECT

public:
    static const QString kDefaultMsdsUrl;
    static constexpr int kIniBufferSize = 2048;

    // programFilePath: the full path of the program file.
    explicit DataModule(const QString& programFilePath, QObject* parent = nullptr);

    // Fills the application folder and the MSDS base address; runs once, on creation.
    Q_INVOKABLE void readSettings();

    const QString& applicationFolder() const { return applicationFolder_; }
    const QString& msdsUrl() const { return msdsUrl_; }
    Connection* connection = nullptr;

private:
    QString programFilePath_;
    QString applicationFolder_;
    QString msdsUrl_;
};

extern DataModule* dataModule;

// The folder part of a program path, up to and including the last separator.
QString applicationFolderOf(const QString& programFilePath);
