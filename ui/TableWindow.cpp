// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/TableWindow.h"

#include "scene/Colour.h"
#include "ui/Fonts.h"
#include "ui_TableWindow.h"

namespace {
const QColor darkGrey(Colours::darkGrey.red(), Colours::darkGrey.green(), Colours::darkGrey.blue());
}

TableWindow::TableWindow(const QWidget &mainWindow, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint),
      m_ui(std::make_unique<Ui::TableWindow>())
{
    m_ui->setupUi(this);
    setFixedSize(size()); // 3090 x 2370 twips
    const QString sansSerif = QStringLiteral("MS Sans Serif");
    setFont(Fonts::font(sansSerif, 8.25));
    for (QLabel *heading : {m_ui->Label1, m_ui->Label2})
        heading->setFont(Fonts::font(sansSerif, 8.25, true));

    QPalette grey = palette();
    grey.setColor(QPalette::WindowText, darkGrey);
    grey.setColor(QPalette::Window, darkGrey);
    for (QLabel *label : findChildren<QLabel *>()) {
        label->setPalette(grey);
        label->adjustSize(); // sized to the text
    }
    for (QFrame *line : {m_ui->Line1, m_ui->Line2}) {
        line->setPalette(grey);
        line->setAutoFillBackground(true);
    }
    load(mainWindow);
}

TableWindow::~TableWindow() = default;

// Top first, then Left: the main window's outer left edge plus its outer width.
void TableWindow::load(const QWidget &mainWindow)
{
    const QRect outer = mainWindow.frameGeometry();
    move(x(), outer.top());
    move(outer.left() + outer.width(), y());
}
