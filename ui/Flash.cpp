// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Flash.h"

#include <QPainter>

namespace {
constexpr int ringWidth = 3; // px around the control
}

Flash::Flash(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    m_timer.setSingleShot(true);
    m_timer.setInterval(duration);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::hide);
}

void Flash::ring(QWidget *control)
{
    const QRect area(control->mapTo(parentWidget(), QPoint(0, 0)), control->size());
    setGeometry(area.adjusted(-ringWidth, -ringWidth, ringWidth, ringWidth));
    raise();
    show();
    m_timer.start();
}

void Flash::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QColor red = QColor::fromRgba(colour);
    painter.setPen(QPen(red, ringWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    red.setAlpha(48);
    painter.setBrush(red);
    painter.drawRect(QRectF(rect()).adjusted(ringWidth / 2.0, ringWidth / 2.0, -ringWidth / 2.0,
                                             -ringWidth / 2.0));
}
