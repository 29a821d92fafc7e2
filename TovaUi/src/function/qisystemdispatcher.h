#ifndef QISYSTEMDISPATCHER_H
#define QISYSTEMDISPATCHER_H

#include <QObject>
#include <QVariantMap>

// Message bridge between the component library and a native platform layer.
// Every dispatched message is announced later through `dispatched`, from the
// event loop; a handler registered for its name answers at once. On the
// desktop no handler is registered, so messages are sent and not answered.
class QISystemDispatcher : public QObject
{
    Q_OBJECT
public:
    using Handler = bool (*)(QVariantMap& data);

    // Created on first use as a child of the application object; a destroyed
    // dispatcher is replaced on the next call. GUI thread only.
    static QISystemDispatcher* instance();

    Q_INVOKABLE bool dispatch(QString type, QVariantMap message);
    // Refuses a second handler for a name that already has one.
    static bool addListener(QString name, Handler handler);

signals:
    void dispatched(QString name, QVariantMap data);

private:
    explicit QISystemDispatcher(QObject* parent = nullptr);
};

#endif
