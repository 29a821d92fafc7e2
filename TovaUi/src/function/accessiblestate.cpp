#include "function/accessiblestate.h"

#include <QQuickItem>

#include <private/qaccessiblequickitem_p.h>
#include <private/qquickitem_p.h>

namespace {

AccessibleState* stateOf(const QObject* item)
{
    return item ? item->findChild<AccessibleState*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

class StatedItem : public QAccessibleQuickItem
{
public:
    using QAccessibleQuickItem::QAccessibleQuickItem;

    QAccessible::Role role() const override
    {
        const AccessibleState* own = stateOf(object());
        return own && own->role() != QAccessible::NoRole ? own->role() : QAccessibleQuickItem::role();
    }
    QString text(QAccessible::Text t) const override
    {
        const AccessibleState* own = stateOf(object());
        return t == QAccessible::Name && own && !own->name().isEmpty() ? own->name() : QAccessibleQuickItem::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleQuickItem::state();
        if (const AccessibleState* own = stateOf(object())) {
            s.expandable = own->expandable();
            s.expanded = own->expandable() && own->expanded();
            s.collapsed = own->expandable() && !own->expanded();
            if (own->current()) {
                s.focusable = true;
                s.focused = true;
            }
        }
        return s;
    }
};

QAccessibleInterface* statedFactory(const QString&, QObject* object)
{
    auto* item = qobject_cast<QQuickItem*>(object);
    if (item && QQuickItemPrivate::get(item)->isAccessible && stateOf(item))
        return new StatedItem(item);
    return nullptr;
}

// Asked before Qt Quick's own factory, which answers for every item: the
// factory installed last is asked first, and Qt Quick installs its own when
// its module is first imported, before any of these exists.
void installFactory()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(statedFactory);
}

} // namespace

AccessibleState::AccessibleState(QObject* parent)
    : QObject(parent)
{
    installFactory();
}

void AccessibleState::setRole(QAccessible::Role role)
{
    if (m_role == role)
        return;
    m_role = role;
    restate();
    emit changed();
}

// An item whose interface Qt made before this state was given to it (a
// popup's own item) gets one that tells the state.
void AccessibleState::restate()
{
    if (!QAccessible::isActive() || !qobject_cast<QQuickItem*>(parent()))
        return;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(parent());
    if (face && !dynamic_cast<StatedItem*>(face))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
}

void AccessibleState::setName(const QString& name)
{
    if (m_name == name)
        return;
    m_name = name;
    restate();
    emit changed();
}

void AccessibleState::setExpandable(bool expandable)
{
    if (m_expandable == expandable)
        return;
    m_expandable = expandable;
    announce();
}

void AccessibleState::setExpanded(bool expanded)
{
    if (m_expanded == expanded)
        return;
    m_expanded = expanded;
    announce();
}

void AccessibleState::announce()
{
    emit changed();
    if (!QAccessible::isActive() || !parent())
        return;
    QAccessible::State states;
    states.expanded = true;
    states.collapsed = true;
    QAccessibleStateChangeEvent event(parent(), states);
    QAccessible::updateAccessibility(&event);
}

void AccessibleState::setCurrent(bool current)
{
    if (m_current == current)
        return;
    m_current = current;
    emit changed();
    if (!m_current || !QAccessible::isActive() || !parent())
        return;
    QAccessibleEvent event(parent(), QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void AccessibleState::announceShown()
{
    if (!QAccessible::isActive() || !parent())
        return;
    QAccessibleEvent event(parent(), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}
