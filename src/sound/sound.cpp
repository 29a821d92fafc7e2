#include "sound.h"

#include "data/global.h"
#include "data/settings.h"
#include "data/settingsfile.h"
#include "TovaUi/function/message.h"

#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QSoundEffect>

namespace {
const char* const typeKey = "sound/type";

// Shared by every sound object; GUI thread only.
bool enabledFlag = false;
QHash<int, QUrl> soundUrls;
QHash<int, QSoundEffect*> soundEffects;
std::function<void(int)> playObserver;

int storedType() { return QSettings().value(QLatin1String(typeKey), 0).toInt(); }

bool soundOpen() { return global::instance()->settings()->soundOpen(); }
} // namespace

sound::sound(QObject* parent)
    : QObject(parent)
{
    m_type = storedType();
    // Enabling loads the sounds when the setting is on.
    setEnabled(soundOpen());
    connect(this, &sound::sendPlay, this, &sound::play);
}

int sound::type()
{
    m_type = storedType();
    return m_type;
}

void sound::setType(int type)
{
    if (type == m_type)
        return;
    SettingsFile::store(QLatin1String(typeKey), type);
    m_type = type;
    loadSounds();
    emit typeChanged(type);
}

void sound::setEnabled(bool enabled)
{
    if (enabled)
        loadSounds();
    enabledFlag = enabled;
}

bool sound::isEnabled() { return enabledFlag; }

QSoundEffect* sound::effect(int keyClass) { return soundEffects.value(keyClass); }

QUrl sound::source(int keyClass) { return soundUrls.value(keyClass); }

void sound::setPlayObserver(std::function<void(int)> observer) { playObserver = std::move(observer); }

void sound::play(int name)
{
    switch (name) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
        return;
    default:
        break;
    }
    if (!enabledFlag)
        return;
    const int keyClass = (name == Qt::Key_Return || name == Qt::Key_Enter) ? int(Qt::Key_Enter) : int(AnyKey);
    QSoundEffect* effect = soundEffects.value(keyClass);
    if (!effect)
        return;
    effect->play();
    if (playObserver)
        playObserver(keyClass);
}

void sound::setWaterSound()
{
    SettingsFile::store(QLatin1String(typeKey), 1);
    loadSounds();
}

void sound::setDefSound()
{
    SettingsFile::store(QLatin1String(typeKey), 0);
    loadSounds();
}

void sound::loadSounds()
{
    if (!soundOpen())
        return;
    QUrl anyKey(QStringLiteral("qrc:/source/sound/normal/normal_key_press.wav"));
    QUrl enter(QStringLiteral("qrc:/source/sound/normal/enter.wav"));
    switch (storedType()) {
    case 1:
        anyKey = QUrl(QStringLiteral("qrc:/source/sound/normal/water_normal_key_press.wav"));
        enter = QUrl(QStringLiteral("qrc:/source/sound/normal/water_enter.wav"));
        break;
    case 2: {
        QSettings settings;
        const QString anyFile = settings.value(QStringLiteral("sound/any")).toString();
        const QString enterFile = settings.value(QStringLiteral("sound/enter")).toString();
        // Custom sounds only as a pair; otherwise the typewriter pair.
        if (!anyFile.isEmpty() && !enterFile.isEmpty() && QFileInfo(anyFile).isFile() && QFileInfo(enterFile).isFile()) {
            anyKey = QUrl::fromLocalFile(anyFile);
            enter = QUrl::fromLocalFile(enterFile);
        }
        break;
    }
    default:
        break;
    }
    if (!anyKey.isValid() || !enter.isValid()) {
        message::show(Message::Error, QStringLiteral("没能载入声音文件,请查看声音文件是否已经安装"), 5000);
        return;
    }
    m_anyKeyUrl = anyKey;
    m_enterUrl = enter;
    soundUrls.insert(Qt::Key_Enter, enter);
    soundUrls.insert(AnyKey, anyKey);
    for (int keyClass : { int(Qt::Key_Enter), int(AnyKey) }) {
        // The replaced effect may still be playing; it goes once it is idle.
        if (QSoundEffect* old = soundEffects.take(keyClass))
            old->deleteLater();
        auto* effect = new QSoundEffect();
        effect->setSource(soundUrls.value(keyClass));
        soundEffects.insert(keyClass, effect);
    }
}
