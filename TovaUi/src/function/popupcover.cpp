#include "popupcover.h"

#include <QQuickItem>

PopupCover::PopupCover(QObject* parent)
    : QObject(parent)
{
}

void PopupCover::setWindow(QQuickWindow* window)
{
    if (window == m_window)
        return;
    if (m_window)
        disconnect(m_window->contentItem(), nullptr, this, nullptr);
    if (m_overlay)
        disconnect(m_overlay, nullptr, this, nullptr);
    m_overlay = nullptr;
    m_window = window;
    if (m_window)
        connect(m_window->contentItem(), &QQuickItem::childrenChanged, this, &PopupCover::watch);
    watch();
    emit windowChanged();
}

void PopupCover::watch()
{
    if (m_window && !m_overlay) {
        for (QQuickItem* item : m_window->contentItem()->childItems()) {
            if (item->inherits("QQuickOverlay")) {
                m_overlay = item;
                connect(item, &QQuickItem::childrenChanged, this, &PopupCover::watch);
                break;
            }
        }
    }
    if (m_overlay) {
        // Each popup item shows while its popup is open.
        for (QQuickItem* item : m_overlay->childItems())
            connect(item, &QQuickItem::visibleChanged, this, &PopupCover::update, Qt::UniqueConnection);
    }
    update();
}

void PopupCover::update()
{
    bool covered = false;
    if (m_overlay) {
        for (QQuickItem* item : m_overlay->childItems()) {
            // A popup's item is its child object; the dimmers have no parent.
            const QObject* popup = item->parent();
            if (item->isVisible() && popup && item->inherits("QQuickPopupItem") && popup->property("modal").toBool()) {
                covered = true;
                break;
            }
        }
    }
    if (covered == m_covered)
        return;
    m_covered = covered;
    emit coveredChanged();
}
