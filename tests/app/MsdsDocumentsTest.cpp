#include "app/AboutBox.h"
#include "app/Documents.h"
#include "app/FormVorlak.h"
#include "db/Query.h"
#include "platform/Layout.h"

#include "support/ProgramForms.h"
#include "support/QtPrint.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class OutsideMaterial : public ::testing::Test {
protected:
    TFormVorlak* Form() { return forms_.Form(); }
    void Call(const char* handler) { CallHandler(Form(), QString::fromLatin1(handler), nullptr, nullptr); }
    void SearchCas(const QString& cas)
    {
        Form()->EditCAS->setText(cas);
        Form()->ButtonSearch->click();
    }

    ProgramForms forms_;
};

TEST_F(OutsideMaterial, TheMsdsPageIsTheBaseAddressTheFileAndHtml)
{
    SearchCas(u"7664-41-7"_qs);
    Call("MSDS1Click");
    EXPECT_EQ(forms_.Desktop.Opened, QStringList{u"http://example.org/msds/123.html"_qs});
    EXPECT_TRUE(forms_.Boxes.Boxes.isEmpty());
    EXPECT_EQ(MsdsPageAddress(u"http://h/msds"_qs, u"x y"_qs), u"http://h/msdsx y.html"_qs);
}

TEST_F(OutsideMaterial, NoMsdsPageOrNoRowsSaysSo)
{
    const RecordingMessageBoxes::Box none{u"没有找到相关资料"_qs, u"消息"_qs, TMessageIcon::None};
    SearchCas(u"71-43-2"_qs);  // 苯: no MSDS row
    Call("MSDS1Click");
    SearchCas(u"no-such-cas"_qs);  // an empty result
    Call("MSDS1Click");
    EXPECT_EQ(forms_.Boxes.Boxes, (QList<RecordingMessageBoxes::Box>{none, none}));
    EXPECT_TRUE(forms_.Desktop.Opened.isEmpty());
}

TEST_F(OutsideMaterial, AClosedResultSetGoesToTheDefaultErrorDisplay)
{
    Call("MSDS1Click");
    ASSERT_EQ(forms_.Boxes.Boxes.size(), 1);
    EXPECT_EQ(forms_.Boxes.Boxes.first(),
              (RecordingMessageBoxes::Box{u"Field 'html_file' not found."_qs, u"危险化学品名录2015"_qs, TMessageIcon::Error}));
}

TEST_F(OutsideMaterial, AppendixLinksAndTheUsageDocumentOpenTheirPaths)
{
    const std::pair<const char*, QString> links[] = {
        {"Label10", u"1、危险化学品名录（2015） 文件类型：DOC"_qs},
        {"Label8", u"危险化学品名录（ 含2828类） 文件类型：XLS"_qs},
        {"Label11", u"2、易制毒化学品(2018)  文件类型：PDF"_qs},
        {"Label12", u"3、易制爆化学品名录(2017版)  文件类型：PDF"_qs},
    };
    const QRect geometries[] = {{224, 80, 492, 24}, {264, 120, 517, 24}, {224, 192, 456, 24}, {224, 264, 531, 24}};
    Form()->show();
    Form()->PageControl1->setCurrentIndex(1);
    for (size_t i = 0; i < std::size(links); ++i) {
        auto* label = qobject_cast<QLabel*>(FindComponent(Form(), QString::fromLatin1(links[i].first)));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), links[i].second);
        EXPECT_EQ(label->geometry(), geometries[i]);
        EXPECT_EQ(label->font().pixelSize(), 24);
        EXPECT_TRUE(label->font().bold());
        EXPECT_TRUE(label->font().underline());
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QTest::mouseClick(label, Qt::LeftButton);
    }
    Call("N3Click");
    EXPECT_EQ(forms_.Desktop.Opened,
              (QStringList{u".\\doc\\01-危险化学品名录(2015).doc"_qs, u".\\doc\\02-危险化学品名录(含2828类).xls"_qs,
                           u".\\doc\\03-易制毒化学品(2018).pdf"_qs, u".\\doc\\04-易制爆化学品名录(2017版).pdf"_qs,
                           u"软件安装及使用说明.doc"_qs}));
}

TEST(DesktopTarget, PathsResolveAgainstTheWorkingFolderAndAddressesStay)
{
    EXPECT_EQ(DesktopTarget(u".\\doc\\01-危险化学品名录(2015).doc"_qs, u"/home/u/vorlak"_qs),
              u"/home/u/vorlak/doc/01-危险化学品名录(2015).doc"_qs);
    EXPECT_EQ(DesktopTarget(u"软件安装及使用说明.doc"_qs, u"/w"_qs), u"/w/软件安装及使用说明.doc"_qs);
    EXPECT_EQ(DesktopTarget(u"/abs/x.pdf"_qs, u"/w"_qs), u"/abs/x.pdf"_qs);
    EXPECT_EQ(DesktopTarget(u"http://example.org/msds/1.html"_qs, u"/w"_qs), u"http://example.org/msds/1.html"_qs);
}

TEST_F(OutsideMaterial, AboutBoxShowsItsItemsAndClosesOnlyByOkOrCloseBox)
{
    TAboutBox* about = forms_.About();
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), u"关于"_qs);
    EXPECT_EQ(about->size(), QSize(363, 255));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    const std::pair<const char*, QPoint> labels[] = {
        {"ProductName", {72, 16}}, {"Version", {136, 40}}, {"Label1", {104, 80}}, {"Label3", {96, 104}}, {"Label2", {96, 128}}};
    for (const auto& [name, position] : labels) {
        auto* label = qobject_cast<QLabel*>(FindComponent(about, QString::fromLatin1(name)));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->pos(), position) << name;
        EXPECT_FALSE(label->text().isEmpty());
    }
    EXPECT_EQ(qobject_cast<QLabel*>(FindComponent(about, u"Version"_qs))->text(), u"V1.0.0.0"_qs);
    auto* comments = qobject_cast<QLabel*>(FindComponent(about, u"Comments"_qs));
    EXPECT_EQ(comments->geometry(), QRect(32, 152, 239, 26));
    EXPECT_TRUE(comments->wordWrap());
    EXPECT_EQ(comments->text(), u"本软件所有数据搜集整理于internet，不能确保所有数据准确无误，严肃使用请自行核实。"_qs);
    auto* icon = qobject_cast<QLabel*>(FindComponent(about, u"ProgramIcon"_qs));
    EXPECT_EQ(icon->geometry(), QRect(8, 24, 65, 57));
    EXPECT_EQ(icon->pixmap().size(), QSize(89, 95));
    EXPECT_EQ(qobject_cast<QWidget*>(FindComponent(about, u"Panel1"_qs))->geometry(), QRect(8, 8, 345, 201));
    auto* ok = qobject_cast<QPushButton*>(FindComponent(about, u"OKButton"_qs));
    EXPECT_EQ(ok->geometry(), QRect(143, 220, 75, 25));
    EXPECT_EQ(ok->text(), u"确定"_qs);
    EXPECT_TRUE(ok->isDefault());

    // Shown modally from the help menu: Escape does nothing, Enter presses OK.
    int escapes = 0;
    QTimer::singleShot(0, about, [&] {
        QTest::keyClick(about, Qt::Key_Escape);
        escapes = about->isVisible() ? 1 : 0;
        QTest::keyClick(about, Qt::Key_Return);
    });
    CallHandler(Form(), u"N2Click"_qs, nullptr, nullptr);
    EXPECT_EQ(escapes, 1);
    EXPECT_EQ(about->result(), QDialog::Accepted);
    EXPECT_FALSE(about->isVisible());
}

} // namespace
