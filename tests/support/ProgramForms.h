#pragma once

#include "Recorders.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

class AboutBox;
class DataModule;
class MainWindow;

// The program's three forms, created in the program's order over a program
// folder of their own: a copy of the catalogue whose MSDS index holds only rows for the second,
// third and fourth entries (氨 7664-41-7 -> "123", 2855-13-2 -> "ipda",
// 1031-47-6 -> "triamiphos") and a Config.Ini. Boxes and the desktop are recorded.
class ProgramForms {
public:
    // odbcIni: the data sources the driver manager knows (empty: none).
    explicit ProgramForms(const QString& odbcIni = QString());
    ~ProgramForms();

    const QString& folder() const { return folder_; }
    MainWindow* form() const;
    ::DataModule* dataModule() const;
    AboutBox* about() const;
    // Runs a handler of the main window through the application's event
    // frame, as the event bound to it would.
    void handle(void (MainWindow::*handler)());

    RecordingMessageBoxes boxes;
    RecordingDesktop desktop;

    static const QString kMsdsUrl;

private:
    QTemporaryDir dir_;
    QString folder_;
    MainWindow* form_ = nullptr;
    std::unique_ptr<::DataModule> dataModule_;
    std::unique_ptr<AboutBox> about_;
};
