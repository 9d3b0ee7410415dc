// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The real program offscreen, one fresh instance per test function, and
// helpers to reach and drive its widgets.
#include "app/Program.h"
#include "app/RealHost.h"
#include "ui/ApparatusView.h"
#include "widgets/Quiet.h"

#include <QPushButton>
#include <QTest>
#include <memory>

// A pixel of the view painted at device pixel ratio `ratio`, by logical position.
inline QColor pixel(ApparatusView *view, QPointF at, qreal ratio)
{
    QImage image(view->size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    view->render(&image);
    return image.pixelColor((at * ratio).toPoint());
}

// Types any text, Cyrillic included, key by key.
inline void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline QColor twipsColour(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

class ProgramFixture
{
protected:
    static void setUpApplication() { quietOffscreenNotices(); }

    bool startProgram()
    {
        m_program = std::make_unique<Program>(m_host, QLocale(QLocale::Russian, QLocale::Russia));
        m_program->start();
        return QTest::qWaitForWindowExposed(&m_program->window());
    }

    void stopProgram() { m_program.reset(); }

    template <typename T> T *child(const QString &name)
    {
        T *w = m_program->window().findChild<T *>(name);
        if (!w)
            qFatal("no widget %s", qPrintable(name));
        return w;
    }
    template <typename T> T *child(const char *name) { return child<T>(QString::fromUtf8(name)); }

    void click(const char *button)
    {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }

    RealHost m_host;
    std::unique_ptr<Program> m_program;
};
