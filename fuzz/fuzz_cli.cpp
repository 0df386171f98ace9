// rx20-config show and check on any file. The first input byte picks the
// file's name (which helps recognise its kind), an optional --kind and --json.
#include "FuzzSupport.h"

#include "cli/CheckCommand.h"
#include "cli/Console.h"
#include "cli/ShowCommand.h"
#include "inspect/Layout.h"

#include <QDir>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>

using namespace rx20;

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run run(cli::Command &&command, const QStringList &arguments)
{
    Run result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    cli::Console console(out, err);
    result.status = command.run(arguments, console);
    out.flush();
    err.flush();
    return result;
}

bool isJsonObject(const QString &text)
{
    QJsonParseError error{};
    return QJsonDocument::fromJson(text.toUtf8(), &error).isObject()
           && error.error == QJsonParseError::NoError;
}

// A control character other than the line ends of the output itself.
bool holdsControl(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c != QLatin1Char('\n')
               && (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0));
    });
}

QStringList outputLines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    FUZZ_CHECK(lines.constLast().isEmpty()); // every line is ended
    lines.removeLast();
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t mode = data[0];
    static const QString names[] = {QStringLiteral("NET.CFG"), QStringLiteral("MMS.INI"),
                                    QStringLiteral("CAMERA.CFG"), QStringLiteral("SETTINGS.TXT")};
    const QString path = fuzz::scratchFile(fuzz::bytes(data + 1, size - 1), names[mode & 3]);
    QStringList arguments{path};
    const int kind = (mode >> 2) & 7;
    if (kind < inspect::Layout::kinds().size())
        arguments << QStringLiteral("--kind")
                  << inspect::Layout::of(inspect::Layout::kinds().at(kind)).name();
    const bool json = mode & 0x20;
    if (json)
        arguments << QStringLiteral("--json");

    const Run show = run(cli::ShowCommand(), arguments);
    const Run check = run(cli::CheckCommand(), arguments);
    FUZZ_CHECK(show.status == cli::Exit::Success || show.status == cli::Exit::Usage);
    FUZZ_CHECK(check.status >= cli::Exit::Success && check.status <= cli::Exit::Usage);

    // A file show cannot take is one check cannot take either; each says so
    // in one line and prints nothing else.
    FUZZ_CHECK((show.status == cli::Exit::Usage) == (check.status == cli::Exit::Usage));
    if (show.status == cli::Exit::Usage) {
        for (const Run &failed : {show, check}) {
            // With --json the one line is {"error": ...} among the results.
            const QString &said = json ? failed.out : failed.err;
            FUZZ_CHECK((json ? failed.err : failed.out).isEmpty());
            FUZZ_CHECK(outputLines(said).size() == 1);
            FUZZ_CHECK(!json || isJsonObject(said));
            FUZZ_CHECK(!holdsControl(said));
        }
        return 0;
    }

    if (json) {
        FUZZ_CHECK(isJsonObject(show.out) && !holdsControl(show.out));
        FUZZ_CHECK(isJsonObject(check.out) && !holdsControl(check.out));
        return 0;
    }
    // Whatever the file holds reaches the terminal escaped.
    FUZZ_CHECK(!holdsControl(show.out) && !holdsControl(check.out));
    for (const QString &line : outputLines(show.out))
        FUZZ_CHECK(line.contains(QLatin1Char('=')));
    // check passes a file exactly when it ends with its "ok" line; notes of
    // newer preset values may come before it, findings may not.
    const QString file = QDir::toNativeSeparators(path);
    const QStringList printed = outputLines(check.out);
    FUZZ_CHECK(!printed.isEmpty());
    const QRegularExpression note(
        QStringLiteral("^%1(:[0-9]+)?: note: ").arg(QRegularExpression::escape(file)));
    const bool ok = printed.constLast().startsWith(file + QStringLiteral(": ok ("))
                    && std::all_of(printed.cbegin(), printed.cend() - 1, [&](const QString &line) {
                           return note.match(line).hasMatch();
                       });
    FUZZ_CHECK(ok == (check.status == cli::Exit::Success));
    return 0;
}
