#include "app/MainWindow.h"

#include "app/LinkLabel.h"
#include "ui/DropDown.h"
#include "ui/Forms.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>

namespace rx20 {

using ui::DropDown;
using ui::Twips;

namespace {

QFont timesNewRoman(double points, bool italic = false)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(points);
    font.setBold(true);
    font.setItalic(italic);
    return font;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : BorderlessForm(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Camera Setting Tool"));
    setSizeInTwips(11610, 8550);

    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Highlight));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::HighlightedText));
    setPalette(colours);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(QPixmap(QStringLiteral(":/app/logo.jpg")));
    Picture1->setAlignment(Qt::AlignCenter);
    Twips::place(Picture1, 10560, 240, 735, 735);

    Label1 = new QLabel(QStringLiteral("Orvane"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(timesNewRoman(36, true));
    Twips::place(Label1, 720, 720, 7000, 1200);

    Label7 = new QLabel(QStringLiteral("Version 01.01.03"), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setFont(timesNewRoman(14));
    Twips::place(Label7, 720, 2040, 6000, 480);

    Label3 = new QLabel(QStringLiteral("Camera"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(timesNewRoman(14));
    Twips::place(Label3, 720, 3360, 2000, 480);

    Combo2 = new DropDown(QStringLiteral("Combo2"), DropDown::Editable, this);
    Combo2->replaceItems({QStringLiteral("RX12"), QStringLiteral("RX14"), QStringLiteral("RX15")},
                      QStringLiteral("RX10"));
    Twips::place(Combo2, 2880, 3300, 2640, 480);

    Label2 = new QLabel(QStringLiteral("Language"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(timesNewRoman(14));
    Twips::place(Label2, 720, 4200, 2000, 480);

    Combo1 = new DropDown(QStringLiteral("Combo1"), DropDown::Editable, this);
    Combo1->replaceItems({QString::fromUtf8("中文"), QStringLiteral("Cesky"), QStringLiteral("Deutsch"),
                       QStringLiteral("English"), QStringLiteral("Espanol"),
                       QStringLiteral("Italiano"), QStringLiteral("Francais"),
                       QStringLiteral("Lingua"), QStringLiteral("Magyar"),
                       QStringLiteral("Portugues"), QStringLiteral("Slovensko"),
                       QStringLiteral("Suomi")},
                      QStringLiteral("English"));
    Twips::place(Combo1, 2880, 4140, 2640, 480);

    Frame3 = new QFrame(this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame3->setFrameShape(QFrame::NoFrame);
    Frame3->setAutoFillBackground(true);
    QPalette white = Frame3->palette();
    white.setColor(QPalette::Window, Qt::white);
    Frame3->setPalette(white);
    Twips::place(Frame3, 7920, 6240, 3000, 1600);

    // The link covers its whole panel; its caption starts with spaces that
    // push the visible words away from the panel's corner.
    Label5 = new LinkLabel(Frame3);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setText(QString(leadingSpaces, QLatin1Char(' ')) + QStringLiteral("GPRS Settings"));
    Label5->setWordWrap(true);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label5->setFont(timesNewRoman(14.25));
    Label5->setCursor(Qt::PointingHandCursor);
    Label5->setAutoFillBackground(true);
    QPalette link = Label5->palette();
    link.setColor(QPalette::Window, link.color(QPalette::Base));
    link.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label5->setPalette(link);
    Twips::place(Label5, 0, 0, 3015, 1575);
    connect(Label5, &LinkLabel::clicked, this, &MainWindow::Label5_Click);

    Form_Load();
}

void MainWindow::Form_Load()
{
    Label5->setText(QString(leadingSpaces, QLatin1Char(' ')) + QStringLiteral("MMS Setting"));
    moveToTwips(5000, 2000);
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
