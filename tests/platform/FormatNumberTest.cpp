#include "platform/FormatNumber.h"

#include "support/QtPrint.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(FormatFloat, PatternsOfDigitsGroupsSectionsAndText)
{
    struct Case {
        const char* pattern;
        double value;
        QString expected;
    };
    const Case cases[] = {
        {"共#0条", 200, u"共200条"_s},
        {"共#0条", 0, u"共0条"_s},
        {"#0", 2.5, u"3"_s},
        {"0.00", 1.005, u"1.00"_s},
        {"0.##", 1.5, u"1.5"_s},
        {"0.##", 2, u"2"_s},
        {"#,##0.00", 1234567.891, u"1,234,567.89"_s},
        {"0000", 12, u"0012"_s},
        {"#", 0, QString()},
        {"0.0;(0.0);零", -3.25, u"(3.3)"_s},
        {"0.0;(0.0);零", 0, u"零"_s},
        {"0.0", -1.25, u"-1.3"_s},
        {"'#'0", 5, u"#5"_s},
        {"", 0.1, u"0.1"_s},
        {"", 1.0 / 3, u"0.333333333333333"_s},  // 15 significant digits
        {"", 123456789012345.0, u"123456789012345"_s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatFloat(QString::fromUtf8(c.pattern), c.value), c.expected) << c.pattern << " " << c.value;
}

} // namespace
