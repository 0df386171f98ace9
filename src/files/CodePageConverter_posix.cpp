#include "files/CodePageConverter.h"

#include "files/CodePage.h"

#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>

namespace rx20 {

struct CodePageConverter::State
{
    QByteArray name;
    std::optional<QStringEncoder> encoder;
};

CodePageConverter::CodePageConverter(const QByteArray &codePage)
    : d(new State{codePage, std::nullopt})
{
}

CodePageConverter::~CodePageConverter() = default;

bool CodePageConverter::isValid() const
{
    // The encoder that converts is the one asked (a code page that encodes
    // decodes too): opening a converter is the dear part.
    if (!d->encoder)
        d->encoder.emplace(d->name.constData(), QStringConverter::Flag::Stateless);
    return d->encoder->isValid();
}

std::optional<QByteArray> CodePageConverter::encode(QStringView text)
{
    // Stateless: a high surrogate at the end is a character that fails, not
    // one held back for a next call that never comes. An encoder serves until
    // a character fails (its error sticks): opening one per character would
    // cost a second for a megabyte. It is made in place: a moved encoder stops
    // reporting failures.
    if (!d->encoder)
        d->encoder.emplace(d->name.constData(), QStringConverter::Flag::Stateless);
    QByteArray bytes = d->encoder->encode(text);
    if (d->encoder->hasError() || (bytes.isEmpty() && !text.isEmpty())) {
        d->encoder.reset();
        return std::nullopt;
    }
    return bytes;
}

QString CodePageConverter::decode(const QByteArray &bytes) const
{
    QStringDecoder decoder(d->name.constData());
    return decoder.decode(bytes);
}

QByteArray CodePageConverter::systemName()
{
    // No system code page here: the one Windows would use for the locale.
    return CodePage::nameForLocale(QLocale::system());
}

} // namespace rx20
