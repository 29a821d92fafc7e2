#include "fontthread.h"

#include <QMutex>
#include <QMutexLocker>

namespace {
QMutex listerMutex;
fontThread::Lister customLister;
} // namespace

fontThread::fontThread(QObject* parent, QFontDatabase::WritingSystem system, int generation)
    : QThread(parent)
    , m_system(system)
    , m_generation(generation)
{
}

void fontThread::setFamilyLister(Lister lister)
{
    QMutexLocker lock(&listerMutex);
    customLister = std::move(lister);
}

void fontThread::run()
{
    Lister lister;
    {
        QMutexLocker lock(&listerMutex);
        lister = customLister;
    }
    const QStringList all = lister ? lister(m_system) : QFontDatabase().families(m_system);
    QStringList families;
    for (const QString& family : all)
        if (!family.startsWith(QLatin1Char('.')))
            families.append(family);
    emit familiesListed(families, m_generation);
}
