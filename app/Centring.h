// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QMargins>
#include <QObject>

class QWidget;

// Centres a window as a whole, frame included, on its screen: at once, and
// again when the window manager has put its frame around it, which it does
// only after the window is shown, and whenever the screen changes its size.
class Centring : public QObject
{
public:
    explicit Centring(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void centre();
    QMargins frameMargins() const;

    QWidget &m_window;
    QMargins m_margins;    // the frame the window was last centred with
    QElapsedTimer m_since; // the window manager frames a window within a few seconds
};
