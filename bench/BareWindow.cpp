// The yardstick: a bare Qt window, shown the way the program shows its main window.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(774, 570); // the main window's size
    window.show();
    return app.exec();
}
