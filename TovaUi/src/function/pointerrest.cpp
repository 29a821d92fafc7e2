#include "pointerrest.h"

#include <QEvent>

PointerRest::PointerRest(QObject* parent)
    : QObject(parent)
{
}

void PointerRest::setWindow(QQuickWindow* window)
{
    if (window == m_window)
        return;
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = window;
    if (m_window)
        m_window->installEventFilter(this);
    setResting(false);
    emit windowChanged();
}

bool PointerRest::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        setResting(true);
        break;
    // Seen before the window delivers them: the item under the pointer
    // has its hover back for this very event.
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::Leave:
    case QEvent::TouchBegin:
    case QEvent::TabletMove:
    case QEvent::FocusOut:
        setResting(false);
        break;
    default:
        break;
    }
    return false;
}

void PointerRest::setResting(bool resting)
{
    if (resting == m_resting)
        return;
    m_resting = resting;
    emit restingChanged();
}
