// The mail-and-phone NET.CFG (Form7): the reader of plain files, and the
// scrambled file its Generate writes.
#include "FuzzSupport.h"

#include "smtp/MailNetCfg.h"
#include "smtp/Scrambler.h"

#include <QDir>

#include <algorithm>

using namespace rx20;

namespace {

bool isPlainText(const QByteArray &bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) {
        return (c >= 0x20 && c < 0x7F) || c == '\t' || c == '\r' || c == '\n';
    });
}

// The lines as the camera sees them on the card: the bytes between one
// scrambled line end and the next.
QList<QByteArray> cardLines(const QByteArray &card, const QByteArray &lineEnd)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype end; (end = card.indexOf(lineEnd, start)) >= 0; start = end + lineEnd.size())
        lines.append(card.mid(start, end - start));
    if (start < card.size())
        lines.append(card.mid(start));
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = fuzz::scratchFile(fuzz::bytes(data, size), MailNetCfg::fileName());
    MailNetCfgValues read;
    if (const FileStatus status = MailNetCfg::read(path, &read); !status) {
        FUZZ_CHECK(status.message.contains(QDir::toNativeSeparators(path)));
        return 0;
    }
    const QStringList plain = MailNetCfg::lines(read);
    FUZZ_CHECK(plain.size() == MailNetCfg::lineCount);
    MailNetCfgValues again;
    FUZZ_CHECK(MailNetCfg::parse(fuzz::throughFile(plain), path, &again));
    FUZZ_CHECK(MailNetCfg::lines(again) == plain);

    QByteArray encoded;
    FUZZ_CHECK(SettingsFile::encode(plain, &encoded));
    QByteArray scrambled = "untouched";
    const FileStatus generated = MailNetCfg::scrambledBytes(read, &scrambled);

    // The camera ends a line at every scrambled CR LF. A value whose bytes
    // scramble to one would split its line there, so Generate refuses exactly
    // those values, naming the key of the first line the camera would see
    // split, and gives no bytes.
    const QByteArray lineEnd = Scrambler::scramble("\r\n");
    const QList<QByteArray> seen = cardLines(Scrambler::scramble(encoded), lineEnd);
    qsizetype split = 0;
    while (split < plain.size()
           && seen.value(split)
                  == Scrambler::scramble(CodePage::encode(plain.at(split), CodePage::systemName())))
        ++split;
    if (split < plain.size()) {
        FUZZ_CHECK(!generated);
        const QString key = plain.at(split).section(QLatin1Char('='), 0, 0);
        FUZZ_CHECK(generated.message.contains(QLatin1Char('"') + key + QStringLiteral("=\"")));
        FUZZ_CHECK(scrambled == "untouched");
        return 0;
    }
    // Otherwise the scrambled bytes keep the plain file's length, hold no line
    // break, and unscramble exactly when the values are plain ASCII text.
    FUZZ_CHECK(generated);
    FUZZ_CHECK(seen.size() == plain.size());
    FUZZ_CHECK(scrambled.size() == encoded.size());
    FUZZ_CHECK(!scrambled.contains('\r') && !scrambled.contains('\n'));
    if (isPlainText(encoded))
        FUZZ_CHECK(Scrambler::unscramble(scrambled) == encoded);

    // Reading back what Generate wrote is refused as scrambled, never misread.
    const QString written = fuzz::scratchFile(scrambled, QStringLiteral("WRITTEN.CFG"));
    MailNetCfgValues refused;
    const FileStatus back = MailNetCfg::read(written, &refused);
    FUZZ_CHECK(!back);
    FUZZ_CHECK(back.message.contains(QStringLiteral("scrambled")));
    return 0;
}
