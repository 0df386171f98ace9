#pragma once

#include <QByteArray>

namespace rx20 {

// The byte-for-byte scrambling the mail-and-phone settings window applies to
// its NET.CFG before it reaches the card. The length never changes.
//
//   "0".."9" -> 0F..18      "a".."z" -> 80..99      "A".."Z" -> "a".."z"
//   "[" -> FF   "]" -> FE   "@" -> FD   "=" -> FC   "." -> FB
//   LF -> F1    CR -> F2    every other byte unchanged
//
// What cannot be told apart afterwards: the bytes the table produces (0F..18,
// 61..7A, 80..99, F1, F2, FB..FF) are also bytes that pass through unchanged
// when the plain text holds them. 61..7A is safe, since plain lower-case
// letters never survive; but 0F..18 may be a digit or a control character,
// 80..99 a lower-case letter or a code page character (such as "€" in
// windows-1252), and F1, F2, FB..FF a line end or sign or a letter such as
// "ñ", "ò", "û", "ü", "ý", "þ", "ÿ". In printable ASCII text with tabs and
// line ends none of those can occur unscrambled, so unscramble() is exact there.
class Scrambler
{
public:
    static QByteArray scramble(const QByteArray &plain);

    // Inverse for printable ASCII text with tabs and line ends. Each byte that could also have been an
    // unchanged byte counts towards *ambiguous (when given).
    static QByteArray unscramble(const QByteArray &scrambled, int *ambiguous = nullptr);

    static char scrambleByte(char byte);

    // The plain byte a scrambled byte stands for when the text was ASCII.
    static char unscrambleByte(char byte);
};

} // namespace rx20
