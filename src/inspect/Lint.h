#pragma once

#include "inspect/Document.h"

#include <QList>
#include <QString>

namespace rx20::inspect {

struct Finding
{
    int line = 0; // counted from 1; 0 for the file as a whole
    QString rule; // a stable word: "lines", "section", "key", "line-end", "required", ...
    QString message;
};

// What a careful installer looks for before a card goes into a camera: the
// layout (line count, section, keys in order, CR LF line ends), the values a
// window insists on (an MMS.INI without APN or URL cannot send), and values
// that cannot be right (a port that is no number or out of range, in its
// own line or a URL, an MMS server URL without scheme or host, an APN or
// account with a blank or a character no network name has, an IP or e-mail
// address of the wrong shape, a SSL flag that is neither 0 nor 1, two copies
// of one value that differ).
class Lint
{
public:
    static QList<Finding> check(const Document &document);

    static bool isPort(const QString &text);
    // A dotted IPv4 address or a host name (the catalogue names some proxies by name).
    static bool isHost(const QString &text);
    static bool isEmailAddress(const QString &text);
    // What the camera can fetch from: http:// or https://, a host, then an
    // optional port (1-65535) and path ("http:/host" and "htp://host" are not).
    static bool isServerUrl(const QString &text);
};

} // namespace rx20::inspect
