// The scrambler of the mail-and-phone NET.CFG and its inverse.
#include "FuzzSupport.h"

#include "smtp/Scrambler.h"

using namespace rx20;

namespace {

// The input turned into text of the kind the inverse is exact for:
// printable ASCII, tabs and line ends.
QByteArray plainText(const QByteArray &input)
{
    static const char extra[] = {'\t', '\r', '\n'};
    QByteArray out(input.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < input.size(); ++i) {
        const int b = static_cast<unsigned char>(input.at(i)) % 98;
        out[i] = b < 95 ? char(0x20 + b) : extra[b - 95];
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input = fuzz::bytes(data, size);

    // Any bytes: the length is kept and no line break is left.
    const QByteArray scrambled = Scrambler::scramble(input);
    FUZZ_CHECK(scrambled.size() == input.size());
    FUZZ_CHECK(!scrambled.contains('\r') && !scrambled.contains('\n'));
    // The inverse gives a text that scrambles to the same bytes, whatever it
    // had to guess.
    int ambiguous = -1;
    const QByteArray guessed = Scrambler::unscramble(scrambled, &ambiguous);
    FUZZ_CHECK(guessed.size() == scrambled.size());
    FUZZ_CHECK(ambiguous >= 0 && ambiguous <= scrambled.size());
    FUZZ_CHECK(Scrambler::scramble(guessed) == scrambled);

    // Printable ASCII with tabs and line ends comes back exactly.
    const QByteArray text = plainText(input);
    const QByteArray hidden = Scrambler::scramble(text);
    FUZZ_CHECK(hidden.size() == text.size());
    FUZZ_CHECK(!hidden.contains('\r') && !hidden.contains('\n'));
    FUZZ_CHECK(Scrambler::unscramble(hidden) == text);
    return 0;
}
