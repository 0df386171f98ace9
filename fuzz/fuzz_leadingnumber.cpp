// The leading-number check of the camera settings window's number boxes.
#include "FuzzSupport.h"

#include "camera/LeadingNumber.h"

#include <QRegularExpression>

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

using namespace rx20;

namespace {

// The number at the text's start, the same way worked out with the C library
// where a double is exact enough to tell a half from its neighbours: at most
// 15 significant digits and a moderate exponent. Nothing when it cannot tell.
std::optional<std::optional<qint16>> reference(const QString &input)
{
    QString text = input;
    text.remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(?:([0-9]+)(?:\\.([0-9]*))?|\\.([0-9]+))(?:[eE]([+-]?[0-9]{1,4}))?"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::optional<qint16>(0);
    QString significant = match.captured(1) + match.captured(2) + match.captured(3);
    while (significant.startsWith(QLatin1Char('0')))
        significant.remove(0, 1);
    while (significant.endsWith(QLatin1Char('0')))
        significant.chop(1);
    // A longer exponent than the pattern takes may still follow.
    const QStringView after = QStringView(text).mid(match.capturedLength());
    if (significant.size() > 15 || (!after.isEmpty() && after.front().isDigit()))
        return std::nullopt;

    const double value = std::strtod(match.captured(0).toLatin1().constData(), nullptr);
    std::fesetround(FE_TONEAREST);
    const double whole = std::nearbyint(value); // a half goes to the even neighbour
    if (whole < std::numeric_limits<qint16>::min() || whole > std::numeric_limits<qint16>::max())
        return std::optional<qint16>();
    return std::optional<qint16>(qint16(whole));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(fuzz::bytes(data, size));
    const std::optional<qint16> number = LeadingNumber::read(text);

    if (const auto expected = reference(text))
        FUZZ_CHECK(number == *expected);

    // The range check agrees with the number, at both ends of the hour box.
    FUZZ_CHECK(LeadingNumber::isWithin(text, 0, 23) == (number && *number >= 0 && *number <= 23));
    FUZZ_CHECK(LeadingNumber::isWithin(text, -32768, 32767) == number.has_value());

    // Blanks and tabs anywhere do not count.
    QString spaced = text;
    spaced.replace(QLatin1Char('1'), QStringLiteral(" 1\t"));
    FUZZ_CHECK(LeadingNumber::read(QLatin1Char(' ') + spaced) == number);
    return 0;
}
