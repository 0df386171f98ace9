#pragma once

#include <QComboBox>
#include <QStringList>

namespace rx20::ui {

// A drop-down selector as the settings windows use it. The editable kind has
// a text part the user may type into; its list never changes that text by
// itself (appending items keeps it). Only picking a list item, with the mouse
// or the arrow keys, emits activated(): that is the control's Click event.
// Typing and setText() never do.
class DropDown : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    enum Kind { Editable, ChoiceOnly };

    explicit DropDown(QWidget *parent = nullptr);
    DropDown(const QString &name, Kind kind, QWidget *parent = nullptr);

    // Hides QComboBox::setEditable, which a form calls after adding its
    // design-time items: the editable kind starts with none of them picked.
    void setEditable(bool editable);

    // Replaces the list with these items, in order, then sets the text
    // (design-time contents, or a country's operators and preselection).
    void replaceItems(const QStringList &items, const QString &text);

    QString text() const { return currentText(); }
    void setText(const QString &text);

    // Removes every item; for the editable kind this also empties the text.
    void clearList();
    void appendItem(const QString &item);
};

} // namespace rx20::ui
