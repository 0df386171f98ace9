#include "files/CodePageConverter.h"

#include "files/CodePage.h"

#include <climits>

#include <windows.h>

namespace rx20 {

struct CodePageConverter::State
{
    UINT number;
};

CodePageConverter::CodePageConverter(const QByteArray &codePage)
    : d(new State{CodePage::windowsNumber(codePage)})
{
}

CodePageConverter::~CodePageConverter() = default;

bool CodePageConverter::isValid() const
{
    return d->number != 0 && IsValidCodePage(d->number);
}

std::optional<QByteArray> CodePageConverter::encode(QStringView text)
{
    if (text.isEmpty())
        return QByteArray();
    if (!isValid() || text.size() > INT_MAX / 4)
        return std::nullopt;
    // Without best fit: "ř" must fail in windows-1252, not become "r".
    const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
    QByteArray bytes(text.size() * 4, Qt::Uninitialized);
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(d->number, WC_NO_BEST_FIT_CHARS, wide, int(text.size()),
                                         bytes.data(), int(bytes.size()), nullptr, &usedDefault);
    if (size <= 0 || usedDefault)
        return std::nullopt;
    bytes.truncate(size);
    // Bytes that do not read back as the text are altered bytes, whatever
    // the converter said: they are refused, never written.
    if (decode(bytes) != text)
        return std::nullopt;
    return bytes;
}

QString CodePageConverter::decode(const QByteArray &bytes) const
{
    if (bytes.isEmpty() || !isValid() || bytes.size() > INT_MAX)
        return {};
    QString text(bytes.size(), Qt::Uninitialized);
    const int size =
        MultiByteToWideChar(d->number, 0, bytes.constData(), int(bytes.size()),
                            reinterpret_cast<wchar_t *>(text.data()), int(text.size()));
    text.truncate(qMax(size, 0));
    return text;
}

QByteArray CodePageConverter::systemName()
{
    // The user locale's own ANSI code page where the system's is UTF-8
    // ("Use Unicode UTF-8 for worldwide language support") or another one
    // the camera cannot read; 0 where the locale has none.
    DWORD localePage = 0;
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT,
                        LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<LPWSTR>(&localePage), sizeof localePage / sizeof(WCHAR))
        == 0)
        localePage = 0;
    return CodePage::ansiName(GetACP(), localePage);
}

} // namespace rx20
