#ifndef T_H
#define T_H

#include <QAtomicPointer>
#include <QMutex>
#include <QObject>

// Identifier translation: the display text of an identifier, or the identifier
// itself.
class t : public QObject
{
    Q_OBJECT

public:
    static t* instance();
    Q_INVOKABLE static QString r(const QString& key);

signals:

private:
    t();
    static QAtomicPointer<t> self;
    static QMutex mutex;
};

#endif
