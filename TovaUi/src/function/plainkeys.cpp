#include "plainkeys.h"

#include <QKeyEvent>

PlainKeys::PlainKeys(QObject* parent)
    : QObject(parent)
{
}

void PlainKeys::setItem(QQuickItem* item)
{
    if (item == m_item)
        return;
    setKeysEnabled(true);
    if (m_item)
        m_item->removeEventFilter(this);
    m_item = item;
    m_keys = nullptr;
    if (m_item)
        m_item->installEventFilter(this);
    emit itemChanged();
}

bool PlainKeys::isPlain(const QKeyEvent* event)
{
    const QString text = event->text();
    return !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        && text.size() == 1 && text.at(0) >= QLatin1Char(' ') && event->key() < Qt::Key_Escape;
}

bool PlainKeys::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        setKeysEnabled(!isPlain(static_cast<QKeyEvent*>(event)));
    return false;
}

void PlainKeys::setKeysEnabled(bool enabled)
{
    // Set only on a change: a run of plain keys costs one comparison each.
    if (enabled == m_keysEnabled)
        return;
    if (!m_keys && m_item) {
        for (QObject* child : m_item->children()) {
            if (child->inherits("QQuickKeysAttached")) {
                m_keys = child;
                break;
            }
        }
    }
    m_keysEnabled = enabled;
    if (m_keys)
        m_keys->setProperty("enabled", enabled);
}
