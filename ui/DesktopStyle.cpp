// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/DesktopStyle.h"

#include "ui/Drawings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {
constexpr QLatin1String
    fusionGroupBoxFrame(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");

// The desktop's style with a few changes.
class AdjustedStyle : public QProxyStyle
{
public:
    // The menu bar asks for its extension button's icon as it is built, and
    // loading that picture loads every image format plugin. The button shows
    // only when the menus do not fit the bar, which one menu always does.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option,
                       const QWidget *widget) const override
    {
        if (icon == SP_ToolBarHorizontalExtensionButton)
            return {};
        return QProxyStyle::standardIcon(icon, option, widget);
    }

    // A one-pixel outline in the highlight colour around the focused control,
    // drawn by the window's QFocusFrame: some styles show no focus on the
    // default button or on an empty list.
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element != CE_FocusFrame)
            return QProxyStyle::drawControl(element, option, painter, widget);
        DesktopStyle::drawFocusOutline(*painter, option->rect,
                                       option->palette.color(QPalette::Highlight));
    }
    // No mask around the outline: a one-pixel mask, rounded at 125 or 150 %,
    // would cut sides off. The frame takes no input and paints only the outline.
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_FocusFrame_Mask)
            return 0;
        // Alt alone does not move the focus to the menu bar. A screen reader's
        // bridge hands key presses back late, so after Alt with a letter the
        // menu bar takes the release for a lone Alt and steals the focus
        // (F10 opens the menu instead).
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        const bool fusion = baseStyle()->name() == QLatin1String("fusion");
        if (fusion && element == PE_FrameGroupBox && !m_groupBoxFrame.isNull())
            return qDrawBorderPixmap(painter, groupBoxFrameRect(option), QMargins(6, 6, 6, 6),
                                     m_groupBoxFrame);
        if (!fusion || element != PE_Frame || !qobject_cast<const QAbstractItemView *>(widget))
            return QProxyStyle::drawPrimitive(element, option, painter, widget);
        // Fusion strokes an item view's frame along the widget's edge, half
        // outside it, and at 125 or 150 % the rounding to whole pixels clips a
        // side; a one-pixel border filled inside the edge stays whole at any
        // scale. The view's white ground is painted here, from the border in to
        // the viewport.
        // Fusion's outline colour (QFusionStylePrivate::outline in Qt 6.4).
        const QColor outline = option->palette.window().color().darker(140).lighter(108);
        painter->fillRect(option->rect, outline);
        painter->fillRect(option->rect.marginsRemoved(QMargins(1, 1, 1, 1)),
                          option->palette.base());
    }
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin)
            return 1; // the outline lies just outside the control
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    // Fusion draws a group box's frame from its own picture, which it loads
    // by file name; finding the format of a named file loads every image
    // format plugin, a tenth of the program's start. Here the picture is read
    // as the PNG it is, and the frame is drawn from it as Qt 6.4's
    // QFusionStyle::drawPrimitive(PE_FrameGroupBox) draws it: the picture at
    // fusionGroupBoxFrame stretched with qDrawBorderPixmap and margins of 6,
    // from 3 pixels below the title. tst_window compares the two drawings, so
    // a Qt that draws otherwise fails the tests.
    const QPixmap m_groupBoxFrame =
        QPixmap::fromImage(Drawings::readPng(QString(fusionGroupBoxFrame)));

    // Below the title, as every frame of this program has one.
    QRect groupBoxFrameRect(const QStyleOption *option) const
    {
        constexpr int margin = 3;
        const int top = qMax(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight),
                             option->fontMetrics.height()) +
                        margin;
        return option->rect.adjusted(0, top, 0, 0);
    }
};

} // namespace

void DesktopStyle::install()
{
    if (!dynamic_cast<AdjustedStyle *>(QApplication::style()))
        QApplication::setStyle(new AdjustedStyle);
}

void DesktopStyle::drawFocusOutline(QPainter &painter, const QRect &r, const QColor &colour)
{
    for (const QRect &side :
         {QRect(r.left(), r.top(), r.width(), 1), QRect(r.left(), r.bottom(), r.width(), 1),
          QRect(r.left(), r.top(), 1, r.height()), QRect(r.right(), r.top(), 1, r.height())})
        painter.fillRect(side, colour);
}
