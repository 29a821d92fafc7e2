#ifndef DEVICEDATACLASS_H
#define DEVICEDATACLASS_H

#include <QObject>
#include <QString>

// One installation's share of a period's writing statistics: a child of its
// DataTypeClass record.
class DeviceDataClass : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString deviceId READ deviceId WRITE setDeviceId NOTIFY deviceIdChanged)
    Q_PROPERTY(QString deviceName READ deviceName WRITE setDeviceName NOTIFY deviceNameChanged)
    Q_PROPERTY(int words READ words WRITE setWords NOTIFY wordsChanged)
    Q_PROPERTY(int second READ second WRITE setSecond NOTIFY secondChanged)
    Q_PROPERTY(int beginTime READ beginTime WRITE setBeginTime NOTIFY beginTimeChanged)
    Q_PROPERTY(int endTime READ endTime WRITE setEndTime NOTIFY endTimeChanged)
    Q_PROPERTY(int maxSpeed READ maxSpeed WRITE setMaxSpeed NOTIFY maxSpeedChanged)
    Q_PROPERTY(int speed READ speed NOTIFY speedChanged)

public:
    explicit DeviceDataClass(QObject* parent = nullptr);

    QString deviceId() const { return m_deviceId; }
    QString deviceName() const { return m_deviceName; }
    int words() const { return m_words; }
    int second() const { return m_second; }
    int beginTime() const { return m_beginTime; }
    int endTime() const { return m_endTime; }
    int maxSpeed() const { return m_maxSpeed; }
    // Words per minute, 0 without writing time.
    int speed() const;

signals:
    void speedChanged();
    void deviceIdChanged(QString deviceId);
    void deviceNameChanged(QString deviceName);
    void wordsChanged(int words);
    void secondChanged(int second);
    void beginTimeChanged(int beginTime);
    void endTimeChanged(int endTime);
    void maxSpeedChanged(int maxSpeed);

public slots:
    void setDeviceId(const QString& deviceId);
    void setDeviceName(const QString& deviceName);
    void setWords(int words);
    void setSecond(int second);
    void setBeginTime(int beginTime);
    void setEndTime(int endTime);
    void setMaxSpeed(int maxSpeed);

private:
    QString m_deviceId;
    QString m_deviceName;
    int m_words = 0;
    int m_second = 0;
    int m_beginTime = 0;
    int m_endTime = 0;
    int m_maxSpeed = 0;
};

#endif
