#ifndef QISYSTEMDISPATCHER_H
#define QISYSTEMDISPATCHER_H

#include <QObject>
#include <QVariantMap>

// Message bridge between the component library's QML and a native platform
// layer. On the desktop no layer listens: messages are sent and not answered.
class QISystemDispatcher : public QObject
{
    Q_OBJECT
public:
    using Handler = bool (*)(QVariantMap& data);

    static QISystemDispatcher* instance();
    Q_INVOKABLE bool dispatch(const QString& type, QVariantMap message);
    static bool addListener(const QString& name, Handler handler);

signals:
    void dispatched(const QString& name, const QVariantMap& data);

private:
    explicit QISystemDispatcher(QObject* parent = nullptr);
};

#endif
