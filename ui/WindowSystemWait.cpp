// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/WindowSystemWait.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <sys/timerfd.h>
#include <thread>
#include <unistd.h>

WindowSystemWait::WindowSystemWait()
    : m_timer(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC))
{
    if (m_timer < 0)
        return;
    m_fired = std::make_unique<QSocketNotifier>(m_timer, QSocketNotifier::Read);
    QObject::connect(m_fired.get(), &QSocketNotifier::activated, [fd = m_timer] {
        quint64 expirations = 0;
        [[maybe_unused]] const ssize_t read = ::read(fd, &expirations, sizeof expirations);
    });
}

WindowSystemWait::~WindowSystemWait()
{
    m_fired.reset();
    if (m_timer >= 0)
        ::close(m_timer);
}

// A pass that served something goes straight on to the next, so requests are
// answered one after another; a pass that served nothing (queued input can
// wake the wait) is followed by a short sleep, so the wait cannot spin.
void WindowSystemWait::until(Moment moment)
{
    using namespace std::chrono;
    constexpr QEventLoop::ProcessEventsFlags windowSystemOnly = QEventLoop::ExcludeUserInputEvents |
                                                                QEventLoop::X11ExcludeTimers |
                                                                QEventLoop::WaitForMoreEvents;
    constexpr milliseconds pause(5);
    if (m_timer >= 0) { // steady_clock is CLOCK_MONOTONIC
        const nanoseconds at = std::max(moment.time_since_epoch(), nanoseconds(1));
        itimerspec alarm{};
        alarm.it_value.tv_sec = time_t(duration_cast<seconds>(at).count());
        alarm.it_value.tv_nsec = long((at % seconds(1)).count());
        if (timerfd_settime(m_timer, TFD_TIMER_ABSTIME, &alarm, nullptr) != 0) {
            m_fired.reset(); // the wait sleeps in slices from now on
            ::close(m_timer);
            m_timer = -1;
        }
    }
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    while (steady_clock::now() < moment) {
        const bool blocking = m_timer >= 0;
        const bool served = dispatcher->processEvents(
            blocking ? windowSystemOnly : windowSystemOnly & ~QEventLoop::WaitForMoreEvents);
        if (!served)
            std::this_thread::sleep_for(
                std::min<steady_clock::duration>(moment - steady_clock::now(), pause));
    }
    // The input held back meanwhile waits in the platform's queue, which the
    // next event processing reads only once the dispatcher has been woken:
    // without a wake, a window whose picture stands still would never see it.
    dispatcher->wakeUp();
}

namespace {
class InputDrop : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            event->accept(); // taken by the focus, so no access key acts either
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            return true;
        case QEvent::Close:
            return event->spontaneous();
        default:
            return false;
        }
    }
};
} // namespace

void WindowSystemWait::discardInput()
{
    InputDrop drop;
    QCoreApplication::instance()->installEventFilter(&drop);
    QAbstractEventDispatcher::instance()->wakeUp();
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&drop);
}
