#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace rx20 {

// The number a number box starts with, as the camera settings window checks
// it: blanks and tabs anywhere are skipped; an optional sign, digits, an
// optional decimal point with digits and an optional exponent (E or e, an
// optional sign, digits) are read up to the first character that cannot
// continue the number. A text that does not start with a number counts as 0.
class LeadingNumber
{
public:
    // The number rounded to a whole one, a half going to the even neighbour,
    // or nothing when that whole number does not fit in 16 bits.
    static std::optional<qint16> read(const QString &text);

    // Whether the text's number lies in low..high; a number that does not fit
    // in 16 bits never does.
    static bool isWithin(const QString &text, int low, int high);
};

} // namespace rx20
