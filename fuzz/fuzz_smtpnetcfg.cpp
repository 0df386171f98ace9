// The "[SMTP]" NET.CFG as the SMTP settings window (Form4) reads it.
#include "FuzzSupport.h"

#include "smtp/SmtpNetCfg.h"

#include <QDir>

using namespace rx20;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = fuzz::scratchFile(fuzz::bytes(data, size), SmtpNetCfg::fileName());
    const ReadLines file = SettingsFile::read(path);
    FUZZ_CHECK(file.status);
    if (!SmtpNetCfg::isSmtpHeader(file.lines.value(0)))
        return 0;
    const SmtpNetCfgRead read = SmtpNetCfg::parse(file.lines, path);
    if (!read.status) {
        FUZZ_CHECK(file.lines.size() < SmtpNetCfg::linesNeeded);
        FUZZ_CHECK(read.values == SmtpNetCfgValues());
        FUZZ_CHECK(read.status.message.contains(QDir::toNativeSeparators(path)));
        return 0;
    }
    FUZZ_CHECK(!read.values.ssl); // the window keeps its own SSL choice
    const QStringList written = SmtpNetCfg::lines(read.values);
    FUZZ_CHECK(written.size() == SmtpNetCfg::lineCount);
    FUZZ_CHECK(SmtpNetCfg::isSmtpHeader(written.first()));
    const SmtpNetCfgRead again = SmtpNetCfg::parse(fuzz::throughFile(written), path);
    FUZZ_CHECK(again.status);
    FUZZ_CHECK(again.values == read.values);
    return 0;
}
