#include "usersetting.h"

#include "data/global.h"
#include "data/settingsfile.h"
#include "data/signalobject.h"
#include "function/networkreply.h"
#include "support/log.h"
#include "users/userdatas.h"
#include "users/userinfo.h"
#include "users/users.h"
#include "TovaUi/function/settingsgate.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QSettings>
#include <QTimer>

namespace {
const QString group = QStringLiteral("Server");
const QString changedKey = QStringLiteral("Status/SettingChanged");
}

UserSetting::UserSetting(QObject* parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    connect(Users::instance()->getUserInfo(), &UserInfo::loginFinished, this, [this](bool ok) { onLogged(ok); });
    SignalObject* hub = global::instance()->signalObject();
    connect(hub, &SignalObject::logoutFinish, this, &UserSetting::onLoginOut);
    connect(hub, &SignalObject::onMainClose, this, &UserSetting::upload);
    connect(m_timer, &QTimer::timeout, this, &UserSetting::upload);
    download();
    m_timer->start(60000);
}

void UserSetting::setStorage(QObject* owner, GetObject get, PutObject put)
{
    m_owner = owner;
    m_get = std::move(get);
    m_put = std::move(put);
}

QString UserSetting::objectKey(const QString& login)
{
    return QStringLiteral("ranking/setting/") + login + QLatin1Char('/') + login + QStringLiteral(".setting.json");
}

QVariant UserSetting::value(const QString& key, const QVariant& defaultValue) const
{
    QSettings s;
    return s.value(group + QLatin1Char('/') + key, defaultValue);
}

void UserSetting::setValue(const QString& key, const QVariant& value)
{
    const QString full = group + QLatin1Char('/') + key;
    if (QSettings().value(full).toString() == value.toString())
        return;
    const SettingsGate gate;
    QSettings s;
    s.setValue(full, value);
    SettingsFile::commit(s);
    valueChanged(true);
}

void UserSetting::valueChanged(bool isChanged)
{
    SettingsFile::store(changedKey, isChanged);
}

bool UserSetting::isValueChanged() const
{
    QSettings s;
    return s.value(changedKey, false).toBool();
}

bool UserSetting::canTransfer() const
{
    UserDatas* d = Users::instance()->getUserData();
    return m_owner && d->logined() && !d->login().isEmpty();
}

void UserSetting::download()
{
    if (!canTransfer() || !m_get)
        return;
    NetworkReply* reply = m_get(objectKey(Users::instance()->getUserData()->login()));
    if (!reply)
        return;
    reply->whenFinished(this, [this](const NetworkData& data) { downloadFinished(data); });
}

void UserSetting::downloadFinished(const NetworkData& data)
{
    if (data.statusCode == 404) {
        valueChanged(true);
        upload();
        return;
    }
    if (data.statusCode != 200)
        return;
    const QVariantMap map = QJsonDocument::fromJson(data.data).object().toVariantMap();
    for (auto it = map.constBegin(); it != map.constEnd(); ++it)
        setValue(it.key(), it.value());
}

void UserSetting::upload()
{
    if (!isValueChanged() || !canTransfer() || !m_put)
        return;
    QSettings s;
    s.beginGroup(group);
    QVariantMap map;
    for (const QString& key : s.allKeys())
        map.insert(key, s.value(key));
    s.endGroup();
    const QByteArray body = QJsonDocument(QJsonObject::fromVariantMap(map)).toJson(QJsonDocument::Indented);
    NetworkReply* reply = m_put(objectKey(Users::instance()->getUserData()->login()), body, QStringLiteral("text/plain"));
    if (!reply)
        return;
    reply->whenFinished(this, [this](const NetworkData& data) { uploadFinished(data); });
}

void UserSetting::uploadFinished(const NetworkData& data)
{
    if (data.statusCode == 200) {
        valueChanged(false);
        return;
    }
    logWarning(lcAccount) << "error:" << data.errorString;
    valueChanged(true);
}

void UserSetting::onLogged(bool ok)
{
    if (ok)
        upload();
}

void UserSetting::onLoginOut()
{
}
