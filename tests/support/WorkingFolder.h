#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

namespace rx20::test {

// A fresh temporary folder that is the working directory while this object
// lives; the previous working directory comes back afterwards.
class WorkingFolder
{
public:
    WorkingFolder();
    ~WorkingFolder();

    QString path() const { return m_dir.path(); }
    // As the user types it: with "\" on Windows.
    QString file(const QString &name) const
    {
        return QDir::toNativeSeparators(m_dir.filePath(name));
    }

    QByteArray read(const QString &name) const;
    bool write(const QString &name, const QByteArray &bytes) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

} // namespace rx20::test
