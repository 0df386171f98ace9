#include "files/TargetPath.h"

#include <QDir>

#include <algorithm>

namespace rx20 {

QString TargetPath::folderPart(const QString &pathText)
{
    // "\" is the camera's and Windows' separator; where "/" separates folders
    // (every system but Windows) it counts as well.
    qsizetype last = pathText.lastIndexOf(QLatin1Char('\\'));
    if (QDir::separator() == QLatin1Char('/'))
        last = std::max(last, pathText.lastIndexOf(QLatin1Char('/')));
    return pathText.left(last + 1);
}

QString TargetPath::resolve(const QString &pathText, const QString &fileName)
{
    return folderPart(pathText) + fileName;
}

} // namespace rx20
