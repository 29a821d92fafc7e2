#include "function/buttonkeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QQuickItem>
#include <QQuickWindow>

namespace {

// A button in the window's keyboard focus that Enter presses.
QQuickItem* pressedByEnter(QObject* watched)
{
    auto* window = qobject_cast<QQuickWindow*>(watched);
    QQuickItem* item = window ? window->activeFocusItem() : nullptr;
    if (!item || !item->inherits("QQuickAbstractButton") || item->property("checkable").toBool()
            || item->inherits("QQuickMenuItem") || item->inherits("QQuickMenuBarItem"))
        return nullptr;
    return item;
}

} // namespace

ButtonKeys::ButtonKeys(QObject* parent)
    : QObject(parent)
{
}

bool ButtonKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || (key->modifiers() & ~Qt::KeypadModifier))
        return false;
    if (!pressedByEnter(watched))
        return false;
    if (!key->isAutoRepeat()) {
        QKeyEvent space(event->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(watched, &space);
    }
    return true;
}
