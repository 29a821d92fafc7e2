#include "function.h"

#include "function/message.h"

#include <QFontDatabase>
#include <QMutexLocker>

QAtomicPointer<function> function::self;
QMutex function::mutex;

function* function::instance()
{
    function* f = self.loadAcquire();
    if (!f) {
        QMutexLocker lock(&mutex);
        f = self.loadAcquire();
        if (!f) {
            f = new function();
            self.storeRelease(f);
        }
    }
    return f;
}

function::function()
    : QObject(nullptr)
{
}

QString function::systemFont()
{
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

Message* function::getMessage()
{
    if (!m_message)
        m_message = new Message();
    return m_message;
}
