#include "datatypeclass.h"

#include "TovaUi/function/function.h"

#include "data/statsclock.h"
#include "data/statsfile.h"
#include "support/log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSettings>

#include <cmath>
#include <limits>

namespace {

// A whole JSON number that fits an int; anything else reads as 0.
int readInt(const QJsonObject& object, const QString& key)
{
    const QJsonValue value = object.value(key);
    if (!value.isDouble())
        return 0;
    const double d = value.toDouble();
    if (std::floor(d) != d || d < double(std::numeric_limits<int>::min()) || d > double(std::numeric_limits<int>::max()))
        return 0;
    return int(d);
}

QString readString(const QJsonObject& object, const QString& key) { return object.value(key).toString(); }

bool samePath(const QString& a, const QString& b)
{
    return !a.isEmpty() && QDir::cleanPath(QFileInfo(a).absoluteFilePath()) == QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

} // namespace

DataTypeClass::DataTypeClass(DataEnum kind, QObject* parent)
    : QObject(parent)
    , m_dataEnum(kind)
{
}

QString DataTypeClass::oldVersionDeviceId() { return QStringLiteral("{5f215b2e-5967-40b3-88fa-4a18eab0c664}"); }

QString DataTypeClass::deviceID() { return function::deviceID(); }

QString DataTypeClass::deviceName() { return function::deviceName(); }

int DataTypeClass::speed() const { return m_second == 0 ? 0 : m_words * 60 / m_second; }
int DataTypeClass::tmpSpeed() const { return m_tmpSecond == 0 ? 0 : m_tmpWords * 60 / m_tmpSecond; }

// ---- setters ----------------------------------------------------------------

void DataTypeClass::setWords(int words)
{
    if (m_words == words)
        return;
    m_words = words;
    emit wordsChanged(words);
    emit speedChanged();
    if (m_tmpWords != words) {
        m_tmpWords = words;
        emit tmpWordsChanged(words);
        emit tmpSpeedChanged();
    }
}

void DataTypeClass::setSecond(int second)
{
    if (m_second == second)
        return;
    m_second = second;
    if (m_tmpSecond != second) {
        m_tmpSecond = second;
        emit tmpSecondChanged(second);
        emit tmpSpeedChanged();
    }
    emit secondChanged(second);
    emit speedChanged();
}

void DataTypeClass::setThisDevice(QPointer<DeviceDataClass> thisDevice)
{
    if (m_thisDevice == thisDevice)
        return;
    m_thisDevice = thisDevice;
    if (thisDevice)
        thisDevice->setParent(this);
    emit thisDeviceChanged(thisDevice);
}

void DataTypeClass::setDataEnum(DataEnum dataEnum)
{
    if (m_dataEnum == dataEnum)
        return;
    m_dataEnum = dataEnum;
    emit dataEnumChanged(dataEnum);
}

void DataTypeClass::setMaxSpeed(int maxSpeed)
{
    if (m_maxSpeed == maxSpeed)
        return;
    m_maxSpeed = maxSpeed;
    emit maxSpeedChanged(maxSpeed);
}

void DataTypeClass::setError(const QString& error)
{
    if (m_error == error)
        return;
    m_error = error;
    emit errorChanged(error);
}

void DataTypeClass::setCode(int code)
{
    if (m_code == code)
        return;
    m_code = code;
    emit codeChanged(code);
}

void DataTypeClass::setOk(bool ok)
{
    if (m_ok == ok)
        return;
    m_ok = ok;
    emit okChanged(ok);
}

void DataTypeClass::setTmpWords(int tmpWords)
{
    if (m_tmpWords == tmpWords)
        return;
    m_tmpWords = tmpWords;
    emit tmpWordsChanged(tmpWords);
    emit tmpSpeedChanged();
}

void DataTypeClass::setTmpSecond(int tmpSecond)
{
    if (m_tmpSecond == tmpSecond)
        return;
    m_tmpSecond = tmpSecond;
    emit tmpSecondChanged(tmpSecond);
    emit tmpSpeedChanged();
}

void DataTypeClass::setBeginTime(int beginTime)
{
    if (m_beginTime == beginTime)
        return;
    m_beginTime = beginTime;
    emit beginTimeChanged(beginTime);
}

void DataTypeClass::setEndTime(int endTime)
{
    if (m_endTime == endTime)
        return;
    m_endTime = endTime;
    emit endTimeChanged(endTime);
}

void DataTypeClass::setTmpBeginTime(int tmpBeginTime)
{
    if (m_tmpBeginTime == tmpBeginTime)
        return;
    m_tmpBeginTime = tmpBeginTime;
    emit tmpBeginTimeChanged();
}

void DataTypeClass::setTmpEndTime(int tmpEndTime)
{
    if (m_tmpEndTime == tmpEndTime)
        return;
    m_tmpEndTime = tmpEndTime;
    emit tmpEndTimeChanged();
}

void DataTypeClass::setEtag(const QString& Etag)
{
    if (m_Etag == Etag)
        return;
    m_Etag = Etag;
    emit EtagChanged(Etag);
}

void DataTypeClass::setWordTrend(int wordTrend)
{
    if (m_wordTrend == wordTrend)
        return;
    m_wordTrend = wordTrend;
    emit wordTrendChanged(wordTrend);
}

void DataTypeClass::setSecondTrend(int secondTrend)
{
    if (m_secondTrend == secondTrend)
        return;
    m_secondTrend = secondTrend;
    emit secondTrendChanged(secondTrend);
}

void DataTypeClass::setSpeedTrend(int speedTrend)
{
    if (m_speedTrend == speedTrend)
        return;
    m_speedTrend = speedTrend;
    emit speedTrendChanged(speedTrend);
}

void DataTypeClass::setPushed(bool pushed)
{
    if (m_pushed == pushed)
        return;
    m_pushed = pushed;
    emit pushedChanged(pushed);
}

// ---- device entries -----------------------------------------------------------

QPointer<DeviceDataClass> DataTypeClass::thisDevice()
{
    if (m_thisDevice)
        return m_thisDevice;
    // An entry with this installation's id that lost its pointer is adopted
    // again rather than shadowed by a second one that would not be counted.
    const QString id = deviceID();
    for (const QPointer<DeviceDataClass>& e : qAsConst(m_deviceList)) {
        if (e && e->deviceId() == id) {
            m_thisDevice = e;
            return m_thisDevice;
        }
    }
    auto* entry = new DeviceDataClass(this);
    m_thisDevice = entry;
    const int now = StatsClock::currentSeconds();
    entry->setDeviceName(deviceName());
    entry->setDeviceId(id);
    entry->setBeginTime(now);
    entry->setEndTime(now);
    entry->setWords(0);
    entry->setSecond(0);
    entry->setMaxSpeed(0);
    addDeviceData(entry);
    return entry;
}

void DataTypeClass::addDeviceData(QPointer<DeviceDataClass> device)
{
    if (!device)
        return;
    if (device->deviceId() == deviceID())
        setThisDevice(device);
    bool known = false;
    for (const QPointer<DeviceDataClass>& e : qAsConst(m_deviceList)) {
        if (e && e->deviceId() == device->deviceId()) {
            known = true;
            break;
        }
    }
    if (known) {
        if (device->parent() != this)
            device->deleteLater();
    } else {
        device->setParent(this);
        m_deviceList.append(device);
    }
    if (!m_deviceIdList.contains(device->deviceId()))
        m_deviceIdList.append(device->deviceId());
}

bool DataTypeClass::inCurrentPeriod(int seconds) const
{
    switch (m_dataEnum) {
    case day: return StatsClock::isToday(seconds);
    case week: return StatsClock::isThisWeek(seconds);
    case month: return StatsClock::isThisMonth(seconds);
    case year: return StatsClock::isThisYear(seconds);
    default: return false;
    }
}

void DataTypeClass::updateFromDeviceData()
{
    int wordSum = 0;
    int secondSum = 0;
    for (const QPointer<DeviceDataClass>& e : qAsConst(m_deviceList)) {
        if (!e)
            continue;
        wordSum += e->words();
        secondSum += e->second();
        if (e->maxSpeed() > m_maxSpeed)
            setMaxSpeed(e->maxSpeed());
        if (m_beginTime > e->beginTime() && m_dataEnum != notSet) {
            if (inCurrentPeriod(e->beginTime()))
                setBeginTime(e->beginTime());
            else
                e->setBeginTime(m_beginTime);
        }
        if (m_endTime < e->endTime())
            setEndTime(e->endTime());
    }

    // Totals that no entry accounts for (a record written before entries
    // existed, or another device's share folded in) are added to this
    // installation's entry, so the entries cover the totals again. The
    // shortfall is added, never assigned: assigning would shrink the entry
    // and keep the record's totals from ever growing.
    if (wordSum < m_words || secondSum < m_second) {
        QPointer<DeviceDataClass> mine = thisDevice();
        const int wordShort = qMax(0, m_words - wordSum);
        const int secondShort = qMax(0, m_second - secondSum);
        mine->setSecond(mine->second() + secondShort);
        mine->setWords(mine->words() + wordShort);
        addDeviceData(mine);
        wordSum += wordShort;
        secondSum += secondShort;
    }
    if (wordSum > 0)
        setWords(wordSum);
    if (secondSum > 0)
        setSecond(secondSum);
    if (m_beginTime <= 0) {
        QPointer<DeviceDataClass> mine = thisDevice();
        if (mine->beginTime() > 0)
            setBeginTime(mine->beginTime());
    }
}

// ---- adding writing time --------------------------------------------------------

void DataTypeClass::addData(int second, int words, bool cleanData)
{
    const int now = StatsClock::currentSeconds();
    if (cleanData) {
        m_deviceIdList.clear();
        const QList<QPointer<DeviceDataClass>> entries = m_deviceList;
        m_deviceList.clear();
        for (const QPointer<DeviceDataClass>& e : entries)
            delete e.data();
        thisDevice();
        setBeginTime(now);
        setWords(0);
        setSecond(0);
        setMaxSpeed(0);
    }
    QPointer<DeviceDataClass> mine = thisDevice();
    // A count that follows the documents' result can fall: this
    // installation's share never goes below 0, and the total falls with it
    // (the entries must not come out short of the total).
    words = qMax(words, -mine->words());
    mine->setSecond(mine->second() + second);
    mine->setWords(mine->words() + words);
    if (words < 0)
        setWords(m_words + words);
    if (mine->beginTime() < 1)
        mine->setBeginTime(now);
    mine->setEndTime(now);
    emit mine->speedChanged();
    if (mine->second() != 0) {
        const int s = mine->words() * 60 / mine->second();
        if (s > mine->maxSpeed())
            mine->setMaxSpeed(s);
    } else if (mine->maxSpeed() < 0) {
        mine->setMaxSpeed(0);
    }
    updateFromDeviceData();
    emit dataChanged();
    setPushed(false);
}

void DataTypeClass::addTmpData(int second, int words, bool cleanData)
{
    if (!cleanData) {
        setTmpSecond(m_tmpSecond + second);
        setTmpWords(m_tmpWords + words);
        return;
    }
    setTmpSecond(second);
    setTmpWords(words);
    setTmpBeginTime(StatsClock::currentSeconds());
    setSecond(0);
    setWords(0);
    setMaxSpeed(0);
}

void DataTypeClass::resetTmpData()
{
    setTmpSecond(m_second);
    setTmpWords(m_words);
}

void DataTypeClass::updatePreviousData(QPointer<DataTypeClass> previous)
{
    if (!previous)
        return;
    if (previous->words() > 0)
        setWordTrend((m_words - previous->words()) * 100 / previous->words());
    if (previous->second() > 0)
        setSecondTrend((m_second - previous->second()) * 100 / previous->second());
    if (previous->speed() > 0)
        setSpeedTrend((speed() - previous->speed()) * 100 / previous->speed());
}

// ---- merging ----------------------------------------------------------------

bool DataTypeClass::samePeriod(int seconds, int otherSeconds, QString* failed) const
{
    const QDate a = StatsClock::dateOf(seconds);
    const QDate b = StatsClock::dateOf(otherSeconds);
    switch (m_dataEnum) {
    case day:
        *failed = QStringLiteral("dataTime.date() != otherDataTime.date()");
        return a == b;
    case week:
        *failed = QStringLiteral("monday != otherMonday");
        return StatsClock::mondayOf(a) == StatsClock::mondayOf(b);
    case month:
        *failed = QStringLiteral("dataTime.date().month() != otherDataTime.date().month()");
        return a.month() == b.month();
    case year:
        *failed = QStringLiteral("dataTime.date().year() != otherDataTime.date().year()");
        return a.year() == b.year();
    default:
        return true;
    }
}

bool DataTypeClass::mergeData(QPointer<DataTypeClass> other)
{
    if (!other)
        return false;
    if (other->dataEnum() != m_dataEnum) {
        logDebug(lcStats) << "m_dataEnum:" << m_dataEnum << "otherData->m_dataEnum:" << other->dataEnum();
        return false;
    }
    QString failed;
    if (!samePeriod(m_beginTime, other->beginTime(), &failed)) {
        logWarning(lcStats) << failed << StatsClock::dateOf(m_beginTime) << StatsClock::dateOf(other->beginTime())
             << other->toJson();
        return false;
    }

    for (const QString& id : other->deviceIdList()) {
        if (!m_deviceIdList.contains(id)) {
            m_deviceIdList.append(id);
            setPushed(false);
        }
    }

    bool otherHasEntries = false;
    for (const QPointer<DeviceDataClass>& d : other->m_deviceList)
        otherHasEntries = otherHasEntries || !d.isNull();

    if (!otherHasEntries) {
        if (other->second() > m_second || other->words() > m_words) {
            auto* entry = new DeviceDataClass(this);
            entry->setDeviceId(oldVersionDeviceId());
            entry->setDeviceName(QStringLiteral("OldVersion"));
            entry->setSecond(qMax(0, other->second() - m_second));
            entry->setWords(qMax(0, other->words() - m_words));
            entry->setBeginTime(other->beginTime());
            entry->setEndTime(other->endTime());
            entry->setMaxSpeed(other->maxSpeed());
            addDeviceData(entry);
            updateFromDeviceData();
            setPushed(false);
            delete other.data();
            return true;
        }
    }

    const QString myId = deviceID();
    int liveHere = 0;
    for (const QPointer<DeviceDataClass>& e : qAsConst(m_deviceList))
        liveHere += e ? 1 : 0;
    bool otherHasMine = false;
    for (const QPointer<DeviceDataClass>& d : other->m_deviceList)
        otherHasMine = otherHasMine || (d && d->deviceId() == myId);
    if (liveHere <= 1 && otherHasEntries && !otherHasMine) {
        const bool hasThisDeviceID = other->deviceIdList().contains(myId);
        QPointer<DeviceDataClass> mine = thisDevice();
        if (hasThisDeviceID) {
            mine->setBeginTime(other->beginTime());
            mine->setEndTime(other->endTime());
            // Counts never go below zero when the server copy is ahead.
            mine->setWords(qMax(0, m_words - other->words()));
            mine->setSecond(qMax(0, m_second - other->second()));
        } else {
            mine->setWords(m_words);
            mine->setSecond(m_second);
            mine->setMaxSpeed(m_maxSpeed);
        }
        logDebug(lcStats) << "hasThisDeviceID on server" << (hasThisDeviceID ? "true" : "false");
    }

    const QList<QPointer<DeviceDataClass>> incoming = other->m_deviceList;
    for (const QPointer<DeviceDataClass>& d : incoming) {
        if (!d)
            continue;
        bool found = false;
        for (int j = 0; j < m_deviceList.size(); ++j) {
            const QPointer<DeviceDataClass> e = m_deviceList.value(j);
            if (e.isNull()) {
                logDebug(lcStats) << "deviceList().value(j).isNull()";
                continue;
            }
            if (e->deviceId() != d->deviceId())
                continue;
            found = true;
            if (d->words() > e->words()) {
                e->setWords(d->words());
                setPushed(false);
            }
            if (d->second() > e->second()) {
                e->setSecond(d->second());
                setPushed(false);
            }
            if (d->beginTime() < e->beginTime()) {
                e->setBeginTime(d->beginTime());
                setPushed(false);
            }
            if (d->endTime() > e->endTime()) {
                e->setEndTime(d->endTime());
                setPushed(false);
            }
            if (d->maxSpeed() > e->maxSpeed()) {
                e->setMaxSpeed(d->maxSpeed());
                setPushed(false);
            }
            if (d->deviceName() != e->deviceName()) {
                e->setDeviceName(d->deviceName());
                setPushed(false);
            }
        }
        if (!found) {
            other->m_deviceList.removeAll(d);
            addDeviceData(d);
            setPushed(false);
        }
    }

    if (!m_pushed)
        updateFromDeviceData();
    other->deleteLater();
    return !m_pushed;
}

// ---- JSON ---------------------------------------------------------------------

QByteArray DataTypeClass::toJson()
{
    QJsonObject object;
    object.insert(QStringLiteral("BeginTime"), m_beginTime);
    QJsonArray ids;
    for (const QString& id : qAsConst(m_deviceIdList))
        ids.append(id);
    object.insert(QStringLiteral("DeviceIdList"), ids);
    QJsonArray devices;
    for (const QPointer<DeviceDataClass>& e : qAsConst(m_deviceList)) {
        if (!e)
            continue;
        QJsonObject d;
        d.insert(QStringLiteral("BeginTime"), e->beginTime());
        d.insert(QStringLiteral("DeviceId"), e->deviceId());
        d.insert(QStringLiteral("DeviceName"), e->deviceName());
        d.insert(QStringLiteral("EndTime"), e->endTime());
        d.insert(QStringLiteral("Second"), e->second());
        d.insert(QStringLiteral("Words"), e->words());
        devices.append(d);
    }
    object.insert(QStringLiteral("DeviceList"), devices);
    object.insert(QStringLiteral("EndTime"), m_endTime);
    object.insert(QStringLiteral("MaxSpeed"), m_maxSpeed);
    object.insert(QStringLiteral("Second"), m_second);
    object.insert(QStringLiteral("Words"), m_words);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

void DataTypeClass::fromJson(const QByteArray& json) { readJson(json); }

bool DataTypeClass::readJson(const QByteArray& json)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        setError(parseError.errorString());
        return false;
    }
    if (!doc.isObject())
        return false;
    const QJsonObject object = doc.object();
    setBeginTime(readInt(object, QStringLiteral("BeginTime")));
    setEndTime(readInt(object, QStringLiteral("EndTime")));
    setMaxSpeed(readInt(object, QStringLiteral("MaxSpeed")));
    setWords(readInt(object, QStringLiteral("Words")));
    setSecond(readInt(object, QStringLiteral("Second")));

    QList<QString> ids;
    for (const QJsonValue& v : object.value(QStringLiteral("DeviceIdList")).toArray())
        ids.append(v.toString());
    m_deviceIdList = ids;

    for (const QJsonValue& v : object.value(QStringLiteral("DeviceList")).toArray()) {
        if (!v.isObject())
            continue;
        const QJsonObject o = v.toObject();
        auto* entry = new DeviceDataClass(this);
        entry->setBeginTime(readInt(o, QStringLiteral("BeginTime")));
        entry->setEndTime(readInt(o, QStringLiteral("EndTime")));
        entry->setWords(readInt(o, QStringLiteral("Words")));
        entry->setSecond(readInt(o, QStringLiteral("Second")));
        entry->setDeviceId(readString(o, QStringLiteral("DeviceId")));
        entry->setMaxSpeed(readInt(o, QStringLiteral("MaxSpeed")));
        entry->setDeviceName(readString(o, QStringLiteral("DeviceName")));
        addDeviceData(entry);
    }

    if (m_beginTime == 0)
        setBeginTime(StatsClock::currentSeconds());
    updateFromDeviceData();
    setTmpBeginTime(m_beginTime);
    setTmpEndTime(m_endTime);
    setOk(true);
    return true;
}

void DataTypeClass::loadFromJsonFile(const QString& path)
{
    QFile file(path);
    if (!file.exists()) {
        setOk(false);
        return;
    }
    bool readable = file.open(QIODevice::ReadOnly);
    QByteArray bytes;
    if (readable) {
        bytes = file.readAll();
        readable = file.error() == QFileDevice::NoError;
        file.close();
    }
    if (readable && readJson(bytes))
        return;
    // A damaged or unreadable file is kept aside under another name, so the
    // next save starts a new file instead of replacing what may be months of
    // statistics. When it cannot be moved, it is never written over.
    setOk(false);
    logWarning(lcStats) << "damaged statistics file" << path << m_error;
    if (StatsFile::setAside(path).isEmpty())
        m_protectedPath = path;
}

UserFile::Result DataTypeClass::saveToJsonFile(const QString& path)
{
    if (samePath(m_protectedPath, path)) {
        logWarning(lcStats) << "refusing to write over a damaged file" << path;
        return { false, tr("文件已损坏且无法移开，未覆盖") };
    }
    return StatsFile::write(path, toJson());
}
