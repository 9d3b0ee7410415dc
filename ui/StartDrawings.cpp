// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/StartDrawings.h"

#include "scene/Scene.h"
#include "ui/ApparatusView.h"
#include "ui/DesktopStyle.h"

namespace {
const QString iconFile = QStringLiteral(":/art/talven.svg");
constexpr int iconSizes[] = {16, 32, 48, 64};
} // namespace

std::vector<Drawings::Order> StartDrawings::list()
{
    std::vector<Drawings::Order> drawings = ApparatusView::drawingsOf(Scene(), 1);
    for (int size : iconSizes)
        drawings.push_back({iconFile, QSize(size, size)});
    const std::vector<Drawings::Order> style = DesktopStyle::drawingsAtStart();
    drawings.insert(drawings.end(), style.begin(), style.end());
    return drawings;
}

QIcon StartDrawings::programIcon()
{
    QIcon icon;
    for (int size : iconSizes)
        icon.addPixmap(QPixmap::fromImage(Drawings::image(iconFile, QSize(size, size))));
    return icon;
}
