// vorlak: the catalogue lookup program.
#include "AboutBox.h"
#include "DataModule.h"
#include "FormVorlak.h"

#include "platform/Application.h"
#include "platform/MessageBoxWidget.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    WidgetMessageBoxes messageBoxes;
    SetMessageBoxes(&messageBoxes);
    Application().SetTitle(u"危险化学品名录2015"_qs);

    // The three forms, in this order; the first is the main window.
    FormVorlak = new TFormVorlak;
    std::unique_ptr<TDataModule1> dataModule(DataModule1 = new TDataModule1(QCoreApplication::applicationFilePath()));
    std::unique_ptr<TAboutBox> aboutBox(AboutBox = new TAboutBox);

    FormVorlak->show();
    return app.exec();
}
