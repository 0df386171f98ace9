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

    // Generate: the scrambled bytes keep the plain file's length, hold no line
    // break, and unscramble exactly when the values are plain ASCII text.
    QByteArray encoded;
    FUZZ_CHECK(SettingsFile::encode(plain, &encoded));
    QByteArray scrambled;
    FUZZ_CHECK(MailNetCfg::scrambledBytes(read, &scrambled));
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
