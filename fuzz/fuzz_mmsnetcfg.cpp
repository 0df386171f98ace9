// The "[MMS]" NET.CFG as the MMS settings window (Form3) reads it.
#include "FuzzSupport.h"

#include "camera/MmsNetCfg.h"

#include <QDir>

using namespace rx20;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = fuzz::scratchFile(fuzz::bytes(data, size), QStringLiteral("NET.CFG"));
    const ReadLines file = SettingsFile::read(path);
    FUZZ_CHECK(file.status);
    if (!file.lines.isEmpty() && !MmsNetCfg::isMmsHeader(file.lines.first()))
        return 0;
    const MmsNetCfgRead read = MmsNetCfg::parse(file.lines, path);
    if (!read.status) {
        FUZZ_CHECK(file.lines.size() < MmsNetCfg::lineCount);
        FUZZ_CHECK(read.values == MmsNetCfgValues());
        FUZZ_CHECK(read.status.message.contains(QDir::toNativeSeparators(path)));
        return 0;
    }
    const QStringList written = MmsNetCfg::lines(read.values);
    FUZZ_CHECK(written.size() == MmsNetCfg::lineCount);
    FUZZ_CHECK(MmsNetCfg::isMmsHeader(written.first()));
    const MmsNetCfgRead again = MmsNetCfg::parse(fuzz::throughFile(written), path);
    FUZZ_CHECK(again.status);
    FUZZ_CHECK(again.values == read.values);
    return 0;
}
