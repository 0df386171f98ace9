#include "ui/DropDown.h"

#include <QLineEdit>

#include <limits>

namespace rx20::ui {

DropDown::DropDown(QWidget *parent)
    : QComboBox(parent)
{
}

DropDown::DropDown(const QString &name, Kind kind, QWidget *parent)
    : DropDown(parent)
{
    setObjectName(name);
    setEditable(kind == Editable);
}

void DropDown::setEditable(bool editable)
{
    QComboBox::setEditable(editable);
    if (!editable)
        return;
    lineEdit()->setMaxLength(std::numeric_limits<int>::max()); // values have no length limit
    // Return must not add the typed text to the list or pick an item, and
    // no completer may turn typing into a pick.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // QComboBox picks the matching item when editing finishes (Return or
    // focus leaving) and reports it as activated; a typed text is not a pick.
    disconnect(lineEdit(), &QLineEdit::editingFinished, nullptr, nullptr);
    setCurrentIndex(-1);
}

void DropDown::replaceItems(const QStringList &items, const QString &text)
{
    clearList();
    for (const QString &item : items)
        appendItem(item);
    setText(text);
}

void DropDown::setText(const QString &text)
{
    if (isEditable()) {
        setEditText(text);
    } else {
        setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
}

void DropDown::clearList()
{
    clear();
    if (isEditable())
        setEditText(QString());
}

void DropDown::appendItem(const QString &item)
{
    if (!isEditable()) {
        addItem(item);
        return;
    }
    // Adding the first item would make it the current one and show it.
    const QString kept = currentText();
    const bool wasEmpty = count() == 0;
    addItem(item);
    if (wasEmpty) {
        setCurrentIndex(-1);
        setEditText(kept);
    }
}

} // namespace rx20::ui
