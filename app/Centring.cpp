// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Centring.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {
constexpr qint64 framingTime = 5000; // ms
}

Centring::Centring(QWidget &window) : QObject(&window), m_window(window)
{
    centre();
    m_since.start();
    window.installEventFilter(this);
    // A screen that shrinks (another resolution, a projector) would strand
    // the window's controls off it: it is centred again.
    if (QScreen *screen = window.screen())
        connect(screen, &QScreen::availableGeometryChanged, this, &Centring::centre);
}

void Centring::centre()
{
    const QScreen *screen = m_window.screen();
    if (!screen)
        return;
    m_margins = frameMargins();
    QRect frame = QRect(QPoint(), m_window.size()).marginsAdded(m_margins);
    const QRect available = screen->availableGeometry();
    frame.moveCenter(available.center());
    // A window larger than the screen keeps its title bar and left edge on it.
    m_window.move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
}

QMargins Centring::frameMargins() const
{
    const QWindow *handle = m_window.windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

bool Centring::eventFilter(QObject *watched, QEvent *event)
{
    const bool placed = event->type() == QEvent::Move || event->type() == QEvent::Show;
    if (watched == &m_window && placed && m_since.elapsed() < framingTime &&
        frameMargins() != m_margins)
        centre();
    return QObject::eventFilter(watched, event);
}
