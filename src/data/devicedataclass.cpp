#include "devicedataclass.h"

DeviceDataClass::DeviceDataClass(QObject* parent)
    : QObject(parent)
{
}

int DeviceDataClass::speed() const { return m_second == 0 ? 0 : m_words * 60 / m_second; }

void DeviceDataClass::setDeviceId(const QString& deviceId)
{
    if (m_deviceId == deviceId)
        return;
    m_deviceId = deviceId;
    emit deviceIdChanged(deviceId);
}

void DeviceDataClass::setDeviceName(const QString& deviceName)
{
    if (m_deviceName == deviceName)
        return;
    m_deviceName = deviceName;
    emit deviceNameChanged(deviceName);
}

void DeviceDataClass::setWords(int words)
{
    if (m_words == words)
        return;
    m_words = words;
    emit wordsChanged(words);
}

void DeviceDataClass::setSecond(int second)
{
    if (m_second == second)
        return;
    m_second = second;
    emit secondChanged(second);
}

void DeviceDataClass::setBeginTime(int beginTime)
{
    if (m_beginTime == beginTime)
        return;
    m_beginTime = beginTime;
    emit beginTimeChanged(beginTime);
}

void DeviceDataClass::setEndTime(int endTime)
{
    if (m_endTime == endTime)
        return;
    m_endTime = endTime;
    emit endTimeChanged(endTime);
}

void DeviceDataClass::setMaxSpeed(int maxSpeed)
{
    if (m_maxSpeed == maxSpeed)
        return;
    m_maxSpeed = maxSpeed;
    emit maxSpeedChanged(maxSpeed);
}
