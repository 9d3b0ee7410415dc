// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>

namespace {
// A locked box such as the water's "В о д а" is text, not a field to edit.
class LockedBox : public QAccessibleWidget
{
public:
    explicit LockedBox(QLineEdit *box) : QAccessibleWidget(box, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name && t != QAccessible::Value)
            return QAccessibleWidget::text(t);
        const QString name = widget()->accessibleName();
        return t == QAccessible::Name && !name.isEmpty()
                   ? name
                   : static_cast<const QLineEdit *>(widget())->text();
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true; // editable stays unset, as in any widget's state
        return s;
    }
};

QAccessibleInterface *accessible(const QString &className, QObject *object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("ApparatusView")) // its state in words as the description
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("Announcer") || className == QLatin1String("AboutWindow"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (auto *box = qobject_cast<QLineEdit *>(object);
        box && className == QLatin1String("QLineEdit") && box->isReadOnly())
        return new LockedBox(box);
    return nullptr;
}

// A widget moves its caret as it takes the focus, and Qt tells of the caret
// first: Orca then takes the focus silently. Such a caret event is dropped;
// the focus event that follows tells as much.
QPointer<QObject> focusTold; // the object of the last focus event
void focusBeforeCaret(QAccessibleEvent *event)
{
    QObject *object = event->object();
    if (event->type() == QAccessible::TextCaretMoved && object && object != focusTold &&
        object == QApplication::focusWidget())
        return;
    if (event->type() == QAccessible::Focus)
        focusTold = object;
    QAccessible::installUpdateHandler(nullptr); // Qt's own: the platform bridge
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(focusBeforeCaret);
}
} // namespace

void Accessibility::install()
{
    QAccessible::installFactory(accessible); // once: Qt adds a factory only once
    QAccessible::installUpdateHandler(focusBeforeCaret);
}

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    hide(); // until there is something to say
}

// A screen reader speaks a notification as it shows. It stays, behind the
// apparatus, until the next.
void Announcer::announce(const QString &message)
{
    setAccessibleName(message);
    hide();
    show();
    lower();
}
