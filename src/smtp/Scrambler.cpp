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

QByteArray Scrambler::unscramble(const QByteArray &scrambled, int *ambiguous)
{
    int unclear = 0;
    QByteArray out(scrambled.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < scrambled.size(); ++i) {
        const auto b = static_cast<unsigned char>(scrambled.at(i));
        unsigned char plain = b;
        bool couldBeUnchanged = true;
        if (b >= 0x0F && b <= 0x18)
            plain = b + 33;
        else if (b >= 0x80 && b <= 0x99)
            plain = b - 31;
        else if (b >= 'a' && b <= 'z') {
            plain = b - 32;
            couldBeUnchanged = false;
        } else if (b == 0xFF)
            plain = '[';
        else if (b == 0xFE)
            plain = ']';
        else if (b == 0xFD)
            plain = '@';
        else if (b == 0xFC)
            plain = '=';
        else if (b == 0xFB)
            plain = '.';
        else if (b == 0xF1)
            plain = '\n';
        else if (b == 0xF2)
            plain = '\r';
        else
            couldBeUnchanged = false;
        if (couldBeUnchanged)
            ++unclear;
        out[i] = char(plain);
    }
    if (ambiguous)
        *ambiguous = unclear;
    return out;
}

} // namespace rx20
