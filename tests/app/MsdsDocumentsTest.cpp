#include "app/AboutBox.h"
#include "platform/Colours.h"
#include "app/DataGridWidget.h"
#include "app/Documents.h"
#include "app/MainWindow.h"
#include "db/Query.h"
#include "platform/Layout.h"

#include "support/ProgramForms.h"
#include "support/QtPrint.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class OutsideMaterial : public ::testing::Test {
protected:
    MainWindow* form() { return forms_.form(); }
    void searchCas(const QString& cas)
    {
        form()->casEdit->setText(cas);
        form()->searchButton->click();
    }

    // A right click on the grid's row of the kth record (from 1).
    void rightClickRow(int record)
    {
        auto* widget = form()->findChild<DataGridWidget*>(u"DataGrid1"_s);
        const QPoint at = widget->grid().cellBounds(2, record).center();
        QTest::mousePress(widget->viewport(), Qt::RightButton, Qt::NoModifier, at);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(widget->viewport(), &event);
        QTest::mouseRelease(widget->viewport(), Qt::RightButton, Qt::NoModifier, at);
        for (QMenu* menu : form()->findChildren<QMenu*>())
            menu->close();
    }

    ProgramForms forms_;
};

TEST_F(OutsideMaterial, TheMsdsPageIsTheBaseAddressTheFileAndHtml)
{
    searchCas(u"7664-41-7"_s);
    forms_.handle(&MainWindow::openMsdsPage);
    EXPECT_EQ(forms_.desktop.opened, QStringList{u"http://example.org/msds/123.html"_s});
    EXPECT_TRUE(forms_.boxes.boxes.isEmpty());
    EXPECT_EQ(msdsPageAddress(u"http://h/msds"_s, u"x y"_s), u"http://h/msdsx y.html"_s);
}

// The context menu acts on the row that was right-clicked, in a result of many rows.
TEST_F(OutsideMaterial, TheMsdsPageOfTheRightClickedRow)
{
    form()->show();
    QApplication::setActiveWindow(form());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form()));
    form()->searchButton->click();  // the first 200 entries
    QAction* msds = form()->findChild<QMenu*>(u"PopupMenu1"_s)->actions().first();
    ASSERT_EQ(msds->text(), u"查看MSDS资料"_s);
    for (int row : {3, 2, 4}) {
        rightClickRow(row);
        msds->trigger();
    }
    EXPECT_EQ(forms_.desktop.opened, (QStringList{u"http://example.org/msds/ipda.html"_s, u"http://example.org/msds/123.html"_s,
                                                  u"http://example.org/msds/triamiphos.html"_s}));
}

TEST_F(OutsideMaterial, NoMsdsPageOrNoRowsSaysSo)
{
    const RecordingMessageBoxes::Box none{u"没有找到相关资料"_s, u"消息"_s, MessageIcon::None};
    searchCas(u"71-43-2"_s);  // 苯: no MSDS row
    forms_.handle(&MainWindow::openMsdsPage);
    searchCas(u"no-such-cas"_s);  // an empty result
    forms_.handle(&MainWindow::openMsdsPage);
    EXPECT_EQ(forms_.boxes.boxes, (QList<RecordingMessageBoxes::Box>{none, none}));
    EXPECT_TRUE(forms_.desktop.opened.isEmpty());
}

TEST_F(OutsideMaterial, AClosedResultSetGoesToTheDefaultErrorDisplay)
{
    forms_.handle(&MainWindow::openMsdsPage);
    ASSERT_EQ(forms_.boxes.boxes.size(), 1);
    EXPECT_EQ(forms_.boxes.boxes.first(),
              (RecordingMessageBoxes::Box{u"Field 'html_file' not found."_s, u"危险化学品名录2015"_s, MessageIcon::Error}));
}

TEST_F(OutsideMaterial, AppendixLinksAndTheUsageDocumentOpenTheirPaths)
{
    const std::pair<const char*, QString> links[] = {
        {"Label10", u"1、危险化学品名录（2015） 文件类型：DOC"_s},
        {"Label8", u"危险化学品名录（ 含2828类） 文件类型：XLS"_s},
        {"Label11", u"2、易制毒化学品(2018)  文件类型：PDF"_s},
        {"Label12", u"3、易制爆化学品名录(2017版)  文件类型：PDF"_s},
    };
    const QRect geometries[] = {{224, 80, 492, 24}, {264, 120, 517, 24}, {224, 192, 456, 24}, {224, 264, 531, 24}};
    form()->show();
    form()->pages->setCurrentIndex(1);
    for (size_t i = 0; i < std::size(links); ++i) {
        auto* label = qobject_cast<QLabel*>(findComponent(form(), QString::fromLatin1(links[i].first)));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), links[i].second);
        EXPECT_EQ(label->geometry(), geometries[i]);
        EXPECT_EQ(label->font().pixelSize(), 24);
        EXPECT_TRUE(label->font().bold());
        EXPECT_TRUE(label->font().underline());
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QTest::mouseClick(label, Qt::LeftButton);
    }
    forms_.handle(&MainWindow::openUsageDocument);
    EXPECT_EQ(forms_.desktop.opened,
              (QStringList{u".\\doc\\01-危险化学品名录(2015).doc"_s, u".\\doc\\02-危险化学品名录(含2828类).xls"_s,
                           u".\\doc\\03-易制毒化学品(2018).pdf"_s, u".\\doc\\04-易制爆化学品名录(2017版).pdf"_s,
                           u"软件安装及使用说明.doc"_s}));
    // Started from its own folder, the program finds each one the build wrote.
    for (const QString& opened : forms_.desktop.opened)
        EXPECT_TRUE(QFileInfo(desktopTarget(opened, QStringLiteral(VORLAK_PROGRAM_DIR))).isFile()) << opened.toStdString();
}

TEST(DesktopTarget, PathsResolveAgainstTheWorkingFolderAndAddressesStay)
{
    EXPECT_EQ(desktopTarget(u".\\doc\\01-危险化学品名录(2015).doc"_s, u"/home/u/vorlak"_s),
              u"/home/u/vorlak/doc/01-危险化学品名录(2015).doc"_s);
    EXPECT_EQ(desktopTarget(u"软件安装及使用说明.doc"_s, u"/w"_s), u"/w/软件安装及使用说明.doc"_s);
    EXPECT_EQ(desktopTarget(u"/abs/x.pdf"_s, u"/w"_s), u"/abs/x.pdf"_s);
    EXPECT_EQ(desktopTarget(u"http://example.org/msds/1.html"_s, u"/w"_s), u"http://example.org/msds/1.html"_s);
}

TEST_F(OutsideMaterial, AboutBoxShowsItsItemsAndClosesOnlyByOkOrCloseBox)
{
    AboutBox* about = forms_.about();
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), u"关于"_s);
    EXPECT_EQ(about->size(), QSize(363, 255));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    const std::pair<const char*, QPoint> labels[] = {
        {"ProductName", {72, 16}}, {"Version", {136, 40}}, {"Label1", {104, 80}}, {"Label3", {96, 104}}, {"Label2", {96, 128}}};
    for (const auto& [name, position] : labels) {
        auto* label = qobject_cast<QLabel*>(findComponent(about, QString::fromLatin1(name)));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->pos(), position) << name;
        EXPECT_FALSE(label->text().isEmpty());
    }
    EXPECT_EQ(qobject_cast<QLabel*>(findComponent(about, u"Version"_s))->text(), u"V1.0.0.0"_s);
    auto* comments = qobject_cast<QLabel*>(findComponent(about, u"Comments"_s));
    EXPECT_EQ(comments->geometry(), QRect(32, 152, 239, 26));
    EXPECT_TRUE(comments->wordWrap());
    EXPECT_EQ(comments->text(), u"本软件所有数据搜集整理于internet，不能确保所有数据准确无误，严肃使用请自行核实。"_s);
    auto* icon = qobject_cast<QLabel*>(findComponent(about, u"ProgramIcon"_s));
    EXPECT_EQ(icon->geometry(), QRect(8, 24, 65, 57));
    EXPECT_EQ(icon->pixmap().size(), QSize(89, 95));
    auto* panel = qobject_cast<QWidget*>(findComponent(about, u"Panel1"_s));
    EXPECT_EQ(panel->geometry(), QRect(8, 8, 345, 201));
    // A lowered outer bevel round a raised inner one.
    const QImage bevels = panel->grab().toImage();
    const QRgb light = SystemColour::buttonHighlight().resolved().rgb(), shadow = SystemColour::buttonShadow().resolved().rgb();
    const std::pair<QPoint, QRgb> edges[] = {
        {{0, 0}, shadow},    {{100, 0}, shadow},  {{0, 100}, shadow},  {{344, 100}, light}, {{100, 200}, light},
        {{344, 0}, light},   {{1, 1}, light},     {{100, 1}, light},   {{1, 100}, light},   {{343, 100}, shadow},
        {{100, 199}, shadow}, {{2, 2}, SystemColour::buttonFace().resolved().rgb()},
    };
    for (const auto& [at, colour] : edges)
        EXPECT_EQ(bevels.pixel(at), colour) << at.x() << "," << at.y();
    auto* ok = qobject_cast<QPushButton*>(findComponent(about, u"OKButton"_s));
    EXPECT_EQ(ok->geometry(), QRect(143, 220, 75, 25));
    EXPECT_EQ(ok->text(), u"确定"_s);
    EXPECT_TRUE(ok->isDefault());

    // Shown modally from the help menu: Escape does nothing, Enter presses OK.
    int escapes = 0;
    QTimer::singleShot(0, about, [&] {
        QTest::keyClick(about, Qt::Key_Escape);
        escapes = about->isVisible() ? 1 : 0;
        QTest::keyClick(about, Qt::Key_Return);
    });
    forms_.handle(&MainWindow::showAbout);
    EXPECT_EQ(escapes, 1);
    EXPECT_EQ(about->result(), QDialog::Accepted);
    EXPECT_FALSE(about->isVisible());
}

} // namespace
