// MMS.INI as the wireless settings window reads it.
#include "FuzzSupport.h"

#include "wireless/MmsIni.h"

#include <QDir>

using namespace rx20;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = fuzz::scratchFile(fuzz::bytes(data, size), MmsIni::fileName());
    const MmsIniRead read = MmsIni::read(path);
    if (!read.status) {
        // A refused file changes no box and says which file it was.
        FUZZ_CHECK(read.values == MmsIniValues());
        FUZZ_CHECK(read.status.message.contains(QDir::toNativeSeparators(path)));
        return 0;
    }
    // Generate after Read writes a file that reads back as the same values.
    const QStringList written = MmsIni::lines(read.values);
    FUZZ_CHECK(written.size() == MmsIni::lineCount);
    const MmsIniRead again = MmsIni::parse(fuzz::throughFile(written), path);
    FUZZ_CHECK(again.status);
    FUZZ_CHECK(again.values == read.values);
    return 0;
}
