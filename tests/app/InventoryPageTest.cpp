#include "app/DataGridWidget.h"
#include "app/InventoryCheck.h"
#include "app/InventoryPage.h"
#include "app/MainWindow.h"
#include "db/Query.h"
#include "platform/Layout.h"

#include "support/ProgramForms.h"
#include "support/QtPrint.h"
#include "support/QueryProgram.h"
#include "support/TestFiles.h"
#include "support/Workbooks.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class InventoryPageTest : public ::testing::Test {
protected:
    MainWindow* form() { return forms_.form(); }
    DataGrid& grid() { return qobject_cast<DataGridWidget*>(findComponent(form(), u"DataGrid2"_s))->grid(); }
    QString summary() { return qobject_cast<QPlainTextEdit*>(findComponent(form(), u"MemoSummary"_s))->toPlainText(); }
    QString listLabel() { return qobject_cast<QLabel*>(findComponent(form(), u"LabelList"_s))->text(); }
    QLineEdit* exposed() { return qobject_cast<QLineEdit*>(findComponent(form(), u"EditExposed"_s)); }
    QString path(const QString& name) { return dir_.filePath(name); }

    // Every row as the grid shows it, cells joined by tabs.
    QStringList shownRows()
    {
        QStringList rows;
        const Query* query = grid().dataSet();
        for (int record = 0; query && record < query->recordCount(); ++record) {
            QStringList cells;
            for (int i = 0; i < grid().columns().count(); ++i)
                cells << grid().columns().item(i).cellText(record);
            rows << cells.join(u'\t');
        }
        return rows;
    }

    // The rows and summary vorlak-query --check prints for the same file.
    std::pair<QStringList, QStringList> printedCheck(const QString& file, const QString& people)
    {
        QStringList arguments{u"--check"_s, file};
        if (!people.isEmpty())
            arguments << u"--exposed"_s << people;
        const ProgramResult result = runQueryProgram(arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts).mid(1);
        const qsizetype counts = lines.indexOf(QRegularExpression(u"共\\d+项：.*"_s));
        return {lines.mid(0, counts), lines.mid(counts)};
    }

    // Runs a handler as its button or menu item would.
    void handle(void (MainWindow::*handler)()) { forms_.handle(handler); }

    ProgramForms forms_;
    QTemporaryDir dir_;
};

const QList<QVariantList> kWorkbookRows = {{u"品名"_s, u"CAS号"_s, u"数量(t)"_s},
                                           {u"甲醇"_s, u"67-56-1"_s, 300},
                                           {u"氨"_s, QVariant(), u"2000 kg"_s},
                                           {u"水"_s, u"7732-18-5"_s, 1},
                                           {u"苯"_s, QVariant(), 30}};

} // namespace

// A workbook (and the same as Excel 97-2003) shown row for row and summed
// as the command line prints it, the people exposed taken at each check,
// saved as a workbook and as CSV that LibreOffice reads back the same.
TEST_F(InventoryPageTest, ShowsAWorkbooksCheckAndSavesItForSpreadsheets)
{
    const QString book = path(u"仓库.xlsx"_s);
    writeWorkbook(book, kWorkbookRows);
    const QString old = convertWithLibreOffice(book, u"xls"_s, u"xls"_s);

    EXPECT_EQ(grid().layoutSettings().frozenCols, 2);
    QStringList titles;
    for (int i = 0; i < grid().columns().count(); ++i)
        titles << grid().columns().item(i).title().caption();
    EXPECT_EQ(titles, inventoryReportColumns());

    exposed()->setText(u"120"_s);
    form()->inventory->openFile(book);
    const auto [rows, summaryLines] = printedCheck(book, u"120"_s);
    ASSERT_EQ(rows.size(), 4) << rows.join(u"\n"_s).toStdString();
    EXPECT_EQ(shownRows(), rows);
    EXPECT_EQ(summary(), summaryLines.join(u'\n'));
    EXPECT_TRUE(summary().contains(u"S = Σq/Q = 1.4，构成重大危险源"_s)) << summary().toStdString();
    EXPECT_TRUE(summary().contains(u"（α按厂外暴露人员120人）"_s)) << summary().toStdString();
    EXPECT_EQ(grid().columns().item(0).footer().text(), u"共4项"_s);
    EXPECT_EQ(listLabel(), u"清单：仓库.xlsx"_s);

    // Checked again without the people exposed: no grade.
    exposed()->clear();
    handle(&MainWindow::checkInventory);
    EXPECT_EQ(summary(), printedCheck(book, QString()).second.join(u'\n'));

    form()->inventory->openFile(old);
    EXPECT_EQ(shownRows(), rows);
    EXPECT_EQ(listLabel(), u"清单：仓库.xls"_s);

    // Cells copied from a spreadsheet, pasted: the heading's unit holds for
    // its column; the footer counts items, one of them on two rows.
    QGuiApplication::clipboard()->setText(u"品名\t数量(kg)\n氯\t6000\n302-01-2\n"_s);
    handle(&MainWindow::pasteInventory);
    EXPECT_EQ(listLabel(), u"清单：剪贴板"_s);
    ASSERT_EQ(shownRows().size(), 3);
    EXPECT_TRUE(shownRows().first().startsWith(u"氯\t品名\t1381\t氯\t7782-50-5\t剧毒\t"_s)) << shownRows().first().toStdString();
    EXPECT_EQ(grid().columns().item(0).footer().text(), u"共2项"_s);
    EXPECT_TRUE(summary().contains(u"S = Σq/Q = 1.2，构成重大危险源"_s)) << summary().toStdString();
    form()->inventory->openFile(book);

    // Saved, and read back by LibreOffice: the workbook as CSV equals the CSV export.
    form()->inventory->exportTo(path(u"结果.xlsx"_s));
    form()->inventory->exportTo(path(u"结果.csv"_s));
    EXPECT_TRUE(forms_.boxes.boxes.isEmpty());
    QByteArray csv = [&] {
        QFile file(path(u"结果.csv"_s));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    csv = csv.mid(3).replace("\r\n", "\n");
    EXPECT_TRUE(csv.startsWith(inventoryReportColumns().join(u',').toUtf8() + '\n'));
    const QString flat = convertWithLibreOffice(path(u"结果.xlsx"_s), u"fods"_s, u"fods"_s);
    const QString readBack = convertWithLibreOffice(path(u"结果.xlsx"_s), u"csv:Text - txt - csv (StarCalc):44,34,76"_s, u"csv"_s);
    QFile back(readBack);
    ASSERT_TRUE(back.open(QIODevice::ReadOnly));
    // LibreOffice fills each line out to the table's width.
    static const QRegularExpression trailingCommas(u",+\n"_s);
    EXPECT_EQ(QString::fromUtf8(back.readAll()).replace(trailingCommas, u"\n"_s),
              QString::fromUtf8(csv).replace(trailingCommas, u"\n"_s));
    // Numbers as numbers (LibreOffice reads them so), the title row frozen,
    // the hazard categories' column wider than the others.
    const QString xml = readTextFile(flat);
    EXPECT_TRUE(xml.contains(u"office:value-type=\"float\" office:value=\"300\""_s));
    EXPECT_TRUE(xml.contains(u"office:value-type=\"float\" office:value=\"0.6\""_s));
    const QString sheet = QString::fromUtf8(zipMember(path(u"结果.xlsx"_s), u"xl/worksheets/sheet1.xml"_s));
    EXPECT_TRUE(sheet.contains(u"<pane ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" state=\"frozen\"/>"_s))
        << sheet.left(2000).toStdString();
    EXPECT_TRUE(sheet.contains(u"<col min=\"15\" max=\"15\" width=\"62.7109375\""_s)) << sheet.left(2000).toStdString();
}

// What cannot be read, or holds no chemical, or a people count out of range,
// is told in a box and leaves the page as it was; a row opens its MSDS page
// when the catalogue has one.
TEST_F(InventoryPageTest, RefusesWhatItCannotReadAndKeepsThePage)
{
    writeTextFile(path(u"list.txt"_s), u"氨\t2 t\n7732-18-5\n"_s);
    form()->inventory->openFile(path(u"list.txt"_s));
    const QStringList shown = shownRows();
    ASSERT_EQ(shown.size(), 2);
    const QString shownSummary = summary();

    writeWorkbook(path(u"empty.xlsx"_s), {{u"品名"_s, u"数量"_s}});
    writeFile(path(u"list.pdf"_s), "%PDF-1.4\n");
    writeFile(path(u"secret.xlsx"_s), QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(600, '\0')
                                          + QByteArray("E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0", 32));
    using Box = RecordingMessageBoxes::Box;
    const QString todo = u"：请把其中的清单另存为工作簿、CSV或文本文件（每行一种化学品）后再核查"_s;
    const struct {
        QString file;
        Box says;
    } refused[] = {
        {path(u"missing.xlsx"_s), {u"无法读取\""_s + path(u"missing.xlsx"_s) + u"\"：No such file or directory"_s, u"错误"_s, MessageIcon::Error}},
        {path(u"empty.xlsx"_s), {u"\"empty.xlsx\"中没有化学品：第一列应是化学品的名称或CAS号"_s, u"消息"_s, MessageIcon::None}},
        {path(u"list.pdf"_s), {u"\""_s + path(u"list.pdf"_s) + u"\" 是PDF文档，不是工作簿或文本文件"_s + todo, u"错误"_s, MessageIcon::Error}},
        {path(u"secret.xlsx"_s),
         {u"\""_s + path(u"secret.xlsx"_s) + u"\" 设有密码保护：请另存一份不带密码的副本后再打开"_s, u"错误"_s, MessageIcon::Error}},
    };
    for (const auto& file : refused) {
        forms_.boxes.boxes.clear();
        form()->inventory->openFile(file.file);
        EXPECT_EQ(forms_.boxes.boxes, QList<Box>{file.says}) << file.file.toStdString();
        EXPECT_EQ(shownRows(), shown);
        EXPECT_EQ(summary(), shownSummary);
        EXPECT_EQ(listLabel(), u"清单：list.txt"_s);
    }

    forms_.boxes.boxes.clear();
    exposed()->setText(u"-1"_s);
    handle(&MainWindow::checkInventory);
    EXPECT_EQ(forms_.boxes.boxes,
              (QList<Box>{{u"厂外暴露人数必须是0到100000000之间的整数"_s, u"错误"_s, MessageIcon::Error}}));
    EXPECT_EQ(summary(), shownSummary);

    // 氨's row opens its page; 水 is not listed and has none.
    forms_.boxes.boxes.clear();
    grid().dataSet()->setRecNo(1);
    handle(&MainWindow::openInventoryMsdsPage);
    grid().dataSet()->setRecNo(2);
    handle(&MainWindow::openInventoryMsdsPage);
    EXPECT_EQ(forms_.desktop.opened, QStringList{ProgramForms::kMsdsUrl + u"123.html"_s});
    EXPECT_EQ(forms_.boxes.boxes, (QList<Box>{{u"没有找到相关资料"_s, u"消息"_s, MessageIcon::None}}));
}
