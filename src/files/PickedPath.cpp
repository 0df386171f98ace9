#include "files/PickedPath.h"

#include "files/CodePage.h"

#include <QDir>

namespace rx20 {

QString PickedPath::boxText(const std::optional<QString> &folder)
{
    if (!folder || folder->isEmpty())
        return {};
    QString text = QDir::toNativeSeparators(*folder);
    if (CodePage::encode(text, CodePage::systemName()).size() > maxPathBytes)
        return {};
    const QChar separator = QDir::separator();
    if (!text.endsWith(separator))
        text += separator;
    return text + QStringLiteral("NET.CFG");
}

} // namespace rx20
