// The main window's content drawn with plain Qt and none of the program's
// code: the same size, flags, labels, fonts, colours, two disabled drop-downs
// and the logo. What the program spends beyond this is its own.
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace {

// The main window is laid out in twips; 15 twips are a pixel at 96 dpi.
QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

QFont timesNewRoman(double points, bool italic = false)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(points);
    font.setBold(true);
    font.setItalic(italic);
    return font;
}

QLabel *label(QWidget *parent, const QString &text, double points, QRect where, bool italic = false)
{
    auto *caption = new QLabel(text, parent);
    caption->setFont(timesNewRoman(points, italic));
    caption->setGeometry(where);
    return caption;
}

QComboBox *dropDown(QWidget *parent, const QStringList &items, const QString &text, QRect where)
{
    auto *list = new QComboBox(parent);
    list->setEditable(true);
    list->addItems(items);
    list->setEditText(text);
    list->setGeometry(where);
    list->setEnabled(false);
    return list;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("Camera Setting Tool"));
    window.setFixedSize(774, 570);
    window.setAutoFillBackground(true);
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Highlight));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::HighlightedText));
    window.setPalette(colours);

    auto *logo = new QLabel(&window);
    logo->setPixmap(QPixmap(QStringLiteral(":/reference/logo.jpg")));
    logo->setAlignment(Qt::AlignCenter);
    logo->setGeometry(twips(10560, 240, 735, 735));
    label(&window, QStringLiteral("Orvane"), 36, twips(720, 720, 7000, 1200), true);
    label(&window, QStringLiteral("Version 01.01.03"), 14, twips(720, 2040, 6000, 480));
    label(&window, QStringLiteral("Camera"), 14, twips(720, 3360, 2000, 480));
    dropDown(&window, {"RX12", "RX14", "RX15"}, QStringLiteral("RX10"),
             twips(2880, 3300, 2640, 480));
    label(&window, QStringLiteral("Language"), 14, twips(720, 4200, 2000, 480));
    dropDown(&window,
             {QString::fromUtf8("中文"), "Cesky", "Deutsch", "English", "Espanol", "Italiano",
              "Francais", "Lingua", "Magyar", "Portugues", "Slovensko", "Suomi"},
             QStringLiteral("English"), twips(2880, 4140, 2640, 480));

    auto *panel = new QFrame(&window);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    panel->setGeometry(twips(7920, 6240, 3000, 1600));
    QLabel *link = label(panel, QString(91, ' ') + QStringLiteral("MMS Setting"), 14.25,
                         twips(0, 0, 3015, 1575));
    link->setWordWrap(true);
    link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    link->setCursor(Qt::PointingHandCursor);
    link->setAutoFillBackground(true);
    QPalette blue = link->palette();
    blue.setColor(QPalette::Window, blue.color(QPalette::Base));
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    link->setPalette(blue);

    window.move(5000 / 15, 2000 / 15);
    window.show();
    return app.exec();
}
