// Random criteria of every kind, typed texts full of quotes, wildcards,
// comment marks and odd characters, run on the embedded catalogue and on the
// catalogue server: every statement runs, both give the same rows, and texts
// that try to end their literal find only rows that hold them.
//   VORLAK_FUZZ_COUNT  criteria sets to try (default 300; make fuzz: 10 000)
//   VORLAK_FUZZ_SEED   the generator's seed (default 20261209), printed on failure
#include "app/SearchSql.h"

#include "support/QtPrint.h"
#include "support/QueryOutcome.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

using namespace Qt::StringLiterals;

namespace {

class Generator {
public:
    explicit Generator(unsigned seed) : random_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(int percent) { return below(100) < percent; }

    QString text()
    {
        static const QStringList pieces = {
            u"'"_s,  u"''"_s, u"\\"_s, u"%"_s,  u"_"_s,  u"--"_s, u";"_s,  u"/*"_s, u"*/"_s, u"\""_s,
            u" "_s,  u"\t"_s, u"\r\n"_s, QString(QChar(7)), u"甲"_s, u"氨"_s, u"苯"_s, u"醇"_s,
            u"类别2"_s, u"急性毒性"_s, u"7664-41-7"_s, u"67-56-1"_s, u"剧毒"_s, u"α"_s, u"β-"_s,
            u"[含量＞20%]"_s, u"（"_s, u"😀"_s, u"𠀀"_s, u"ﾀ"_s, u"amine"_s, u"METHANOL"_s,
            u"' OR 1=1 --"_s, u"'; DROP TABLE hazardous_chemicals; --"_s, u"\\' OR '1'='1"_s, u"0x27"_s};
        QString text;
        const int parts = chance(2) ? 2000 + below(9000) : 1 + below(4);  // now and then as long as a field takes
        for (int i = 0; i < parts && text.size() < 32767; ++i) {
            QString piece = chance(20) ? QString(QChar(0x20 + below(0x5F))) : pieces.at(below(int(pieces.size())));
            if (chance(20))
                piece = asciiCaseFlipped(piece);
            text += piece;
        }
        return text.left(32767);
    }

    SearchCriteria criteria()
    {
        SearchCriteria c;
        const auto maybeText = [this] { return chance(30) ? text() : QString(); };
        c.nameText = maybeText();
        c.aliasText = maybeText();
        c.casText = maybeText();
        c.englishNameText = maybeText();
        c.exactMatch = chance(30);
        c.batchIndex = below(5) - 1;
        c.hazardIndex = chance(60) ? 0 : below(int(hazardItems().size()) + 1) - 1;
        c.hazardText = c.hazardIndex >= 0 ? hazardItems().at(c.hazardIndex) : text();
        c.precursorIndex = chance(60) ? -1 : below(int(precursorItems().size()) + 1) - 1;
        c.indexNoText = chance(70) ? u"0"_s : chance(50) ? QString::number(below(3000)) : text();
        c.rowLimit = chance(80);
        return c;
    }

private:
    // Letter case changes only of ASCII letters: the server also folds the
    // case of other letters, the embedded catalogue does not.
    static QString asciiCaseFlipped(QString text)
    {
        for (QChar& ch : text)
            if (ch.unicode() < 128 && ch.isLetter())
                ch = ch.isUpper() ? ch.toLower() : ch.toUpper();
        return text;
    }

    std::mt19937 random_;
};

class CriteriaFuzz : public ::testing::Test {
protected:
    void SetUp() override
    {
        useOdbcIni(dir_.path(), u"[vorlak]\nDriver=MariaDB Unicode\nSocket="_s
                                    + QStringLiteral(VORLAK_TEST_MARIADB_SOCKET) + u'\n');
        embedded_.setEmbeddedDatabase(QStringLiteral(VORLAK_CATALOGUE_DB));
        server_.setConnectionString(u"Data Source=vorlak;User ID=root;Initial Catalog=vorlak"_s);
    }

    // Every value of every row, or the error.
    static QStringList rows(Connection& connection, const QString& statement)
    {
        return outcomeLines(runQuery(connection, statement), [](const QVariant& value) { return value.toString(); });
    }

    QTemporaryDir dir_;
    Connection embedded_;
    Connection server_;
};

TEST_F(CriteriaFuzz, EveryStatementRunsAndBothCataloguesAgree)
{
    const unsigned seed = qEnvironmentVariableIsSet("VORLAK_FUZZ_SEED") ? qEnvironmentVariableIntValue("VORLAK_FUZZ_SEED")
                                                                           : 20261209u;
    const int count = qEnvironmentVariableIsSet("VORLAK_FUZZ_COUNT") ? qEnvironmentVariableIntValue("VORLAK_FUZZ_COUNT")
                                                                       : 300;
    Generator generate(seed);
    const QByteArray catalogueBefore = fileHash(QStringLiteral(VORLAK_CATALOGUE_DB));
    int rowsSeen = 0;
    for (int n = 0; n < count; ++n) {
        const QString statement = buildSearchSql(generate.criteria()).text;
        const QStringList embedded = rows(embedded_, statement);
        const QStringList server = rows(server_, statement);
        const bool failed = embedded.value(0).startsWith(u"error "_s) || embedded != server;
        ASSERT_FALSE(failed) << "seed " << seed << ", set " << n << ": " << statement.left(300).toStdString()
                             << "\n  embedded: " << embedded.size() << " " << embedded.value(0).left(200).toStdString()
                             << "\n  server:   " << server.size() << " " << server.value(0).left(200).toStdString();
        rowsSeen += int(embedded.size());
    }
    EXPECT_GT(rowsSeen, 0);  // the criteria found something now and then
    embedded_.close();
    EXPECT_EQ(fileHash(QStringLiteral(VORLAK_CATALOGUE_DB)), catalogueBefore);  // nothing wrote to the catalogue
    std::printf("fuzz: %d criteria sets (seed %u), %d rows compared\n", count, seed, rowsSeen);
}

// A text that tries to end its literal early is looked for as it stands:
// no row holds it, so none is found, in any text criterion, on either side.
TEST_F(CriteriaFuzz, TextsThatTryToEndTheirLiteralFindNothing)
{
    const QStringList probes = {u"' OR 1=1 --"_s, u"' OR '1'='1"_s, u"\\' OR 1=1 -- "_s, u"甲' OR 'a'='a"_s,
                                u"'; DELETE FROM hazardous_chemicals; --"_s, u"x' UNION SELECT 1,2,3,4,5,6,7,8,9,10,11,12,13 --"_s};
    for (const QString& probe : probes)
        for (int field = 0; field < 5; ++field) {
            SearchCriteria c;
            QString* texts[] = {&c.nameText, &c.aliasText, &c.casText, &c.englishNameText, &c.hazardText};
            *texts[field] = probe;
            if (field == 4)
                c.hazardIndex = -1;
            const QString statement = buildSearchSql(c).text;
            EXPECT_EQ(rows(embedded_, statement), QStringList()) << statement.toStdString();
            EXPECT_EQ(rows(server_, statement), QStringList()) << statement.toStdString();
        }
}

} // namespace
