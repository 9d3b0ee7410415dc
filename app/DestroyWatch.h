// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractNativeEventFilter>
#include <functional>

class QWidget;

// Another X client may destroy a window (xdotool windowclose) without asking
// it to close. Qt does not notice; the watch calls `gone` at once, so that
// nothing draws on the window any more, and `destroyed` once the X server
// has shown that it still runs.
class DestroyWatch : public QAbstractNativeEventFilter
{
public:
    DestroyWatch(const QWidget &window, std::function<void()> gone,
                 std::function<void()> destroyed);
    ~DestroyWatch() override;

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *result) override;

private:
    static constexpr int settleTime = 500; // ms
    static bool serverAnswers();

    const QWidget &m_window;
    std::function<void()> m_gone, m_destroyed;
};
