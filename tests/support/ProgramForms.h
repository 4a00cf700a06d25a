#pragma once

#include "Recorders.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

class TAboutBox;
class TDataModule1;
class TFormVorlak;

// The program's three forms, created in the program's order over a program
// folder of their own: a copy of the catalogue, an MSDS row for 氨
// (7664-41-7 -> "123") and a Config.Ini. Boxes and the desktop are recorded.
class ProgramForms {
public:
    // odbcIni: the data sources the driver manager knows (empty: none).
    explicit ProgramForms(const QString& odbcIni = QString());
    ~ProgramForms();

    const QString& Folder() const { return folder_; }
    TFormVorlak* Form() const;
    TDataModule1* DataModule() const;
    TAboutBox* About() const;

    RecordingMessageBoxes Boxes;
    RecordingDesktop Desktop;

    static const QString kMsdsUrl;

private:
    QTemporaryDir dir_;
    QString folder_;
    TFormVorlak* form_ = nullptr;
    std::unique_ptr<TDataModule1> dataModule_;
    std::unique_ptr<TAboutBox> about_;
};
