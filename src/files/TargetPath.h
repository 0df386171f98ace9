#pragma once

#include <QString>

namespace rx20 {

// Where Generate writes: the path box's text up to and including its last
// separator, then the window's own file name. Without a separator the bare
// file name is used, which lands in the working directory.
class TargetPath
{
public:
    static QString folderPart(const QString &pathText);
    static QString resolve(const QString &pathText, const QString &fileName);
};

} // namespace rx20
