// talven-screenshot FILE.png [SCALE]: renders the main window as it opens
// to FILE.png, without a display, at device pixel ratio SCALE (1 by default).
#include "app/Program.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QPixmap>
#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2)
        qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: talven-screenshot FILE.png [SCALE]\n");
        return 2;
    }
    Fonts::registerSubstitutes();
    Program program;
    program.start();
    QApplication::processEvents();
    const QPixmap picture = program.window().grab();
    if (!picture.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "talven-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
