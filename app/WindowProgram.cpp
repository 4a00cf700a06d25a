#include "WindowProgram.h"

#include "AboutBox.h"
#include "DataModule.h"
#include "MainWindow.h"

#include "grid/GridStyle.h"
#include "platform/Application.h"
#include "platform/MessageBoxWidget.h"

#include <QApplication>
#include <memory>

using namespace Qt::StringLiterals;

int RunWindowProgram(int argc, char* argv[])
{
    QApplication app(argc, argv);
    WidgetMessageBoxes messageBoxes;
    SetMessageBoxes(&messageBoxes);
    Application::Instance().SetTitle(u"危险化学品名录2015"_s);
    // The grids' shared images and cursors are made once, before any window.
    try {
        GridStyle::Instance();
    } catch (const Exception& error) {
        Application::Instance().ShowException(error.Message());
        return 1;
    }

    // The three forms, in this order; the first is the main window.
    mainWindow = new MainWindow;
    const std::unique_ptr<DataModule> ownedDataModule(dataModule = new DataModule(QCoreApplication::applicationFilePath()));
    const std::unique_ptr<AboutBox> ownedAboutBox(aboutBox = new AboutBox);

    mainWindow->show();
    return app.exec();
}
