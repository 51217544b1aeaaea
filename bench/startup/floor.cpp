// The floor: the least a Qt 6 Widgets program does to show a window of
// Wagelyn's size. Wagelyn's start-up is measured against it.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.setFixedSize(595, 537 + 23);  // Wagelyn's client area and menu bar
    window.show();
    return QApplication::exec();
}
