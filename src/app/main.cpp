#include "app/FormDefinitions.h"
#include "app/Language.h"
#include "app/ParentConsole.h"
#include "ui/Forms.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Without a display Qt would print a page of plugin warnings and abort; one
// clear line is more use.
bool displayAvailable()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const auto set = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

const char help[] = "Usage: rx20-setting-tools [Qt options]\n"
                    "Writes the settings files an RX20 cellular camera reads from its memory card\n"
                    "(MMS.INI, NET.CFG, CAMERA.CFG) from what is chosen and typed in its windows.\n"
                    "\n"
                    "Options:\n"
                    "  -h, --help        Print this text and exit.\n"
                    "  --version         Print the version and exit.\n"
                    "  --language CODE   Speak this language instead of the desktop's: cs, de,\n"
                    "                    en, es, fi, fr, hu, it, pt, sl or zh_CN. The files\n"
                    "                    written are the same in every language.\n"
                    "Any other option is one every Qt program takes, such as -platform xcb.\n"
                    "\n"
                    "rx20-config(1) writes, shows and checks the same files from a script.\n";

// Answered before Qt starts, so they need no display.
bool answered(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            rx20::useParentConsole();
            std::fputs(help, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            rx20::useParentConsole();
            std::printf("rx20-setting-tools %s\n", RX20_VERSION);
            return true;
        }
    }
    return false;
}

// The language --language names ("--language de" or "--language=de"): empty
// when the option is not given, "?" when it names no language the program speaks.
QString languageOption(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const char *value = nullptr;
        if (std::strcmp(argv[i], "--language") == 0)
            value = i + 1 < argc ? argv[i + 1] : "";
        else if (std::strncmp(argv[i], "--language=", 11) == 0)
            value = argv[i] + 11;
        if (value)
            return rx20::Language::match(QString::fromLocal8Bit(value))
                .value_or(QStringLiteral("?"));
    }
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    if (answered(argc, argv))
        return 0;
    const QString language = languageOption(argc, argv);
    if (language == QLatin1String("?")) {
        rx20::useParentConsole();
        // Named from the list the program speaks, so that it cannot fall behind.
        QStringList codes = rx20::Language::codes();
        codes.sort();
        std::fprintf(stderr, "rx20-setting-tools: --language takes one of %s.\n",
                     qPrintable(codes.join(QLatin1String(", "))));
        return 2;
    }
    if (!displayAvailable()) {
        std::fputs("rx20-setting-tools: no display to show the window on (DISPLAY is not set).\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);

    // The windows and Qt's own dialogs speak the first of the desktop's
    // languages the program has, unless told otherwise.
    rx20::Language::use(language.isEmpty() ? rx20::Language::choose(QLocale::system().uiLanguages())
                                           : language);

    rx20::defineForms();
    rx20::ui::Forms::show(QStringLiteral("Form1"));
    return app.exec();
}
