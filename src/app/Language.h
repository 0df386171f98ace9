#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace rx20 {

// The languages the windows speak: English, their own, and the ten whose
// translations the program carries. Files and rx20-config stay in English
// whatever the choice.
class Language
{
public:
    // The codes of the languages, English first ("en", "zh_CN", "cs", ...).
    static QStringList codes();

    // The language a tag such as "de-AT", "zh-Hans-CN" or "pt_BR" names, when
    // the program speaks it; nothing for any other tag.
    static std::optional<QString> match(const QString &tag);

    // The first of the user's interface languages (most wanted first) that
    // the program speaks, English when it speaks none of them.
    static QString choose(const QStringList &uiLanguages);

    // Puts the windows' and Qt's own texts into a language of codes(): from
    // then on every window made speaks it.
    static void use(const QString &code);

    // The language in use: "en" until use() is called.
    static QString current();

    // Its name as the main window's language box spells it ("Deutsch", "中文").
    static QString name(const QString &code);
};

} // namespace rx20
