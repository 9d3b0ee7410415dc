// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Painting the whole apparatus into an image at device pixel ratio 1 and 2,
// against filling the same image with the background alone.
#include "app/Program.h"
#include "app/RealHost.h"
#include "bench/Bench.h"
#include "ui/ApparatusView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

namespace {
template <typename F> double msPerRun(F run)
{
    constexpr int runs = 500;
    run(); // warm up: pictures rendered, fonts loaded
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        run();
    return double(timer.nsecsElapsed()) / 1e6 / runs;
}
} // namespace

void benchPaint()
{
    RealHost host;
    Program program(host, QLocale(QLocale::Russian, QLocale::Russia));
    program.showMainWindow();
    Exercise &form = program.exercise();
    for (int press = 0; press < 8; ++press) { // both columns, a stream and the vessel showing
        form.fillWater();
        form.fillLiquid();
    }
    form.drainLiquid();
    QApplication::processEvents();
    ApparatusView *view = program.mainWindow().apparatus();
    for (qreal ratio : {1.0, 2.0}) {
        QImage image(view->size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        const double scene = msPerRun([&] { view->render(&image); });
        const double blank = msPerRun([&] {
            QPainter painter(&image);
            painter.fillRect(view->rect(), view->palette().window());
        });
        benchRow(ratio == 1 ? "paint the scene, pixel ratio 1" : "paint the scene, pixel ratio 2",
                 "ms", scene, "fill the view, nothing else", blank,
                 ratio == 1 ? "<= 1 ms" : "<= 3 ms");
    }
    program.mainWindow().close();
}
