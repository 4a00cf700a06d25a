// The embedded catalogue's LIKE answers as the catalogue server's does
// (the server's answers to these patterns, asked with NO_BACKSLASH_ESCAPES).
#include "db/SqliteLike.h"

#include <gtest/gtest.h>

namespace {

TEST(ServerLike, PatternsMatchAsOnTheServer)
{
    const struct {
        const char* text;
        const char* pattern;
        bool matches;
    } cases[] = {
        {"aVb", "%\\V%", true},   {"a\\Vb", "%\\V%", true},  {"a\\b", "a\\b", false},  {"a%b", "a\\%b", true},
        {"axb", "a\\%b", false},  {"a\\", "a\\", true},      {"a\\", "%\\", true},     {"ab", "a\\", false},
        {"a\\b", "a\\\\b", true}, {"a_b", "a\\_b", true},    {"axb", "a\\_b", false},  {"AB", "ab", true},
        {"", "%", true},          {"", "_", false},          {"甲醇", "_醇", true},     {"甲醇", "%醇", true},
        {"甲醇", "甲", false},     {"abcabd", "%abd", true},  {"aaa", "%a%a%a%a", false}, {"a'b", "%'%", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(likeMatches(c.pattern, c.text), c.matches) << c.text << " LIKE " << c.pattern;
}

} // namespace
