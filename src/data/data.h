#ifndef DATA_H
#define DATA_H

#include "chapter/wordcountmodel.h"
#include "data/countchartsmodel.h"
#include "data/datatypeclass.h"
#include "data/points.h"
#include "data/resultcounttype.h"

#include <QAtomicPointer>
#include <QDate>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QUrl>

class QTimer;

// The writing-statistics store ("g_data"). Counting threads report each open
// document's total; a 1 s heartbeat turns growth into live tick figures and,
// every 20 s, into a counted window that is added to today's, this week's,
// this month's and this year's records (JSON files in the statistics
// folder) and runs the writing-lock targets down. The live records follow
// the clock's periods: a period the clock leaves, in either direction, keeps
// its file as last written, and the one it comes to continues from its own
// file. With "today's count follows the result" on, today's record follows
// the day's net change of the opened documents instead of the typed words.
class data : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int lockSecond READ lockSecond WRITE setLockSecond NOTIFY lockSecondChanged)
    Q_PROPERTY(int lockWord READ lockWord WRITE setLockWord NOTIFY lockWordChanged)
    Q_PROPERTY(bool lockState READ lockState WRITE setLockState NOTIFY lockStateChanged)
    Q_PROPERTY(DataTypeClass* todayData READ todayData WRITE setTodayData NOTIFY todayDataChanged)
    Q_PROPERTY(DataTypeClass* thisWeekData READ thisWeekData WRITE setThisWeekData NOTIFY thisWeekDataChanged)
    Q_PROPERTY(DataTypeClass* thisMonthData READ thisMonthData WRITE setThisMonthData NOTIFY thisMonthDataChanged)
    Q_PROPERTY(DataTypeClass* thisYearData READ thisYearData WRITE setThisYearData NOTIFY thisYearDataChanged)
    Q_PROPERTY(int updateTime READ updateTime WRITE setUpdateTime NOTIFY updateTimeChanged)
    Q_PROPERTY(CountChartsModel* dayWordModel READ dayWordModel NOTIFY dayWordModelChanged)
    Q_PROPERTY(CountChartsModel* daySpeedModel READ daySpeedModel NOTIFY dayspeedModelChanged)
    Q_PROPERTY(CountChartsModel* dayTimeModel READ dayTimeModel NOTIFY dayTimeModelChanged)

public:
    static data* instance();

    // A store of its own. The application uses only instance(); tests build
    // stores without a running heartbeat and drive it by hand.
    explicit data(bool runHeartBeat);
    ~data() override;

    int lockSecond() const { return m_lockSecond; }
    int lockWord() const { return m_lockWord; }
    bool lockState() const { return m_lockState; }
    int updateTime() const { return m_updateTime; }

    QPointer<DataTypeClass> todayData();
    QPointer<DataTypeClass> thisWeekData();
    QPointer<DataTypeClass> thisMonthData();
    QPointer<DataTypeClass> thisYearData();
    QPointer<DataTypeClass> getRankingTodayData() { return todayData(); }

    CountChartsModel* dayWordModel();
    CountChartsModel* daySpeedModel();
    CountChartsModel* dayTimeModel();
    void reloadDayWordModel();
    void reloadDaySpeedModel();
    void reloadDayTimeModel();
    void reloadDayAllModel();

    Q_INVOKABLE WordCountModel* wordCountModel();
    Q_INVOKABLE Points* points();
    // The latest word total of an open document, reported by its counter.
    Q_INVOKABLE void setFileData(const QUrl& fileUrl, int fileNumber);
    void setFileData(const QString& path, int number);
    // The same under a document's key (fileKey()), for a caller that
    // reports one document often: the key costs a look at the settings and
    // the document folder.
    void setFileKeyData(const QString& key, int number);
    // A document counted again by other counting rules: its new count is
    // its baseline, no writing.
    void rebaseFileKeyData(const QString& key, int number);
    // A document's key in the per-document table: its path within the
    // document folder, "/"-separated; empty for a resource (":/...").
    static QString fileKey(const QString& path);

    // Statistics files of the statistics folder.
    static QString fileName(const QDate& date, DataTypeClass::DataEnum kind);
    // The per-document table of a day, within the statistics folder.
    static QString tableName(const QDate& date);
    DataTypeClass* getDataFromFile(const QDate& date, DataTypeClass::DataEnum kind);
    // Writes a record to the file of its period: a live record to that of
    // the period it was read for, any other to that of the current date.
    bool saveDataToFile(QPointer<DataTypeClass> record, DataTypeClass::DataEnum kind);
    DataTypeClass* getDateData(const QDate& date, DataTypeClass::DataEnum kind, bool previous);
    // Writes a per-document day table to the file of its date (the current
    // date when it has none).
    bool saveLocalFileData(const resultCountType& table);
    resultCountType getLocalFileData(const QDate& date);
    static QByteArray fileTableJson(const resultCountType& table, bool indented);

    void updateNewDayData();
    resultCountType fileDayCount() const { return m_fileDayCount; }

signals:
    void finished(QPointer<DataTypeClass> record, DataTypeClass::DataEnum type);
    void lockSecondChanged(int lockSecond);
    void lockWordChanged(int lockWord);
    void todayDataChanged(QPointer<DataTypeClass> todayData);
    void thisWeekDataChanged(QPointer<DataTypeClass> thisWeekData);
    void thisMonthDataChanged(QPointer<DataTypeClass> thisMonthData);
    void thisYearDataChanged(QPointer<DataTypeClass> thisYearData);
    void updateTimeChanged(int updateTime);
    void dayDataChanged(QPointer<DataTypeClass> record);
    void lockStateChanged(bool lockState);
    void addWordsChanged(int words, int seconds);
    void dayWordModelChanged();
    void dayspeedModelChanged();
    void dayTimeModelChanged();

public slots:
    void syncServerData(bool showTips = false);
    void setLockSecond(int lockSecond);
    void setLockWord(int lockWord);
    void setTodayData(QPointer<DataTypeClass> record);
    void setThisWeekData(QPointer<DataTypeClass> record);
    void setThisMonthData(QPointer<DataTypeClass> record);
    void setThisYearData(QPointer<DataTypeClass> record);
    void setUpdateTime(int updateTime);
    void setLockState(bool lockState);

private slots:
    void heartBeat();
    void pushFinished(QPointer<DataTypeClass> record, DataTypeClass::DataEnum type);
    void loadHistoryData();

private:
    void loadData();
    void saveData();
    void checkNewDay();
    // One window: second and words to the week, month and year records,
    // second and todayWords to today's (todayWords differs with a
    // result-based count).
    void addWindow(int second, int words, int todayWords);
    void addTodayTmpData(int second, int words);
    void resetTmpData();
    static int getAndResetAddNumber(resultCountType& table);
    QPointer<DataTypeClass>& liveRecord(DataTypeClass::DataEnum kind);
    QDate& livePeriod(DataTypeClass::DataEnum kind);
    QPointer<DataTypeClass> loadLive(DataTypeClass::DataEnum kind);
    DataTypeClass* readLive(DataTypeClass::DataEnum kind, const QDate& date);
    bool saveRecord(QPointer<DataTypeClass> record, DataTypeClass::DataEnum kind, const QDate& date);
    // The per-document table of the day: a document's first report since
    // the table was read moves its baseline by what changed meanwhile, so
    // only changes made on the table's day count in its result.
    void startDayTable(const QDate& date);
    void readDayTable(const QDate& date);
    // With the result-based count: the day's result not yet in today's
    // record goes in, before the record gives way to another day's or
    // another account's, or the program ends.
    void bookResult();
    // Makes the statistics folder the account's (StatsFolder::adopt) and,
    // when another account's statistics were live, loads the account's
    // own. False when the folder is not the account's.
    bool adoptAccount(const QString& login);
    void reportDayCount(const QString& key, int number);
    int dayResult() const;
    void replaceLive(DataTypeClass::DataEnum kind, QPointer<DataTypeClass> record);
    QString recordPath(const QDate& date, DataTypeClass::DataEnum kind) const;
    void reportSave(const QString& path, const UserFile::Result& written);
    CountChartsModel* chartModel(QPointer<CountChartsModel>& model, int which);
    CountChartsModel* chart(int which);
    void rebuildChart(int which);
    int liveChartValue(int which);

    static QAtomicPointer<data> self;
    static QMutex mutex;

    resultCountType m_fileDayCount;
    resultCountType m_windowCount;
    resultCountType m_tickCount;
    int m_lockSecond = 0;
    int m_lockWord = 0;
    int m_updateTime = 0;
    bool m_lockState = false;
    QPointer<Points> m_points;
    bool m_showTips = false;
    QPointer<WordCountModel> m_wordCountModel;
    QPointer<DataTypeClass> m_todayData;
    QPointer<DataTypeClass> m_thisWeekData;
    QPointer<DataTypeClass> m_thisMonthData;
    QPointer<DataTypeClass> m_thisYearData;
    QDate m_livePeriods[4]; // the date each live record was read for
    QSet<QString> m_dayReported;
    bool m_dayTableChanged = false;
    // The day's result already in today's record.
    int m_resultBooked = 0;
    // The account the statistics folder belongs to (empty: nobody's), and
    // a count of the accounts taken up, which tells a sync's replies apart.
    QString m_owner;
    int m_generation = 0;
    QPointer<CountChartsModel> m_dayWordModel;
    QPointer<CountChartsModel> m_daySpeedModel;
    QPointer<CountChartsModel> m_dayTimeModel;
    QTimer* m_timer = nullptr;
};

#endif
