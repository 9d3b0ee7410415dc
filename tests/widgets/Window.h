// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The real program on the X server the test runs on, and what a student
// meets of it: pixels read back from the screen, keys, accessibility.
#include "app/Program.h"
#include "app/RealHost.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <functional>

// The program's host, with a clock that may run ahead of real time so that
// a flow of many ticks takes milliseconds; every tick wait is announced.
class TestHost : public RealHost
{
public:
    bool fastClock = true;
    double atLeast = 0; // s that a real tick wait lasts after onTickWait, however late
    int tickWaits = 0;
    bool inTickWait = false;
    std::function<void(int)> onTickWait;    // as tick wait number n begins
    std::function<void(int)> afterTickWait; // as it ends

    double now() override { return fastClock ? m_clock : RealHost::now(); }
    void sleepUntil(double t) override
    {
        inTickWait = true;
        ++tickWaits;
        if (onTickWait)
            onTickWait(tickWaits);
        if (fastClock)
            m_clock = t; // the window system is served at the next event processing
        else
            RealHost::sleepUntil(std::max(t, RealHost::now() + atLeast));
        if (afterTickWait)
            afterTickWait(tickWaits);
        inTickWait = false;
    }

private:
    double m_clock = 0;
};

// What the screen shows of a widget: the X server's pixels, not a render.
inline QImage onScreen(const QWidget *widget, QRect area = {})
{
    if (area.isNull())
        area = widget->rect();
    const QPoint at = widget->mapToGlobal(area.topLeft());
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, at.x(), at.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// Compares with tests/pictures/NAME.png, allowing slightly other shades and
// two stray pixels. TALVEN_RENDER_PICTURES=1 writes the picture afresh instead
// (make pictures); a mismatch leaves the picture and its difference in
// pictures-failed/ beside the test.
inline bool matchesPicture(const QImage &actual, const QString &name)
{
    const QString reference = QStringLiteral(TALVEN_PICTURES "/%1.png").arg(name);
    if (qEnvironmentVariableIsSet("TALVEN_RENDER_PICTURES"))
        return actual.save(reference);
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    QImage difference(actual.size(), QImage::Format_RGB32);
    difference.fill(Qt::black);
    const bool sameSize = expected.size() == actual.size();
    int differing = sameSize ? 0 : actual.width() * actual.height();
    for (int y = 0; sameSize && y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QColor a = actual.pixelColor(x, y), e = expected.pixelColor(x, y);
            const int delta = std::max(
                {qAbs(a.red() - e.red()), qAbs(a.green() - e.green()), qAbs(a.blue() - e.blue())});
            if (delta > 12) {
                ++differing;
                difference.setPixelColor(x, y, Qt::white);
            }
        }
    }
    if (differing <= 2)
        return true;
    QDir().mkpath(QStringLiteral("pictures-failed"));
    actual.save(QStringLiteral("pictures-failed/%1.png").arg(name));
    difference.save(QStringLiteral("pictures-failed/%1-difference.png").arg(name));
    qWarning("%s: %d pixels differ; see %s", qPrintable(name), differing,
             qPrintable(QDir::current().filePath(QStringLiteral("pictures-failed"))));
    return false;
}
