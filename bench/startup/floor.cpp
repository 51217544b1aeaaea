// The floor: the least a Qt 6 Widgets program does to show a window of
// Wagelyn's size. Wagelyn's start-up is measured against it. With the
// argument "text" it also shows one line of text, so that the cost every
// window with text pays (Qt's font set-up) can be told apart.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.setFixedSize(595, 537 + 23);  // Wagelyn's client area and menu bar
    if (argc > 1 && std::strcmp(argv[1], "text") == 0) {
        auto* label = new QLabel(QStringLiteral("Annual Salary"), &window);
        label->move(20, 20);
    }
    window.show();
    return QApplication::exec();
}
