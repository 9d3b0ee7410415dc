// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Look.h"

#include "ui/Fonts.h"

#include <QApplication>
#include <QProxyStyle>

namespace {
// The menu bar asks for its extension button's icon as it is built, and
// loading that picture loads every image format plugin. The button shows only
// when the menus do not fit the bar, which one menu always does.
class DesktopStyle : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option,
                       const QWidget *widget) const override
    {
        if (icon == SP_ToolBarHorizontalExtensionButton)
            return {};
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};
} // namespace

void Look::applyToApplication()
{
    QApplication::setFont(Fonts::font(QStringLiteral("MS Sans Serif"), 8.25));
    if (!dynamic_cast<DesktopStyle *>(QApplication::style()))
        QApplication::setStyle(new DesktopStyle);
}
