#include "platform/FormatNumber.h"

#include "support/QtPrint.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(FormatCount, PatternsOfDigitsGroupsAndText)
{
    struct Case {
        const char* pattern;
        qint64 count;
        QString expected;
    };
    const Case cases[] = {
        {"共#0条", 200, u"共200条"_s},
        {"共#0条", 0, u"共0条"_s},
        {"0000", 12, u"0012"_s},
        {"#,##0", 1234567, u"1,234,567"_s},
        {"#", 0, QString()},
        {"'#'0 \"条\"", 5, u"#5 条"_s},
        {"no digits", 5, u"no digits"_s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatCount(QString::fromUtf8(c.pattern), c.count), c.expected) << c.pattern << " " << c.count;
}

} // namespace
