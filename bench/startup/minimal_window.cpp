// The yardstick for start-up: a plain Qt Widgets window that quits as soon as
// it has been painted and the event loop is idle.
#include "bench/startup/quit_when_painted.h"

#include <QApplication>
#include <QPushButton>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QuitWhenPainted quit([] { QApplication::quit(); });
    QPushButton window("Hello");
    window.resize(550, 511);
    window.show();
    return app.exec();
}
