#include "app/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace rx20 {

namespace {

const struct
{
    const char *code;
    QLocale::Language language;
    const char *name; // the language box's own spelling
} languages[] = {
    {"en", QLocale::English, "English"},      {"zh_CN", QLocale::Chinese, "中文"},
    {"cs", QLocale::Czech, "Cesky"},          {"de", QLocale::German, "Deutsch"},
    {"es", QLocale::Spanish, "Espanol"},      {"it", QLocale::Italian, "Italiano"},
    {"fr", QLocale::French, "Francais"},      {"hu", QLocale::Hungarian, "Magyar"},
    {"pt", QLocale::Portuguese, "Portugues"}, {"sl", QLocale::Slovenian, "Slovensko"},
    {"fi", QLocale::Finnish, "Suomi"},
};

QString &inUse()
{
    static QString code = QStringLiteral("en");
    return code;
}

// Qt's own texts (the folder browser's buttons): from Qt's translations, or
// from a translations folder beside the program where Qt is shipped with it
// (Windows).
void loadQtTexts(QTranslator &translator, const QString &code)
{
    const QStringList folders{
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    // The user's own variant where it is this language (Portugal's
    // Portuguese, not Brazil's), the language's usual one otherwise.
    const QLocale system = QLocale::system();
    const QLocale locale = Language::match(system.name()) == code ? system : QLocale(code);
    for (const QString &folder : folders) {
        if (translator.load(locale, QStringLiteral("qt"), QStringLiteral("_"), folder)
            || translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder))
            return;
    }
}

} // namespace

QStringList Language::codes()
{
    QStringList all;
    for (const auto &language : languages)
        all << QString::fromLatin1(language.code);
    return all;
}

std::optional<QString> Language::match(const QString &tag)
{
    const QLocale locale(tag);
    // Only Simplified Chinese is translated; Taiwan and Hong Kong read the
    // Traditional script.
    if (locale.language() == QLocale::Chinese && locale.script() != QLocale::SimplifiedHanScript)
        return std::nullopt;
    for (const auto &language : languages) {
        if (language.language == locale.language())
            return QString::fromLatin1(language.code);
    }
    return std::nullopt;
}

QString Language::choose(const QStringList &uiLanguages)
{
    for (const QString &tag : uiLanguages) {
        if (const std::optional<QString> code = match(tag))
            return *code;
    }
    return QStringLiteral("en");
}

void Language::use(const QString &code)
{
    static QTranslator program;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&qt);
    inUse() = QStringLiteral("en");
    if (!codes().contains(code) || code == QLatin1String("en"))
        return;
    // Built into the program, so nothing can go missing beside it.
    if (program.load(QStringLiteral(":/i18n/rx20_%1.qm").arg(code))) {
        QCoreApplication::installTranslator(&program);
        inUse() = code;
    }
    loadQtTexts(qt, code);
    if (!qt.isEmpty())
        QCoreApplication::installTranslator(&qt);
}

QString Language::current()
{
    return inUse();
}

QString Language::name(const QString &code)
{
    for (const auto &language : languages) {
        if (code == QLatin1String(language.code))
            return QString::fromUtf8(language.name);
    }
    return name(QStringLiteral("en"));
}

} // namespace rx20
