// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class AboutWindow;
}

// The about window Form2: a borderless picture of the title and credits. Ten
// milliseconds after it shows, it holds the whole program for five seconds,
// then makes sure the main window is visible and closes itself for good.
class AboutWindow : public QWidget
{
    Q_OBJECT
public:
    using Hold = std::function<void()>;

    explicit AboutWindow(QWidget *mainWindow, Hold hold = holdFiveSeconds);
    ~AboutWindow() override;

    // Waits five seconds on a monotonic clock; no handler runs meanwhile.
    static void holdFiveSeconds();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Timer1_Timer();
    void showPicture();

    std::unique_ptr<Ui::AboutWindow> m_ui;
    QPointer<QWidget> m_mainWindow;
    Hold m_hold;
    QTimer m_timer1;
};
