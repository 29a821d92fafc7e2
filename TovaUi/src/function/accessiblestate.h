#ifndef ACCESSIBLESTATE_H
#define ACCESSIBLESTATE_H

#include <QAccessible>
#include <QObject>

// What a screen reader is told of the item it is declared in, beyond what
// Qt Quick's own accessibility can say: a role for a control (a control
// keeps its built-in role whatever Accessible.role says), and whether a row
// can open and is open, whether it is the keyboard's place inside a view
// that has the keyboard (a tree's current row, which never takes the focus
// itself). Declared as a child of the item; changes of the states are
// announced, and an item that becomes current is announced as focused.
class AccessibleState : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QAccessible::Role role READ role WRITE setRole NOTIFY changed)
    Q_PROPERTY(bool expandable READ expandable WRITE setExpandable NOTIFY changed)
    Q_PROPERTY(bool expanded READ expanded WRITE setExpanded NOTIFY changed)
    Q_PROPERTY(bool current READ current WRITE setCurrent NOTIFY changed)
    // A name for an item that Accessible.name cannot reach (a popup's own
    // item); empty leaves the item's own.
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY changed)
public:
    explicit AccessibleState(QObject* parent = nullptr);

    // NoRole leaves the item's own.
    QAccessible::Role role() const { return m_role; }
    void setRole(QAccessible::Role role);
    bool expandable() const { return m_expandable; }
    void setExpandable(bool expandable);
    bool expanded() const { return m_expanded; }
    void setExpanded(bool expanded);
    bool current() const { return m_current; }
    void setCurrent(bool current);
    QString name() const { return m_name; }
    void setName(const QString& name);

    // Tells a screen reader the item is shown afresh: a notice whose text
    // was replaced while it stayed up is read again.
    Q_INVOKABLE void announceShown();

signals:
    void changed();

private:
    void announce();
    void restate();

    QAccessible::Role m_role = QAccessible::NoRole;
    bool m_expandable = false;
    bool m_expanded = false;
    bool m_current = false;
    QString m_name;
};

#endif
