#ifndef DATATYPECLASS_H
#define DATATYPECLASS_H

#include "data/devicedataclass.h"
#include "support/userfile.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

// The writing statistics of one period (day, week, month or year): words,
// seconds, first and last moment of writing, best speed and one entry per
// installation that wrote in the period. Stored as JSON.
class DataTypeClass : public QObject
{
    Q_OBJECT
public:
    enum DataEnum { day = 0, week = 1, month = 2, year = 3, notSet = 4 };
    Q_ENUM(DataEnum)

private:
    Q_PROPERTY(bool ok READ ok WRITE setOk NOTIFY okChanged)
    Q_PROPERTY(QList<QPointer<DeviceDataClass>> deviceList READ deviceList NOTIFY deviceListChanged)
    Q_PROPERTY(int words READ words WRITE setWords NOTIFY wordsChanged)
    Q_PROPERTY(int second READ second WRITE setSecond NOTIFY secondChanged)
    Q_PROPERTY(QString Etag READ Etag WRITE setEtag NOTIFY EtagChanged)
    Q_PROPERTY(int speed READ speed NOTIFY speedChanged)
    Q_PROPERTY(int tmpSpeed READ tmpSpeed NOTIFY tmpSpeedChanged)
    Q_PROPERTY(int wordTrend READ wordTrend WRITE setWordTrend NOTIFY wordTrendChanged)
    Q_PROPERTY(int secondTrend READ secondTrend WRITE setSecondTrend NOTIFY secondTrendChanged)
    Q_PROPERTY(int speedTrend READ speedTrend WRITE setSpeedTrend NOTIFY speedTrendChanged)
    Q_PROPERTY(int tmpWords READ tmpWords WRITE setTmpWords NOTIFY tmpWordsChanged)
    Q_PROPERTY(int tmpSecond READ tmpSecond WRITE setTmpSecond NOTIFY tmpSecondChanged)
    Q_PROPERTY(int beginTime READ beginTime WRITE setBeginTime NOTIFY beginTimeChanged)
    Q_PROPERTY(int endTime READ endTime WRITE setEndTime NOTIFY endTimeChanged)
    Q_PROPERTY(int tmpBeginTime READ tmpBeginTime WRITE setTmpBeginTime NOTIFY tmpBeginTimeChanged)
    Q_PROPERTY(int tmpEndTime READ tmpEndTime WRITE setTmpEndTime NOTIFY tmpEndTimeChanged)
    Q_PROPERTY(DataEnum dataEnum READ dataEnum WRITE setDataEnum NOTIFY dataEnumChanged)
    Q_PROPERTY(int maxSpeed READ maxSpeed WRITE setMaxSpeed NOTIFY maxSpeedChanged)
    Q_PROPERTY(QString error READ error WRITE setError NOTIFY errorChanged)
    Q_PROPERTY(int code READ code WRITE setCode NOTIFY codeChanged)
    Q_PROPERTY(QList<QString> deviceIdList READ deviceIdList NOTIFY deviceIdListChanged)
    Q_PROPERTY(QPointer<DeviceDataClass> thisDevice READ thisDevice WRITE setThisDevice NOTIFY thisDeviceChanged)
    Q_PROPERTY(bool pushed READ pushed WRITE setPushed NOTIFY pushedChanged)

public:
    explicit DataTypeClass(DataEnum kind, QObject* parent = nullptr);

    // The id that stands for every copy written before device entries existed.
    static QString oldVersionDeviceId();

    bool ok() const { return m_ok; }
    QList<QPointer<DeviceDataClass>> deviceList() const { return m_deviceList; }
    int words() const { return m_words; }
    int second() const { return m_second; }
    QString Etag() const { return m_Etag; }
    int speed() const;
    int tmpSpeed() const;
    int wordTrend() const { return m_wordTrend; }
    int secondTrend() const { return m_secondTrend; }
    int speedTrend() const { return m_speedTrend; }
    int tmpWords() const { return m_tmpWords; }
    int tmpSecond() const { return m_tmpSecond; }
    int beginTime() const { return m_beginTime; }
    int endTime() const { return m_endTime; }
    int tmpBeginTime() const { return m_tmpBeginTime; }
    int tmpEndTime() const { return m_tmpEndTime; }
    DataEnum dataEnum() const { return m_dataEnum; }
    int maxSpeed() const { return m_maxSpeed; }
    QString error() const { return m_error; }
    int code() const { return m_code; }
    bool pushed() const { return m_pushed; }
    void setTmpBeginTime(int tmpBeginTime);
    void setTmpEndTime(int tmpEndTime);

    // This installation's entry, created on demand.
    QPointer<DeviceDataClass> thisDevice();
    void addDeviceData(QPointer<DeviceDataClass> device);
    void updateFromDeviceData();
    void updatePreviousData(QPointer<DataTypeClass> previous);
    // Folds another copy of the same period into this record and takes
    // ownership of it (unless it is refused); returns whether the record now
    // differs from what was last uploaded.
    bool mergeData(QPointer<DataTypeClass> other);

    QByteArray toJson();
    void fromJson(const QByteArray& json);
    void loadFromJsonFile(const QString& path);
    // Writes the record atomically; false when the file could not be
    // written (the previous file is then unchanged).
    UserFile::Result saveToJsonFile(const QString& path);

signals:
    void wordsChanged(int words);
    void secondChanged(int second);
    void beginTimeChanged(int beginTime);
    void endTimeChanged(int endTime);
    void EtagChanged(QString Etag);
    void speedChanged();
    void wordTrendChanged(int wordTrend);
    void secondTrendChanged(int secondTrend);
    void speedTrendChanged(int speedTrend);
    void maxSpeedChanged(int maxSpeed);
    void deviceListChanged(QList<QPointer<DeviceDataClass>> deviceList);
    void dataEnumChanged(DataEnum dataEnum);
    void thisDeviceChanged(QPointer<DeviceDataClass> thisDevice);
    void errorChanged(QString error);
    void codeChanged(int code);
    void okChanged(bool ok);
    void deviceIdListChanged(QList<QString> deviceIdList);
    void tmpWordsChanged(int tmpWords);
    void tmpSecondChanged(int tmpSecond);
    void dataChanged();
    void pushedChanged(bool pushed);
    void tmpBeginTimeChanged();
    void tmpEndTimeChanged();
    void tmpSpeedChanged();

public slots:
    void setWords(int words);
    void setSecond(int second);
    void setThisDevice(QPointer<DeviceDataClass> thisDevice);
    void setDataEnum(DataEnum dataEnum);
    void setMaxSpeed(int maxSpeed);
    QList<QString> deviceIdList() const { return m_deviceIdList; }
    void setError(const QString& error);
    void setCode(int code);
    void setOk(bool ok);
    void setTmpWords(int tmpWords);
    void setTmpSecond(int tmpSecond);
    void setBeginTime(int beginTime);
    void setEndTime(int endTime);
    void setEtag(const QString& Etag);
    void setWordTrend(int wordTrend);
    void setSecondTrend(int secondTrend);
    void setSpeedTrend(int speedTrend);
    void setPushed(bool pushed);
    // Adds one window of writing to this installation's share; words below
    // 0 (a result-based count that fell) take the share down, not below 0.
    void addData(int second, int words, bool cleanData);
    void addTmpData(int second, int words, bool cleanData);
    void resetTmpData();

private:
    // This installation's id (settings "countly/deviceId", a new UUID when
    // missing) and the machine's host name.
    static QString deviceID();
    static QString deviceName();

    bool readJson(const QByteArray& json);
    bool inCurrentPeriod(int seconds) const;
    bool samePeriod(int seconds, int otherSeconds, QString* failed) const;

    DataEnum m_dataEnum;
    int m_words = 0;
    int m_second = 0;
    int m_beginTime = 0;
    int m_endTime = 0;
    int m_tmpBeginTime = 0;
    int m_tmpEndTime = 0;
    QString m_Etag;
    int m_wordTrend = 0;
    int m_secondTrend = 0;
    int m_speedTrend = 0;
    int m_maxSpeed = 0;
    QPointer<DeviceDataClass> m_thisDevice;
    QString m_error;
    int m_code = 0;
    bool m_ok = false;
    QList<QString> m_deviceIdList;
    int m_tmpWords = 0;
    int m_tmpSecond = 0;
    QList<QPointer<DeviceDataClass>> m_deviceList;
    bool m_pushed = false;
    // A damaged file that could not be set aside: never written over.
    QString m_protectedPath;
};

Q_DECLARE_METATYPE(QPointer<DeviceDataClass>)
Q_DECLARE_METATYPE(QPointer<DataTypeClass>)

#endif
