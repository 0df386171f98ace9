#include "support/WorkingFolder.h"

#include <QDir>
#include <QFile>

namespace rx20::test {

WorkingFolder::WorkingFolder()
    : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
}

WorkingFolder::~WorkingFolder()
{
    QDir::setCurrent(m_previous);
}

QByteArray WorkingFolder::read(const QString &name) const
{
    QFile f(QDir(path()).filePath(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool WorkingFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(QDir(path()).filePath(name));
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace rx20::test
