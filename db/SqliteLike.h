#pragma once

#include <QByteArrayView>

struct sqlite3;

// The catalogue server's LIKE on an SQLite connection, so that a pattern
// finds the same rows on the embedded catalogue as on the server: "%" any
// run of characters, "_" one character, "\" makes the next character a plain
// one (a "\" at the end is itself), letters compared without regard to the
// case of ASCII letters.
void useServerLikeRules(sqlite3* db);

// The same rule on UTF-8 text.
bool likeMatches(QByteArrayView pattern, QByteArrayView text);
