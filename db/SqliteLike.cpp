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

using Tokens = std::vector<char32_t>;

// Left to right over the text's bytes; on a mismatch, the last "%" takes one
// character more.
bool tokensMatch(const Tokens& tokens, QByteArrayView text)
{
    constexpr size_t kNoRun = size_t(-1);
    qsizetype t = 0, starT = 0;
    size_t p = 0, starP = kNoRun;
    while (t < text.size()) {
        if (p < tokens.size() && tokens[p] == kAnyRun) {
            starP = p++;
            starT = t;
            continue;
        }
        qsizetype next = t;
        const char32_t c = folded(nextChar(text, next));
        if (p < tokens.size() && (tokens[p] == kOneChar || tokens[p] == c)) {
            ++p;
            t = next;
        } else if (starP != kNoRun) {
            p = starP + 1;
            nextChar(text, starT);
            t = starT;
        } else {
            return false;
        }
    }
    while (p < tokens.size() && tokens[p] == kAnyRun)
        ++p;
    return p == tokens.size();
}

// The pattern is read once per statement: its tokens stay with it.
void likeFunction(sqlite3_context* context, int, sqlite3_value** arguments)
{
    const auto* pattern = reinterpret_cast<const char*>(sqlite3_value_text(arguments[0]));
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(arguments[1]));
    if (!pattern || !text)
        return sqlite3_result_null(context);
    const QByteArrayView textBytes(text, sqlite3_value_bytes(arguments[1]));
    if (const auto* tokens = static_cast<const Tokens*>(sqlite3_get_auxdata(context, 0)))
        return sqlite3_result_int(context, tokensMatch(*tokens, textBytes));
    auto* tokens = new Tokens(patternTokens(QByteArrayView(pattern, sqlite3_value_bytes(arguments[0]))));
    sqlite3_result_int(context, tokensMatch(*tokens, textBytes));
    sqlite3_set_auxdata(context, 0, tokens, [](void* made) { delete static_cast<Tokens*>(made); });
}

} // namespace

bool likeMatches(QByteArrayView pattern, QByteArrayView text)
{
    return tokensMatch(patternTokens(pattern), text);
}

void useServerLikeRules(sqlite3* db)
{
    sqlite3_create_function(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeFunction, nullptr, nullptr);
}
