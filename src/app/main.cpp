#include "app/FormDefinitions.h"
#include "ui/Forms.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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
                    "  -h, --help     Print this text and exit.\n"
                    "  --version      Print the version and exit.\n"
                    "Any other option is one every Qt program takes, such as -platform xcb.\n"
                    "\n"
                    "rx20-config(1) writes, shows and checks the same files from a script.\n";

// Answered before Qt starts, so they need no display.
bool answered(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(help, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("rx20-setting-tools %s\n", RX20_VERSION);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (answered(argc, argv))
        return 0;
    if (!displayAvailable()) {
        std::fputs("rx20-setting-tools: no display to show the window on (DISPLAY is not set).\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);

    // Qt's own dialogs and buttons (the folder browser's) in the user's
    // language; the windows' own texts stay as they are.
    QTranslator qtTexts;
    const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qtTexts.load(QLocale::system(), QStringLiteral("qt"), QStringLiteral("_"), translations)
        || qtTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        translations))
        QCoreApplication::installTranslator(&qtTexts);

    rx20::defineForms();
    rx20::ui::Forms::show(QStringLiteral("Form1"));
    return app.exec();
}
