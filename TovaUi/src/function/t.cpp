#include "t.h"

#include <QMutexLocker>

QAtomicPointer<t> t::self;
QMutex t::mutex;

t* t::instance()
{
    t* p = self.loadAcquire();
    if (!p) {
        QMutexLocker lock(&mutex);
        p = self.loadAcquire();
        if (!p) {
            p = new t();
            self.storeRelease(p);
        }
    }
    return p;
}

t::t()
    : QObject(nullptr)
{
}

QString t::r(const QString& key) { return key; }
