// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTimer>
#include <QWidget>

// A visual bell: a refused control is ringed in red for a moment, so that a
// refusal is seen by whoever does not hear the beep (muted speakers, a deaf
// student, a Wayland session without a bell). It takes no input and no focus.
class Flash : public QWidget
{
public:
    explicit Flash(QWidget *parent);

    void ring(QWidget *control);

    static constexpr int duration = 400; // ms
    static constexpr QRgb colour = 0xffd00000;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer m_timer;
};
