// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Menu "Реверс шкалы": the scales count 0..5 from the bottom mark up, or from
// the top mark down while the item is checked.
#include "sim/Exercise.h"

void Exercise::reverseScale()
{
    Scene &scene = m_state.scene;
    const bool reversed = !m_state.scaleReversed;
    m_state.scaleReversed = reversed; // the check mark first, then every caption
    for (int mark = 0; mark < Scene::scaleMarks; ++mark) {
        const QString caption = QString::number(reversed ? Scene::scaleMarks - 1 - mark : mark);
        scene.leftNumber(mark).caption = caption;
        scene.rightNumber(mark).caption = caption;
    }
    emit changed();
}
