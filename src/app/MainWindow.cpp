#include "app/MainWindow.h"

#include "app/Language.h"
#include "ui/Forms.h"

namespace rx20 {

MainWindow::MainWindow(QWidget *parent)
    : BorderlessForm(parent)
{
    setupUi(this);
    useHighlightColours();
    // The link's background is the system's window colour.
    QPalette link = Label5->palette();
    link.setColor(QPalette::Window, link.color(QPalette::Base));
    Label5->setPalette(link);

    connect(Label5, &ui::LinkLabel::clicked, this, &MainWindow::Label5_Click);
    Form_Load();
}

void MainWindow::Form_Load()
{
    // The caption's leading spaces push the words away from the panel's corner.
    Label5->setText(QString(leadingSpaces, QLatin1Char(' ')) + tr("MMS Setting"));
    moveToTwips(5000, 2000);
    // The box shows the language the windows speak; choosing another is not offered.
    Combo1->setText(Language::name(Language::current()));
    Combo1->setEnabled(false);
    Combo2->setEnabled(false);
    setKeyPreview(true);
}

void MainWindow::Label5_Click()
{
    ui::Forms::hide(QStringLiteral("Form1"));
    ui::Forms::show(QStringLiteral("Form5"));
}

} // namespace rx20
