// The yardstick for start-up: a plain Qt Widgets window that quits as soon as
// it is shown and the event loop is idle.
#include <QApplication>
#include <QPushButton>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QPushButton window("Hello");
    window.resize(550, 511);
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
