// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Menu "Реверс шкалы": the scales count 0..5 from the bottom mark up, or from
// the top mark down while the item is checked.
#include "sim/Form1.h"

void Form1::revers_Click()
{
    Scene &scene = m_state.scene;
    const bool reversed = !m_state.reversChecked;
    m_state.reversChecked = reversed; // the check mark first, then every caption
    for (int mark = 0; mark < Scene::scaleMarks; ++mark) {
        const QString caption = QString::number(reversed ? Scene::scaleMarks - 1 - mark : mark);
        scene.Label1(mark).caption = caption;
        scene.Label2(mark).caption = caption;
    }
    emit changed();
}
