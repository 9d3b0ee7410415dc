// Painting the apparatus: the whole scene into an image at device pixel
// ratio 1 and 2, and one pump of the event queue with a repaint, as at every
// tick of the flow.
#include "app/Program.h"
#include "ui/ApparatusView.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <cstdio>

namespace {

template <typename F> double msPerRun(F run)
{
    constexpr int runs = 300;
    run(); // warm up: pictures rendered, fonts loaded
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        run();
    return double(timer.nsecsElapsed()) / 1e6 / runs;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Fonts::registerSubstitutes();
    Program program(QLocale(QLocale::Russian, QLocale::Russia));
    program.start();
    for (int press = 0; press < 8; ++press) { // columns, streams and vessel all showing
        program.form().Command2_Click();
        program.form().Command4_Click();
    }
    program.form().Command10_Click();
    QApplication::processEvents();
    ApparatusView *view = program.window().apparatus();

    for (qreal ratio : {1.0, 2.0}) {
        QImage image(view->size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        std::printf("paint scene, ratio %.0f        %8.3f ms\n", ratio,
                    msPerRun([&] { view->render(&image); }));
    }
    std::printf("update and pump              %8.3f ms\n", msPerRun([&] {
                    view->update();
                    QApplication::processEvents();
                }));
    std::printf("pump, nothing to do          %8.3f ms\n",
                msPerRun([] { QApplication::processEvents(); }));
    return 0;
}
