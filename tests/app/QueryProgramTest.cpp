#include "app/ResultColumns.h"
#include "app/ResultPrinter.h"
#include "app/SearchSql.h"
#include "db/DatabaseError.h"

#include "support/Inventory.h"
#include "support/QueryProgram.h"
#include "support/Workbooks.h"
#include "support/TestFiles.h"

#include <QFile>
#include <ranges>
#include <QRegularExpression>
#include <QTemporaryDir>
#include "support/QtPrint.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kTitles = u"危化目录序号\t品名\t别名\t英文名\tCAS号\t危险性类别\t其它特殊监管\t备注"_s;

class QueryProgram : public ::testing::Test {
protected:
    QProcessEnvironment embedded() { return environmentWithOdbcIni(dir_.filePath(u"odbc.ini"_s), {}); }

    QString sql(const QStringList& arguments)
    {
        const ProgramResult result = runQueryProgram(QStringList{u"--sql"_s} + arguments, embedded());
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_TRUE(result.out.endsWith(u'\n'));
        return result.out.chopped(1);
    }

    // What vorlak-query prints for these criteria, checked against the
    // sqlite3 shell running the same statement on the same file.
    QStringList expectSameRowsAsSqliteShell(const QStringList& arguments)
    {
        const ProgramResult result = runQueryProgram(arguments, embedded(), dir_.path());
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        QStringList lines = result.out.split(u'\n');
        EXPECT_EQ(lines.takeLast(), QString());
        EXPECT_EQ(lines.takeFirst(), kTitles);
        const QString footer = lines.takeLast();
        const QStringList expected = shownColumnsBySqliteShell(QStringLiteral(VORLAK_CATALOGUE_DB), sql(arguments));
        EXPECT_EQ(lines, expected);
        EXPECT_EQ(footer, u"共"_s + QString::number(expected.size()) + u"条"_s);
        return lines;
    }

    QTemporaryDir dir_;
};

TEST_F(QueryProgram, SqlPrintsTheStatementOfTheCriteria)
{
    SearchCriteria defaults;
    EXPECT_EQ(sql({}), buildSearchSql(defaults).text);

    SearchCriteria name;
    name.nameText = u"氨"_s;
    name.exactMatch = true;
    name.rowLimit = false;
    EXPECT_EQ(sql({u"--name"_s, u"氨"_s, u"--exact"_s, u"--no-limit"_s}), buildSearchSql(name).text);

    // --hazard N alone searches the text of item N, as the combo box shows it.
    SearchCriteria hazard;
    hazard.hazardIndex = 17;
    hazard.hazardText = u"急性毒性-经口"_s;
    EXPECT_EQ(sql({u"--hazard"_s, u"17"_s}), buildSearchSql(hazard).text);
    hazard.hazardIndex = -1;
    hazard.hazardText = u"易燃"_s;
    EXPECT_EQ(sql({u"--hazard"_s, u"-1"_s, u"--hazard-text"_s, u"易燃"_s}), buildSearchSql(hazard).text);

    SearchCriteria strongest;
    strongest.aliasText = u"a"_s;
    strongest.casText = u"b"_s;
    strongest.englishNameText = u"c"_s;
    strongest.batchIndex = 2;
    strongest.precursorIndex = 7;
    strongest.indexNoText = u"498"_s;
    EXPECT_EQ(sql({u"--alias"_s, u"a"_s, u"--cas"_s, u"b"_s, u"--eng"_s, u"c"_s, u"--batch"_s,
                   u"2"_s, u"--precursor"_s, u"7"_s, u"--index-no"_s, u"498"_s}),
              buildSearchSql(strongest).text);
}

TEST_F(QueryProgram, BadArgumentsAreRefusedWithUsage)
{
    const struct {
        QStringList arguments;
        QString says;
    } refused[] = {
        {{u"--batch"_s, u"x"_s}, u"--batch takes a whole number, not \"x\""_s},
        {{u"--batch"_s, u"7"_s}, u"--batch takes a number from -1 to 3, not 7"_s},
        {{u"--hazard"_s, u"99"_s}, u"--hazard takes a number from -1 to 31, not 99"_s},
        {{u"--precursor"_s, u"9"_s}, u"--precursor takes a number from -1 to 8, not 9"_s},
        {{u"--name"_s}, u"Missing value after '--name'."_s},
        {{u"--what"_s}, u"Unknown option 'what'."_s},
        {{u"--check"_s, u"-"_s, u"--no-limit"_s}, u"--check takes no other arguments but --exposed"_s},
        {{u"--name"_s, u"氯"_s, u"--exposed"_s, u"5"_s}, u"--exposed goes with --check"_s},
        {{u"--check"_s, u"-"_s, u"--exposed"_s, u"-1"_s}, u"--exposed takes a number from 0 to 100000000, not -1"_s},
    };
    for (const auto& bad : refused) {
        const ProgramResult result = runQueryProgram(bad.arguments, embedded());
        EXPECT_EQ(result.exitCode, 64) << bad.says.toStdString();
        EXPECT_TRUE(result.err.startsWith(bad.says + u"\nusage: vorlak-query"_s)) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
}

// The whole usage, with every option, the exit statuses and examples.
TEST_F(QueryProgram, HelpAndVersionPrintAndExitWithZero)
{
    for (const QString& help : {u"--help"_s, u"-h"_s}) {
        const ProgramResult result = runQueryProgram({help}, embedded());
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_TRUE(result.out.startsWith(u"Usage: vorlak-query [options]\n"_s)) << result.out.toStdString();
        for (const QString& part : {u"--name <TEXT>"_s, u"--alias <TEXT>"_s, u"--eng <TEXT>"_s, u"--exact"_s,
                                    u"--cas <TEXT>"_s, u"--batch <N>"_s, u"--hazard <N>"_s, u"--hazard-text <TEXT>"_s,
                                    u"--precursor <N>"_s, u"--index-no <TEXT>"_s, u"--no-limit"_s, u"--sql"_s,
                                    u"--check <FILE>"_s, u"--version"_s, u"\nExit status:\n"_s, u"  64  "_s,
                                    u"\nExamples:\n  vorlak-query --name 甲醇 "_s})
            EXPECT_TRUE(result.out.contains(part)) << part.toStdString();
    }
    const ProgramResult version = runQueryProgram({u"--version"_s}, embedded());
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, u"vorlak-query 1.0.0\n"_s);
}

// Each item's line or lines in input order, then the counts.
TEST_F(QueryProgram, CheckReportsHowEachInventoryItemIsControlled)
{
    writeTextFile(dir_.filePath(u"inventory.txt"_s), kMixedInventory);
    const ProgramResult result = runQueryProgram({u"--check"_s, dir_.filePath(u"inventory.txt"_s)}, embedded());
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.err, QString());
    // The columns 数量(t), 临界量(t), 依据 and q/Q stand before the hazard categories.
    const auto methanol = [](const QString& quantity, const QString& share) {
        return u"1022\t甲醇\t67-56-1\t\t\t\t首批\t特别管控\t"_s + quantity + u"\t500\t表1 第65项\t"_s + share
               + u"\t易燃液体,类别2；急性毒性-经口,类别3*；急性毒性-经皮,类别3*；急性毒性-吸入,类别3*；特异性靶器官毒性-一次接触,类别1"_s;
    };
    const QString hydrazine = u"\t302-01-2\t\t\t\t\t\t\t10\t表2 W5.1（取最小）\t\t易燃液体,类别3；急性毒性-经口,类别3*；"
                              u"急性毒性-经皮,类别3*；急性毒性-吸入,类别3*；皮肤腐蚀/刺激,类别1B；严重眼损伤/眼刺激,类别1；"
                              u"皮肤致敏物,类别1；致癌性,类别2；危害水生环境-急性危害,类别1；危害水生环境-长期危害,类别1"_s;
    const QString none = u"\t\t\t\t\t\t\t\t\t\t\t\t\t"_s;
    const QStringList expected = {
        u"输入\t匹配\t危化目录序号\t品名\tCAS号\t剧毒\t易制爆\t易制毒\t重点监管\t特别管控\t数量(t)\t临界量(t)\t依据\tq/Q\t危险性类别"_s,
        u"67-56-1\tCAS\t"_s + methanol(QString(), QString()),
        u"甲醇\t品名\t"_s + methanol(QString(), QString()),
        u"METHANOL\t英文名\t"_s + methanol(QString(), QString()),
        u"７６６４－４１－７\tCAS\t2\t氨\t7664-41-7\t\t\t\t首批\t特别管控\t\t10\t表1 第1项\t\t易燃气体,类别2；加压气体；"
        u"急性毒性-吸入,类别3*；皮肤腐蚀/刺激,类别1B；严重眼损伤/眼刺激,类别1；危害水生环境-急性危害,类别1"_s,
        u"7664-41-8\tCAS号无效"_s + none,
        u"醋酸酐\t别名\t2634\t乙酸酐\t108-24-7\t\t\t第二类\t\t\t\t10\t表2 W5.1（取最小）\t\t易燃液体,类别3；"
        u"皮肤腐蚀/刺激,类别1B；严重眼损伤/眼刺激,类别1；特异性靶器官毒性-一次接触,类别3（呼吸道刺激）"_s,
        u"1-苯基-2-丙酮\t品名\t\t1-苯基-2-丙酮\t103-79-7\t\t\t第一类\t\t\t\t\t\t\t"_s,
        u"7732-18-5\t未列入"_s + none,
        u"x' OR '1'='1' --\t未列入"_s + none,
        u"甲醇\t品名\t"_s + methanol(u"0.5"_s, u"0.001"_s),
        u"硝酸铵\t品名\t2286\t硝酸铵[含可燃物＞0.2%,包括以碳计算的任何有机物,但不包括任何其它添加剂]\t6484-52-2\t\t\t\t首批\t"
        u"特别管控\t20\t5\t表1 第43项（取最小）\t4\t爆炸物,1.1项；特异性靶器官毒性-一次接触,类别1；"
        u"特异性靶器官毒性-反复接触,类别1；氧化性固体,类别3"_s,
        u"302-01-2\tCAS\t1225\t肼水溶液[含肼≤64%]"_s + hydrazine,
        u"302-01-2\tCAS\t2134\t无水肼[含肼＞64%]"_s + hydrazine,
        u"0067-56-1\tCAS\t"_s + methanol(QString(), QString()),
        u"石油气\t品名\t1966\t石油气\t\t\t\t\t\t\t\t10\t表2 W2\t\t易燃气体,类别1；加压气体"_s,  // not also 石油气[液化的], 液化石油气's alias
        u"共14项：列入11项（其中匹配多条1项），未列入2项，CAS号无效1项"_s,
        u"重大危险源辨识（GB 18218-2018，按一个生产或储存单元计）：S = Σq/Q = 4.001，构成重大危险源"_s,
        QString()};
    const QStringList lines = result.out.split(u'\n');
    for (qsizetype i = 0; i < qMax(lines.size(), expected.size()); ++i)
        EXPECT_EQ(lines.value(i), expected.value(i)) << "line " << i;

    // A file that cannot be read is a bad argument.
    for (const QString& unreadable : {dir_.filePath(u"missing.txt"_s), dir_.path()}) {
        const ProgramResult refused = runQueryProgram({u"--check"_s, unreadable}, embedded());
        EXPECT_EQ(refused.exitCode, 64);
        EXPECT_TRUE(refused.err.startsWith(u"cannot read \""_s + unreadable + u"\": "_s)) << refused.err.toStdString();
        EXPECT_EQ(refused.out, QString());
    }
}

// Inventories as people keep them: workbooks (shared and inline strings,
// numbers, a header naming the quantity's column and unit; the same book as
// Excel 97-2003), CSV with a header, text in its encoding; what cannot be
// read is refused, saying why.
TEST_F(QueryProgram, CheckReadsWorkbooksAndTextAndRefusesWhatItCannotRead)
{
    const QString header = u"输入\t匹配\t危化目录序号\t品名\tCAS号\t剧毒\t易制爆\t易制毒\t重点监管\t特别管控\t数量(t)\t临界量(t)\t依据\tq/Q\t危险性类别\n"_s;
    const auto check = [&](const QString& path) {
        const ProgramResult result = runQueryProgram({u"--check"_s, path}, embedded());
        EXPECT_EQ(result.exitCode, 0) << path.toStdString() << result.err.toStdString();
        return result.out;
    };

    // 品名 | 别名 | 数量(kg): the quantity's column is the third, a bare number in kg.
    const QList<QVariantList> rows = {{u"品名"_s, u"备注"_s, u"数量（kg）"_s},
                                      {u"甲醇"_s, u"罐区"_s, 500000},
                                      {u"氯"_s, QVariant(), u"6 t"_s},
                                      {},
                                      {u"2,4-二硝基苯酚"_s, u"仓库"_s, 0.5}};
    const QString shared = dir_.filePath(u"shared.xlsx"_s);
    const QString inlined = dir_.filePath(u"inline.xlsx"_s);
    writeWorkbook(shared, rows);
    writeWorkbook(inlined, rows, true);
    const QString old = convertWithLibreOffice(shared, u"xls"_s, u"xls"_s);
    writeTextFile(dir_.filePath(u"table.csv"_s), u"品名,备注,数量(kg)\n甲醇,罐区,500000\n氯,,6 t\n\n\"2,4-二硝基苯酚\",仓库,0.5\n"_s);
    const QString report = check(shared);
    const QStringList lines = report.split(u'\n');
    EXPECT_EQ(lines.value(0) + u'\n', header);
    EXPECT_TRUE(lines.value(1).startsWith(u"甲醇\t品名\t1022\t甲醇\t67-56-1\t\t\t\t首批\t特别管控\t500\t500\t表1 第65项\t1\t"_s))
        << lines.value(1).toStdString();
    EXPECT_TRUE(lines.value(2).startsWith(u"氯\t品名\t1381\t氯\t7782-50-5\t剧毒\t"_s)) << lines.value(2).toStdString();
    EXPECT_TRUE(lines.value(3).startsWith(u"2,4-二硝基苯酚\t品名\t"_s)) << lines.value(3).toStdString();
    EXPECT_TRUE(lines.value(3).contains(u"\t0.0005\t50\t表2 J3（取最小）\t1e-05\t"_s)) << lines.value(3).toStdString();
    EXPECT_EQ(lines.mid(4), QStringList({u"共3项：列入3项（其中匹配多条0项），未列入0项，CAS号无效0项"_s,
                                         u"重大危险源辨识（GB 18218-2018，按一个生产或储存单元计）：S = Σq/Q = 2.2，构成重大危险源"_s,
                                         QString()}));
    for (const QString& path : {inlined, old, dir_.filePath(u"table.csv"_s)})
        EXPECT_EQ(check(path), report) << path.toStdString();

    // Text in the encodings editors save it in.
    const QString text = u"甲醇\r\n醋酸酐\r\n"_s;
    const QString gb18030 = dir_.filePath(u"gb18030.csv"_s);
    writeTextFile(dir_.filePath(u"utf8.txt"_s), text);
    const ProgramResult converted =
        runProgram(u"iconv"_s, {u"-f"_s, u"UTF-8"_s, u"-t"_s, u"GB18030"_s, u"-o"_s, gb18030, dir_.filePath(u"utf8.txt"_s)});
    ASSERT_EQ(converted.exitCode, 0) << converted.err.toStdString();
    QByteArray utf16("\xFF\xFE", 2);
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    writeFile(dir_.filePath(u"utf16.txt"_s), utf16);
    for (const QString& name : {u"gb18030.csv"_s, u"utf16.txt"_s}) {
        const QStringList lines = check(dir_.filePath(name)).split(u'\n');
        EXPECT_TRUE(lines.value(1).startsWith(u"甲醇\t品名\t1022\t"_s)) << lines.value(1).toStdString();
        EXPECT_TRUE(lines.value(2).startsWith(u"醋酸酐\t别名\t2634\t"_s)) << lines.value(2).toStdString();
        EXPECT_EQ(lines.value(3), u"共2项：列入2项（其中匹配多条0项），未列入0项，CAS号无效0项"_s) << name.toStdString();
    }

    // An encrypted workbook is a compound file holding a stream named EncryptedPackage.
    QByteArray encrypted = QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(1016, '\0');
    const QString stream = u"EncryptedPackage"_s;
    encrypted += QByteArray(reinterpret_cast<const char*>(stream.utf16()), stream.size() * 2) + QByteArray(2000, '\0');
    const QString todo = u"：请把其中的清单另存为工作簿、CSV或文本文件（每行一种化学品）后再核查"_s;
    const struct {
        const char* name;
        QByteArray bytes;
        QString says;
    } refused[] = {
        {"book.xls", QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0", 10) + QByteArray(500, 'x'),
         u"不是可读取的Excel 97-2003工作簿（.xls），文件可能已损坏"_s},
        {"book.xlsx", QByteArray("PK\x03\x04\x14\0", 6), u"不是可读取的Excel工作簿（.xlsx）：其中没有工作表"_s},
        {"secret.xlsx", encrypted, u"设有密码保护：请另存一份不带密码的副本后再打开"_s},
        {"list.pdf", QByteArray("%PDF-1.4\n"), u"是PDF文档，不是工作簿或文本文件"_s + todo},
        {"noise.bin", QByteArray("\x81\x30\xFF\x00\x07\x80", 6), u"不是工作簿，也不是UTF-8、UTF-16或GB18030编码的文本文件"_s + todo},
        {"controls.txt", QByteArray("\x01\x02\x03\x04"), u"不是工作簿，也不是UTF-8、UTF-16或GB18030编码的文本文件"_s + todo},
    };
    for (const auto& file : refused) {
        const QString path = dir_.filePath(QString::fromLatin1(file.name));
        writeFile(path, file.bytes);
        const ProgramResult result = runQueryProgram({u"--check"_s, path}, embedded());
        EXPECT_EQ(result.exitCode, 64) << file.name;
        EXPECT_EQ(result.err, u'"' + path + u"\" "_s + file.says + u'\n') << file.name;
        EXPECT_EQ(result.out, QString()) << file.name;
    }
}

// The major-hazard sum of one unit, worked by hand: S = Σ q/Q with Q from
// 表1, else the smallest of 表2; for S ≥ 1 and the people exposed given,
// R = α·Σβ·q/Q and the grade.
TEST_F(QueryProgram, CheckSumsAUnitsQuantitiesAgainstTheirThresholds)
{
    const struct {
        const char* inventory;
        QString exposed;
        QStringList summary;
    } units[] = {
        {"氯\t6 t\n", u"120"_s,
         {u"S = Σq/Q = 1.2，构成重大危险源"_s, u"分级：R = α·Σβ·q/Q = 2 × 4.8 = 9.6（α按厂外暴露人员120人），四级重大危险源"_s}},
        {"甲醇 300 t\n苯 30 t\n", QString(), {u"S = Σq/Q = 1.2，构成重大危险源"_s}},
        {"氨 10000 kg\n", QString(), {u"S = Σq/Q = 1，构成重大危险源"_s}},  // q = Q alone makes one
        {"乙酸酐 100 t\n", u"40"_s,  // 表2 only: W5.1 10 t the smallest, β 1.5
         {u"S = Σq/Q = 10，构成重大危险源"_s, u"分级：R = α·Σβ·q/Q = 1.2 × 15 = 18（α按厂外暴露人员40人），三级重大危险源"_s}},
        {"氯 1 t\n氨,2000 kg\n", u"500"_s, {u"S = Σq/Q = 0.4，未构成重大危险源"_s}},
        {"氯 2000 kg\n\"氨\",10\n异氰酸甲酯\t0.75 t\n", u"200"_s,
         {u"S = Σq/Q = 2.4，构成重大危险源"_s, u"分级：R = α·Σβ·q/Q = 2 × 23.6 = 47.2（α按厂外暴露人员200人），三级重大危险源"_s}},
        {"异氰酸甲酯 3 t\n", u"0"_s,
         {u"S = Σq/Q = 4，构成重大危险源"_s, u"分级：R = α·Σβ·q/Q = 0.5 × 80 = 40（α按厂外暴露人员0人），三级重大危险源"_s}},
        {"异氰酸甲酯 3 t\n", u"100"_s,
         {u"S = Σq/Q = 4，构成重大危险源"_s, u"分级：R = α·Σβ·q/Q = 2 × 80 = 160（α按厂外暴露人员100人），一级重大危险源"_s}},
        {"氯 6 t\n甲醇 -3 t\n甲醇 12 L\n苯\tabc\n阿片 2 t\n7732-18-5 5\n", QString(),
         {u"S = Σq/Q = 1.2，构成重大危险源"_s,
          u"未计入S：第2行 甲醇（数量不能为负）；第3行 甲醇（单位无法识别：L（可用t或kg））；第4行 苯（数量无法识别）；"
          u"第5行 阿片（GB 18218-2018未规定临界量）；第6行 7732-18-5（未列入，无临界量）"_s}},
    };
    for (const auto& unit : units) {
        writeTextFile(dir_.filePath(u"unit.txt"_s), QString::fromUtf8(unit.inventory));
        QStringList arguments{u"--check"_s, dir_.filePath(u"unit.txt"_s)};
        if (!unit.exposed.isEmpty())
            arguments << u"--exposed"_s << unit.exposed;
        const ProgramResult result = runQueryProgram(arguments, embedded());
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        QStringList summary = result.out.split(u'\n', Qt::SkipEmptyParts);
        summary = summary.mid(summary.indexOf(QRegularExpression(u"共.*"_s)) + 1);
        ASSERT_FALSE(summary.isEmpty()) << unit.inventory;
        summary.first().remove(u"重大危险源辨识（GB 18218-2018，按一个生产或储存单元计）："_s);
        EXPECT_EQ(summary, unit.summary) << unit.inventory;
    }
}

TEST_F(QueryProgram, RowsMatchTheSqliteShellFromAnyWorkingFolder)
{
    const QStringList all = expectSameRowsAsSqliteShell({});
    ASSERT_FALSE(all.isEmpty());
    EXPECT_EQ(expectSameRowsAsSqliteShell({u"--name"_s, u"氨"_s, u"--exact"_s}).size(), 1);
    EXPECT_TRUE(expectSameRowsAsSqliteShell({u"--cas"_s, u"7664-41-7"_s}).first().startsWith(u"2\t氨\t"_s));
    expectSameRowsAsSqliteShell({u"--hazard"_s, u"17"_s, u"--no-limit"_s});
    expectSameRowsAsSqliteShell({u"--batch"_s, u"2"_s});
    expectSameRowsAsSqliteShell({u"--alias"_s, u"木"_s});
    const QStringList quoted = expectSameRowsAsSqliteShell({u"--alias"_s, u"4,4'-二氨基二苯基甲烷"_s});
    ASSERT_EQ(quoted.size(), 1);
    EXPECT_TRUE(quoted.first().startsWith(u"2443\t4,4'-亚甲基双苯胺\t"_s));
    expectSameRowsAsSqliteShell({u"--no-limit"_s});
    EXPECT_TRUE(expectSameRowsAsSqliteShell({u"--cas"_s, u"no-such-cas"_s}).isEmpty());
}

// Rows printed as they come: the shown columns in their order whatever the
// statement's, values as the window shows them, a tab or line break in a
// value as a blank; a shown column the statement lacks prints nothing.
TEST(ResultPrinter, PrintsTheShownColumnsOfEachRowAsItComes)
{
    char* printed = nullptr;
    size_t size = 0;
    FILE* out = open_memstream(&printed, &size);
    ResultPrinter printer(out);
    std::vector<FetchedColumn> columns{{u"id"_s, QMetaType::fromType<int>(), 10}};
    for (const ResultColumn& shown : shownResultColumns() | std::views::reverse)
        columns.push_back({shown.fieldName.toUpper(), QMetaType::fromType<QString>(), 100});
    printer.begin(columns);
    const QByteArray hazards = u"易燃\t液体\r\n类别2"_s.toUtf8();
    for (int row = 1; row <= 2; ++row) {
        printer.appendInteger(row);     // id, not shown
        printer.appendText(u"备注"_s);  // remarks, the last shown, fetched first
        printer.appendNull();           // specialadmin
        printer.appendText(hazards.constData(), hazards.size());
        printer.appendText(u"67-56-1"_s);
        printer.appendText(u"methanol"_s);
        printer.appendText(u"木醇"_s);
        printer.appendText(u"甲醇"_s);
        printer.appendDouble(row * 0.5);  // index_id
        printer.endRow();
    }
    printer.finish();
    std::fclose(out);
    const QString text = QString::fromUtf8(printed, qsizetype(size));
    std::free(printed);
    EXPECT_EQ(text, kTitles + u"\n0.5\t甲醇\t木醇\tmethanol\t67-56-1\t易燃 液体  类别2\t\t备注\n"_s
                        u"1\t甲醇\t木醇\tmethanol\t67-56-1\t易燃 液体  类别2\t\t备注\n共2条\n"_s);

    char* none = nullptr;
    FILE* nothing = open_memstream(&none, &size);
    ResultPrinter lacking(nothing);
    columns.pop_back();
    EXPECT_THROW(lacking.begin(columns), DatabaseError);
    std::fclose(nothing);
    EXPECT_EQ(size, 0u);
    std::free(none);
}

TEST_F(QueryProgram, ARejectedCatalogueNumberIsReportedAndTheSearchGoesOn)
{
    const ProgramResult rejected =
        runQueryProgram({u"--name"_s, u"甲醇"_s, u"--index-no"_s, u"abc"_s}, embedded());
    EXPECT_EQ(rejected.exitCode, 0);
    EXPECT_EQ(rejected.err, u"序号必须是数字\n"_s);
    const ProgramResult plain = runQueryProgram({u"--name"_s, u"甲醇"_s}, embedded());
    EXPECT_EQ(rejected.out, plain.out);
}

TEST_F(QueryProgram, AConnectionFailureExitsWithStatusTwo)
{
    const QProcessEnvironment environment = environmentWithOdbcIni(
        dir_.filePath(u"odbc.ini"_s),
        u"[vorlak]\nDriver=MariaDB Unicode\nSocket="_s + dir_.filePath(u"none.sock"_s) + u'\n');
    const ProgramResult result = runQueryProgram({}, environment);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.startsWith(u"数据库无法连接\n"_s)) << result.err.toStdString();
    EXPECT_FALSE(result.err.contains(u"vorlak@qa51807316"_s));
    EXPECT_TRUE(result.out.isEmpty());
}

TEST_F(QueryProgram, AStatementTheDatabaseRefusesExitsWithStatusOne)
{
    // A catalogue without the MSDS table cannot answer the search.
    const QString program = dir_.filePath(u"vorlak-query"_s);
    ASSERT_TRUE(QFile::copy(QStringLiteral(VORLAK_QUERY_PROGRAM), program));
    const ProgramResult made = runProgram(u"sqlite3"_s,
        {dir_.filePath(u"vorlak.db"_s), u"CREATE TABLE hazardous_chemicals (id INTEGER);"_s});
    ASSERT_EQ(made.exitCode, 0);
    const ProgramResult result = runProgram(program, {}, embedded());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains(u"hazardous_chemicals_msds"_s)) << result.err.toStdString();
    EXPECT_TRUE(result.out.isEmpty());
}

} // namespace
