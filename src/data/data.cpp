#include "data.h"

#include "chapter/wordcountmodel.h"
#include <QMutexLocker>
#include <QSettings>

void data::setLockState(bool value)
{
    if (m_lockState == value)
        return;
    m_lockState = value;
    emit lockStateChanged(value);
}

void data::setLockWord(int value)
{
    if (m_lockWord == value)
        return;
    m_lockWord = value;
    QSettings().setValue(QStringLiteral("lock/words"), value);
    emit lockWordChanged(value);
}

void data::setLockSecond(int value)
{
    if (m_lockSecond == value)
        return;
    m_lockSecond = value;
    QSettings().setValue(QStringLiteral("lock/second"), value);
    emit lockSecondChanged(value);
}

QAtomicPointer<data> data::self;
QMutex data::mutex;

data* data::instance()
{
    data* d = self.loadAcquire();
    if (!d) {
        QMutexLocker lock(&mutex);
        d = self.loadAcquire();
        if (!d) {
            d = new data();
            self.storeRelease(d);
        }
    }
    return d;
}

data::data()
    : QObject(nullptr)
{
    QSettings s;
    m_lockSecond = s.value(QStringLiteral("lock/second"), 0).toInt();
    m_lockWord = s.value(QStringLiteral("lock/words"), 0).toInt();
    m_lockState = m_lockSecond >= 1 || m_lockWord >= 1;
}

WordCountModel* data::wordCountModel()
{
    if (!m_wordCountModel)
        m_wordCountModel = new WordCountModel();
    return m_wordCountModel;
}

void data::setFileData(const QUrl& file, int words)
{
    Q_UNUSED(file)
    Q_UNUSED(words)
}
