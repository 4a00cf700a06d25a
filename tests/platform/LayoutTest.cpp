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
    registerWidgetComponents();
    QTemporaryDir dir;
    const QString path = dir.filePath(u"form.json"_s);
    writeTextFile(path, uR"({"class": "QObject", "name": "Form1", "children": [
        {"class": "QTimer", "name": "Timer1", "events": {"OnTimer": "noSuchHandler"}}]})"_s);
    QObject form;
    try {
        loadLayout(&form, path);
        FAIL() << "loaded";
    } catch (const Exception& error) {
        EXPECT_EQ(error.message(), u"Layout: handler noSuchHandler of Timer1 not found"_s);
    }
}

} // namespace
