#include "WindowProgram.h"

#include "AboutBox.h"
#include "DataModule.h"
#include "MainWindow.h"

#include "grid/GridStyle.h"
#include "platform/Application.h"
#include "platform/MessageBoxWidget.h"

#include <QApplication>
#include <QIcon>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The program's icon at every size it is drawn at.
QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(u":/icons/vorlak-%1.png"_s.arg(size), QSize(size, size));
    return icon;
}

} // namespace

int runWindowProgram(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Every window shows it: the main window, the About box, the find dialog.
    app.setWindowIcon(programIcon());
    // The desktop entry that describes the program, for the task bar's grouping.
    QGuiApplication::setDesktopFileName(u"org.vorlak.Vorlak"_s);
    WidgetMessageBoxes messageBoxes;
    setMessageBoxes(&messageBoxes);
    Application::instance().setTitle(u"危险化学品名录2015"_s);
    // The grids' shared images and cursors are made once, before any window.
    try {
        GridStyle::instance();
    } catch (const Exception& error) {
        Application::instance().showException(error.message());
        return 1;
    }

    // The three forms, in this order; the first is the main window.
    mainWindow = new MainWindow;
    const std::unique_ptr<DataModule> ownedDataModule(dataModule = new DataModule(QCoreApplication::applicationFilePath()));
    const std::unique_ptr<AboutBox> ownedAboutBox(aboutBox = new AboutBox);

    mainWindow->show();
    return app.exec();
}
