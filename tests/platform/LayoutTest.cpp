#include "platform/Errors.h"
#include "platform/Layout.h"
#include "platform/WidgetComponents.h"

#include "support/QtPrint.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A handler the form does not have is found when the layout loads, not at
// the first event that would call it.
TEST(StoredLayout, AnUnknownHandlerIsALoadErrorThatNamesIt)
{
    RegisterWidgetComponents();
    QTemporaryDir dir;
    const QString path = dir.filePath(u"form.json"_s);
    WriteTextFile(path, uR"({"class": "QObject", "name": "Form1", "children": [
        {"class": "QTimer", "name": "Timer1", "events": {"OnTimer": "noSuchHandler"}}]})"_s);
    QObject form;
    try {
        LoadLayout(&form, path);
        FAIL() << "loaded";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), u"Layout: handler noSuchHandler of Timer1 not found"_s);
    }
}

} // namespace
