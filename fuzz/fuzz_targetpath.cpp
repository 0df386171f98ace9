// Where Generate writes for a path box's text.
#include "FuzzSupport.h"

#include "files/TargetPath.h"

#include <algorithm>

using namespace rx20;

namespace {

bool isSeparator(QChar c)
{
#ifdef Q_OS_WIN
    return c == QLatin1Char('\\');
#else
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
#endif
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(fuzz::bytes(data, size));
    const QString fileName = QStringLiteral("NET.CFG");

    // The folder part is the text up to and including its last separator.
    const QString folder = TargetPath::folderPart(text);
    FUZZ_CHECK(text.startsWith(folder));
    FUZZ_CHECK(folder.isEmpty() || isSeparator(folder.back()));
    const QString rest = text.mid(folder.size());
    FUZZ_CHECK(std::none_of(rest.begin(), rest.end(), isSeparator));

    const QString target = TargetPath::resolve(text, fileName);
    FUZZ_CHECK(target == folder + fileName);
    // A second resolve of the target lands on the same file.
    FUZZ_CHECK(TargetPath::resolve(target, fileName) == target);
    return 0;
}
