#ifndef PLAINKEYS_H
#define PLAINKEYS_H

#include <QObject>
#include <QPointer>
#include <QQuickItem>

class QKeyEvent;

// Lets plain typing (one printable character without Ctrl, Alt or Meta)
// reach an item without going through its Keys handler: that handler is
// script run on every key it sees, and only the other keys need it. Watches
// the item's key presses and switches the item's attached Keys object off
// for plain ones and on again for any other.
class PlainKeys : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QQuickItem* item READ item WRITE setItem NOTIFY itemChanged)
public:
    explicit PlainKeys(QObject* parent = nullptr);

    QQuickItem* item() const { return m_item; }
    void setItem(QQuickItem* item);

    static bool isPlain(const QKeyEvent* event);

signals:
    void itemChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setKeysEnabled(bool enabled);

    QPointer<QQuickItem> m_item;
    // The item's attached Keys object, found at the first key press (it is
    // a child of the item).
    QPointer<QObject> m_keys;
    bool m_keysEnabled = true;
};

#endif
