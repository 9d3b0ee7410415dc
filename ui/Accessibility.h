// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// How a screen reader meets the program.
namespace Accessibility {

// Installs, once, what the program's own widgets need: the apparatus is a
// picture, a locked box is text, an announcement and the about window are
// notifications; and a box's caret event that comes before its focus event is
// dropped, since Orca would then not name the box.
void install();

} // namespace Accessibility

// Says a message through the screen reader without moving the focus: a
// notification that shows, out of sight under the apparatus.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &message);
};
