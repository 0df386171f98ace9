#include "camera/LeadingNumber.h"

#include <limits>

namespace rx20 {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Beyond this the exponent cannot change the outcome: any number with a
// significant digit that far up does not fit, that far down rounds to 0.
constexpr qint64 exponentCap = 1'000'000'000;

} // namespace

std::optional<qint16> LeadingNumber::read(const QString &input)
{
    QString text;
    text.reserve(input.size());
    for (const QChar c : input) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t'))
            text.append(c);
    }

    qsizetype i = 0;
    const qsizetype size = text.size();
    bool negative = false;
    if (i < size && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }

    // The digits without leading zeros, and how many of them stand before
    // the decimal point (negative when zeros follow the point first).
    QString digits;
    qint64 pointAt = 0;
    bool anyDigit = false;
    for (; i < size && isDigit(text.at(i)); ++i) {
        anyDigit = true;
        if (digits.isEmpty() && text.at(i) == QLatin1Char('0'))
            continue;
        digits.append(text.at(i));
        ++pointAt;
    }
    if (i < size && text.at(i) == QLatin1Char('.')) {
        qsizetype j = i + 1;
        for (; j < size && isDigit(text.at(j)); ++j) {
            anyDigit = true;
            if (digits.isEmpty() && text.at(j) == QLatin1Char('0')) {
                --pointAt;
                continue;
            }
            digits.append(text.at(j));
        }
        i = j;
    }
    if (!anyDigit)
        return qint16(0);

    // An exponent counts only when at least one digit follows the E and its sign.
    if (i < size && (text.at(i) == QLatin1Char('E') || text.at(i) == QLatin1Char('e'))) {
        qsizetype j = i + 1;
        bool exponentNegative = false;
        if (j < size && (text.at(j) == QLatin1Char('+') || text.at(j) == QLatin1Char('-'))) {
            exponentNegative = text.at(j) == QLatin1Char('-');
            ++j;
        }
        qint64 exponent = 0;
        bool exponentDigits = false;
        for (; j < size && isDigit(text.at(j)); ++j) {
            exponentDigits = true;
            exponent = qMin(exponent * 10 + text.at(j).digitValue(), exponentCap);
        }
        if (exponentDigits)
            pointAt += exponentNegative ? -exponent : exponent;
    }

    if (digits.isEmpty())
        return qint16(0);
    // 100000 and more cannot round into 16 bits.
    if (pointAt > 5)
        return std::nullopt;

    qint64 whole = 0;
    for (qint64 k = 0; k < pointAt; ++k) {
        const qsizetype at = qsizetype(k);
        whole = whole * 10 + (at < digits.size() ? digits.at(at).digitValue() : 0);
    }

    // Round on the first dropped digit; a 5 with nothing after it is a half.
    if (pointAt >= 0 && pointAt < digits.size()) {
        const qsizetype first = qsizetype(pointAt);
        const int dropped = digits.at(first).digitValue();
        bool moreAfter = false;
        for (qsizetype k = first + 1; k < digits.size() && !moreAfter; ++k)
            moreAfter = digits.at(k) != QLatin1Char('0');
        if (dropped > 5 || (dropped == 5 && (moreAfter || whole % 2 == 1)))
            ++whole;
    }

    const qint64 value = negative ? -whole : whole;
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(value);
}

bool LeadingNumber::isWithin(const QString &text, int low, int high)
{
    const std::optional<qint16> number = read(text);
    return number && *number >= low && *number <= high;
}

} // namespace rx20
