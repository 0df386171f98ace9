#include "ui/StorableText.h"

#include "files/SettingsFile.h"
#include "ui/MessageBox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

namespace rx20::ui {

bool StorableText::check(QWidget *window, std::initializer_list<const QWidget *> boxes)
{
    QList<std::pair<QString, QString>> fields;
    for (const QWidget *box : boxes) {
        const auto *line = qobject_cast<const QLineEdit *>(box);
        const auto *dropDown = qobject_cast<const QComboBox *>(box);
        const QString text = line ? line->text() : dropDown ? dropDown->currentText() : QString();
        // Boxes are named for screen readers by their label's caption.
        const QString label =
            box->accessibleName().isEmpty() ? box->objectName() : box->accessibleName();
        fields.append(
            {QCoreApplication::translate("rx20::ui::StorableText", "The %1 box").arg(label), text});
    }
    const QString refused = SettingsFile::unstorable(fields);
    if (!refused.isEmpty())
        MessageBox::show(window, refused);
    return refused.isEmpty();
}

} // namespace rx20::ui
