// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TableWindow;
}

// The viscosity table window Form3: the liquids under the headings
// "Жидкость" and "мПа * с". When loaded it stands against the main window's
// right edge, top edges level. Nothing in the program shows it.
class TableWindow : public QWidget
{
    Q_OBJECT
public:
    explicit TableWindow(const QWidget &mainWindow, QWidget *parent = nullptr);
    ~TableWindow() override;

private:
    void load(const QWidget &mainWindow);

    std::unique_ptr<Ui::TableWindow> m_ui;
};
