#include "SqliteLike.h"

#include <sqlite3.h>
#include <vector>

namespace {

constexpr char32_t kAnyRun = 0xFFFFFFFF;  // "%"
constexpr char32_t kOneChar = 0xFFFFFFFE;  // "_"

// The next character of UTF-8 text; a byte that starts no character stands for itself.
char32_t nextChar(QByteArrayView text, qsizetype& at)
{
    const auto byte = static_cast<unsigned char>(text[at++]);
    int more = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC0 ? 1 : 0;
    char32_t c = more == 3 ? byte & 0x07 : more == 2 ? byte & 0x0F : more == 1 ? byte & 0x1F : byte;
    for (; more > 0 && at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80; --more)
        c = (c << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    return c;
}

char32_t folded(char32_t c)
{
    return c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c;
}

std::vector<char32_t> patternTokens(QByteArrayView pattern)
{
    std::vector<char32_t> tokens;
    for (qsizetype at = 0; at < pattern.size();) {
        const char32_t c = nextChar(pattern, at);
        if (c == U'\\' && at < pattern.size())
            tokens.push_back(folded(nextChar(pattern, at)));
        else if (c == U'%')
            tokens.push_back(kAnyRun);
        else if (c == U'_')
            tokens.push_back(kOneChar);
        else
            tokens.push_back(folded(c));
    }
    return tokens;
}

void likeFunction(sqlite3_context* context, int, sqlite3_value** arguments)
{
    const auto* pattern = reinterpret_cast<const char*>(sqlite3_value_text(arguments[0]));
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(arguments[1]));
    if (!pattern || !text)
        return sqlite3_result_null(context);
    sqlite3_result_int(context, likeMatches(QByteArrayView(pattern, sqlite3_value_bytes(arguments[0])),
                                            QByteArrayView(text, sqlite3_value_bytes(arguments[1]))));
}

} // namespace

bool likeMatches(QByteArrayView pattern, QByteArrayView textBytes)
{
    const std::vector<char32_t> tokens = patternTokens(pattern);
    std::vector<char32_t> text;
    for (qsizetype at = 0; at < textBytes.size();)
        text.push_back(folded(nextChar(textBytes, at)));
    // More characters to match than the text has: no match, at once.
    size_t needed = 0;
    for (char32_t token : tokens)
        needed += token != kAnyRun;
    if (needed > text.size())
        return false;
    // Left to right; on a mismatch, the last "%" takes one character more.
    size_t t = 0, p = 0, starP = size_t(-1), starT = 0;
    while (t < text.size()) {
        if (p < tokens.size() && tokens[p] == kAnyRun) {
            starP = p++;
            starT = t;
        } else if (p < tokens.size() && (tokens[p] == kOneChar || tokens[p] == text[t])) {
            ++p;
            ++t;
        } else if (starP != size_t(-1)) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < tokens.size() && tokens[p] == kAnyRun)
        ++p;
    return p == tokens.size();
}

void useServerLikeRules(sqlite3* db)
{
    sqlite3_create_function(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeFunction, nullptr, nullptr);
}
