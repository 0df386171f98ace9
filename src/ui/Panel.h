#pragma once

#include <QFrame>

namespace rx20::ui {

// A frame that only holds controls. Screen readers meet it as a panel: a
// plain frame is reported to them in the role of a window, and a reader
// then keeps quiet about the controls inside it.
class Panel : public QFrame
{
    Q_OBJECT

public:
    explicit Panel(QWidget *parent = nullptr);
};

} // namespace rx20::ui
