#include "locker.h"

#include "data/data.h"
#include "data/settingsfile.h"
#include "TovaUi/function/message.h"
#include "locker/registryhelper.h"
#include "support/log.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

namespace {
const char kWindowKey[] = "lock/window";
}

Locker::Locker(QObject* parent)
    : Locker(data::instance(), parent)
{
}

Locker::Locker(data* store, QObject* parent)
    : QObject(parent)
    , m_data(store)
{
    connect(store, &data::lockStateChanged, this, &Locker::setLockState);
}

void Locker::setLockState(bool state)
{
    if (state == m_lockState)
        return;
    if (state)
        doLock();
    else
        unLock();
}

// The lock's body runs once per call: the state is stored before the store
// is told, so its change signal finds nothing left to do here.
void Locker::doLock()
{
    logDebug(lcApp) << "doLock";
    m_lockState = true;
    if (m_data)
        m_data->setLockState(true);
    RegistryHelper::RegisterStartOnBoot(QString(), QString());
    message::show(Message::Tips, tr("已锁定"), 5000);
}

void Locker::unLock()
{
    m_lockState = false;
    if (m_data)
        m_data->setLockState(false);
    message::show(Message::Tips, tr("已解锁"), 5000);
}

QVariantMap Locker::windowBeforeLock() const
{
    const QByteArray kept = QSettings().value(QLatin1String(kWindowKey)).toString().toUtf8();
    return QJsonDocument::fromJson(kept).object().toVariantMap();
}

void Locker::keepWindowBeforeLock(const QVariantMap& state)
{
    const QString text = state.isEmpty()
        ? QString()
        : QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(state)).toJson(QJsonDocument::Compact));
    SettingsFile::store(QLatin1String(kWindowKey), text);
}
