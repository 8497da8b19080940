// Saves a picture of the whole X screen (the display in DISPLAY) to a PNG,
// for looking at the running application under Xvfb.
//
//   grab_screen <output.png>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.png>\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "could not grab the screen into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
