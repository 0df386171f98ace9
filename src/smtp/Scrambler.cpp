#include "smtp/Scrambler.h"

namespace rx20 {

char Scrambler::scrambleByte(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    if (b >= '0' && b <= '9')
        return char(b - 33);
    if (b >= 'a' && b <= 'z')
        return char(b + 31);
    if (b >= 'A' && b <= 'Z')
        return char(b + 32);
    switch (b) {
    case '[':
        return char(0xFF);
    case ']':
        return char(0xFE);
    case '@':
        return char(0xFD);
    case '=':
        return char(0xFC);
    case '.':
        return char(0xFB);
    case '\n':
        return char(0xF1);
    case '\r':
        return char(0xF2);
    default:
        return byte;
    }
}

QByteArray Scrambler::scramble(const QByteArray &plain)
{
    QByteArray out(plain.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < plain.size(); ++i)
        out[i] = scrambleByte(plain.at(i));
    return out;
}

char Scrambler::unscrambleByte(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    if (b >= 0x0F && b <= 0x18)
        return char(b + 33);
    if (b >= 0x80 && b <= 0x99)
        return char(b - 31);
    if (b >= 'a' && b <= 'z')
        return char(b - 32);
    switch (b) {
    case 0xFF:
        return '[';
    case 0xFE:
        return ']';
    case 0xFD:
        return '@';
    case 0xFC:
        return '=';
    case 0xFB:
        return '.';
    case 0xF1:
        return '\n';
    case 0xF2:
        return '\r';
    default:
        return byte;
    }
}

QByteArray Scrambler::unscramble(const QByteArray &scrambled, int *ambiguous)
{
    int unclear = 0;
    QByteArray out(scrambled.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < scrambled.size(); ++i) {
        const char b = scrambled.at(i);
        out[i] = unscrambleByte(b);
        // The table made it, yet the same byte also passes through unchanged.
        if (out.at(i) != b && scrambleByte(b) == b)
            ++unclear;
    }
    if (ambiguous)
        *ambiguous = unclear;
    return out;
}

} // namespace rx20
