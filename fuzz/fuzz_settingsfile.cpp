// The settings file layer: decoding in a code page, splitting into lines and
// encoding lines back. The first input byte picks the code page.
#include "FuzzSupport.h"

#include <algorithm>
#include <iterator>

using namespace rx20;

namespace {

struct Page
{
    const char *name;
    bool singleByte;
};

const Page pages[] = {
    {"windows-1252", true}, {"windows-1250", true}, {"windows-1251", true}, {"windows-1253", true},
    {"windows-1254", true}, {"windows-1255", true}, {"windows-1256", true}, {"windows-1257", true},
    {"windows-1258", true}, {"windows-874", true},  {"GBK", false},         {"Big5", false},
    {"Shift_JIS", false},   {"EUC-KR", false},
};

// The lines as the file layer promises them: CR LF, CR and LF each end a
// line, and text after the last line end is a line of its own.
QStringList expectedLines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

qsizetype codePoints(const QString &text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++count) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const Page &page = pages[data[0] % std::size(pages)];
    const QByteArray input = fuzz::bytes(data + 1, size - 1);

    const QString text = CodePage::decode(input, page.name);
    const QStringList lines = SettingsFile::splitLines(text);
    FUZZ_CHECK(lines == expectedLines(text));

    for (const QString &line : lines) {
        FUZZ_CHECK(!fuzz::holdsLineBreak(line));
        // Once encoded, a line decodes and encodes to the same bytes again.
        const QByteArray once = CodePage::encode(line, page.name);
        FUZZ_CHECK(CodePage::encode(CodePage::decode(once, page.name), page.name) == once);
    }

    // Any text, whole surrogate pairs or not: every character the code page
    // lacks becomes one "?", so a single-byte page gives one byte for each.
    const QString any(reinterpret_cast<const QChar *>(input.constData()), input.size() / 2);
    const QByteArray encoded = CodePage::encode(any, page.name);
    if (page.singleByte)
        FUZZ_CHECK(encoded.size() == codePoints(any));

    // Lines with a line break or a character the system's code page lacks
    // are refused; others end in CR LF each.
    const QByteArray system = CodePage::systemName();
    const auto lacking = [&system](const QString &line) {
        return !CodePage::firstUnstorable(line, system).isEmpty();
    };
    QByteArray file;
    const FileStatus status = SettingsFile::encode(lines, &file);
    FUZZ_CHECK(bool(status) == std::none_of(lines.cbegin(), lines.cend(), lacking));
    FUZZ_CHECK(!status || file.endsWith("\r\n") || lines.isEmpty());
    FUZZ_CHECK(!SettingsFile::encode({any}, &file) == (fuzz::holdsLineBreak(any) || lacking(any)));
    // The character named is one the code page lacks on its own too.
    const QString first = CodePage::firstUnstorable(any, page.name);
    FUZZ_CHECK(first.isEmpty() || CodePage::firstUnstorable(first, page.name) == first);
    return 0;
}
