#include "ui/StorableText.h"

#include "files/CodePage.h"
#include "files/SettingsFile.h"
#include "ui/MessageBox.h"

#include <QComboBox>
#include <QLineEdit>

namespace rx20::ui {

bool StorableText::check(QWidget *window, std::initializer_list<const QWidget *> boxes)
{
    const QByteArray codePage = CodePage::systemName();
    // A code page this system cannot convert has a message of its own.
    if (!CodePage::isAvailable(codePage))
        return true;
    for (const QWidget *box : boxes) {
        const auto *line = qobject_cast<const QLineEdit *>(box);
        const auto *dropDown = qobject_cast<const QComboBox *>(box);
        const QString text = line ? line->text() : dropDown ? dropDown->currentText() : QString();
        const QString lost = CodePage::firstUnstorable(text, codePage);
        if (lost.isEmpty())
            continue;
        // Boxes are named for screen readers by their label's caption.
        const QString label =
            box->accessibleName().isEmpty() ? box->objectName() : box->accessibleName();
        MessageBox::show(window, SettingsFile::cannotStore(QStringLiteral("The %1 box").arg(label),
                                                           lost, codePage));
        return false;
    }
    return true;
}

} // namespace rx20::ui
