#include "data.h"

#include "chapter/wordcountmodel.h"
#include "data/countchartsmodel.h"
#include "data/breply.h"
#include "data/datatypereply.h"
#include "data/global.h"
#include "data/resultcountreply.h"
#include "data/points.h"
#include "data/settingsfile.h"
#include "data/statsclock.h"
#include "data/statsfile.h"
#include "data/statsfolder.h"
#include "function/datareply.h"
#include "TovaUi/function/message.h"
#include "TovaUi/function/settingsgate.h"
#include "function/oss.h"
#include "support/log.h"
#include "support/writenotice.h"
#include "users/userdatas.h"
#include "users/userinfo.h"
#include "users/users.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QCoreApplication>
#include <QMutexLocker>
#include <QSettings>
#include <QTimer>

namespace {
const int kWindowSeconds = 20;
const int kMaxWindowWords = 49;

enum Chart { WordChart = 0, SpeedChart = 1, TimeChart = 2 };

const DataTypeClass::DataEnum kPeriods[] = { DataTypeClass::day, DataTypeClass::week, DataTypeClass::month,
                                             DataTypeClass::year };
} // namespace

QAtomicPointer<data> data::self;
QMutex data::mutex;

data* data::instance()
{
    data* d = self.loadAcquire();
    if (!d) {
        QMutexLocker lock(&mutex);
        d = self.loadAcquire();
        if (!d) {
            d = new data(true);
            self.storeRelease(d);
        }
    }
    return d;
}

data::data(bool runHeartBeat)
    : QObject(nullptr)
{
    // Records once named under another locale's digits join the ones of
    // their ASCII names before anything is read.
    StatsFolder::foldForeignNames(global::countDataPath());
    m_owner = StatsFolder::owner(global::countDataPath());
    loadData();
    // The day's table carries on from its file, so a result-based count
    // survives a restart.
    m_fileDayCount = getLocalFileData(StatsClock::today());
    m_resultBooked = dayResult();
    loadHistoryData();
    connect(this, &data::finished, this, &data::pushFinished);
    connect(Users::instance()->getUserInfo(), &UserInfo::loginFinished, this, [this]() { syncServerData(); });
    m_updateTime = kWindowSeconds;
    m_timer = new QTimer();
    connect(m_timer, &QTimer::timeout, this, &data::heartBeat);
    if (runHeartBeat)
        m_timer->start(1000);
    // The store lives until the process ends and is never destroyed, so the
    // end-of-run figures are written when the event loop finishes instead.
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &data::saveData);
}

data::~data()
{
    saveData();
    delete m_timer;
}

void data::loadData()
{
    QSettings s;
    m_lockSecond = s.value(QStringLiteral("lock/second"), 0).toInt();
    m_lockWord = s.value(QStringLiteral("lock/words"), 0).toInt();
    if (m_lockSecond >= 1 || m_lockWord >= 1)
        setLockState(true);
}

void data::saveData()
{
    bookResult();
    QPointer<DataTypeClass> today = todayData();
    const SettingsGate gate;
    QSettings s;
    s.setValue(QStringLiteral("Data/Words"), today->words());
    s.setValue(QStringLiteral("Data/Second"), today->second());
    s.setValue(QStringLiteral("Data/BeginTime"), today->beginTime());
    s.setValue(QStringLiteral("Data/EndTime"), today->endTime());
    s.setValue(QStringLiteral("Data/tmpBeginTime"), today->tmpBeginTime());
    s.setValue(QStringLiteral("Data/tmpEndTime"), today->tmpEndTime());
    s.setValue(QStringLiteral("Data/DeviceId"), QStringList(today->deviceIdList()).join(QStringLiteral("|||")));
    SettingsFile::commit(s);
    for (DataTypeClass::DataEnum kind : kPeriods)
        saveDataToFile(liveRecord(kind), kind);
    saveLocalFileData(m_fileDayCount);
}

// ---- simple properties ------------------------------------------------------

void data::setLockSecond(int lockSecond)
{
    if (m_lockSecond == lockSecond)
        return;
    SettingsFile::store(QStringLiteral("lock/second"), lockSecond);
    m_lockSecond = lockSecond;
    emit lockSecondChanged(lockSecond);
}

void data::setLockWord(int lockWord)
{
    if (m_lockWord == lockWord)
        return;
    SettingsFile::store(QStringLiteral("lock/words"), lockWord);
    m_lockWord = lockWord;
    emit lockWordChanged(lockWord);
}

void data::setLockState(bool lockState)
{
    if (m_lockState == lockState)
        return;
    m_lockState = lockState;
    emit lockStateChanged(lockState);
}

void data::setUpdateTime(int updateTime)
{
    if (m_updateTime == updateTime)
        return;
    m_updateTime = updateTime;
    emit updateTimeChanged(updateTime);
}

WordCountModel* data::wordCountModel()
{
    if (!m_wordCountModel)
        m_wordCountModel = new WordCountModel();
    return m_wordCountModel;
}

Points* data::points()
{
    if (!m_points)
        m_points = new Points();
    return m_points;
}

// ---- live records -------------------------------------------------------------

QPointer<DataTypeClass>& data::liveRecord(DataTypeClass::DataEnum kind)
{
    switch (kind) {
    case DataTypeClass::week: return m_thisWeekData;
    case DataTypeClass::month: return m_thisMonthData;
    case DataTypeClass::year: return m_thisYearData;
    default: return m_todayData;
    }
}

QDate& data::livePeriod(DataTypeClass::DataEnum kind)
{
    return m_livePeriods[kind >= DataTypeClass::day && kind <= DataTypeClass::year ? kind : DataTypeClass::day];
}

QPointer<DataTypeClass> data::loadLive(DataTypeClass::DataEnum kind)
{
    QPointer<DataTypeClass>& held = liveRecord(kind);
    if (!held)
        held = readLive(kind, StatsClock::today());
    return held;
}

// The record of the period that holds the date, read from its file. Every
// change rewrites that same file at once, whatever the clock says by then.
DataTypeClass* data::readLive(DataTypeClass::DataEnum kind, const QDate& date)
{
    DataTypeClass* read = getDataFromFile(date, kind);
    QPointer<DataTypeClass> record = read;
    livePeriod(kind) = date;
    if (kind == DataTypeClass::day)
        points()->setTodayData(record);
    connect(read, &DataTypeClass::dataChanged, this, [this, record, kind, date]() { saveRecord(record, kind, date); });
    return read;
}

QPointer<DataTypeClass> data::todayData() { return loadLive(DataTypeClass::day); }
QPointer<DataTypeClass> data::thisWeekData() { return loadLive(DataTypeClass::week); }
QPointer<DataTypeClass> data::thisMonthData() { return loadLive(DataTypeClass::month); }
QPointer<DataTypeClass> data::thisYearData() { return loadLive(DataTypeClass::year); }

void data::replaceLive(DataTypeClass::DataEnum kind, QPointer<DataTypeClass> record)
{
    QPointer<DataTypeClass>& held = liveRecord(kind);
    if (held == record)
        return;
    if (held)
        held->deleteLater();
    held = record;
    switch (kind) {
    case DataTypeClass::week: emit thisWeekDataChanged(record); break;
    case DataTypeClass::month: emit thisMonthDataChanged(record); break;
    case DataTypeClass::year: emit thisYearDataChanged(record); break;
    default: emit todayDataChanged(record); break;
    }
}

void data::setTodayData(QPointer<DataTypeClass> record) { replaceLive(DataTypeClass::day, record); }
void data::setThisWeekData(QPointer<DataTypeClass> record) { replaceLive(DataTypeClass::week, record); }
void data::setThisMonthData(QPointer<DataTypeClass> record) { replaceLive(DataTypeClass::month, record); }
void data::setThisYearData(QPointer<DataTypeClass> record) { replaceLive(DataTypeClass::year, record); }

// ---- files ------------------------------------------------------------------------

QString data::fileName(const QDate& date, DataTypeClass::DataEnum kind)
{
    switch (kind) {
    case DataTypeClass::day:
    case DataTypeClass::notSet:
        return QStringLiteral("day/") + StatsFolder::dateText(date, QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".json");
    case DataTypeClass::week:
        return QStringLiteral("week/") + StatsFolder::dateText(StatsClock::mondayOf(date), QStringLiteral("yyyy-MM-dd"))
            + QStringLiteral(".json");
    case DataTypeClass::month:
        return QStringLiteral("month/") + StatsFolder::dateText(date, QStringLiteral("yyyy-MM")) + QStringLiteral(".json");
    case DataTypeClass::year:
        return QStringLiteral("year/") + StatsFolder::dateText(date, QStringLiteral("yyyy")) + QStringLiteral(".json");
    }
    return QStringLiteral(".json");
}

QString data::tableName(const QDate& date)
{
    return QStringLiteral("day/") + StatsFolder::dateText(date, QStringLiteral("yyyy-MM-dd")) + QStringLiteral("_file.json");
}

QString data::recordPath(const QDate& date, DataTypeClass::DataEnum kind) const
{
    return global::countDataPath() + QLatin1Char('/') + fileName(date, kind);
}

DataTypeClass* data::getDataFromFile(const QDate& date, DataTypeClass::DataEnum kind)
{
    auto* record = new DataTypeClass(kind);
    record->loadFromJsonFile(recordPath(date, kind));
    return record;
}

bool data::saveDataToFile(QPointer<DataTypeClass> record, DataTypeClass::DataEnum kind)
{
    const bool live = record && record == liveRecord(kind) && livePeriod(kind).isValid();
    return saveRecord(record, kind, live ? livePeriod(kind) : StatsClock::today());
}

bool data::saveRecord(QPointer<DataTypeClass> record, DataTypeClass::DataEnum kind, const QDate& date)
{
    if (!record)
        return false;
    const QString path = recordPath(date, kind);
    if (kind == DataTypeClass::notSet)
        logDebug(lcStats) << "notSet" << path;
    const UserFile::Result written = record->saveToJsonFile(path);
    reportSave(path, written);
    return bool(written);
}

// The records are written again at every change: a file is reported once
// until a write of it succeeds.
void data::reportSave(const QString& path, const UserFile::Result& written)
{
    WriteNotice::track(tr("字数统计保存失败") + QStringLiteral(": "), path, written);
}

DataTypeClass* data::getDateData(const QDate& date, DataTypeClass::DataEnum kind, bool previous)
{
    if (!previous)
        return getDataFromFile(date, kind);
    switch (kind) {
    case DataTypeClass::week: return getDataFromFile(date.addDays(-7), kind);
    case DataTypeClass::month: return getDataFromFile(date.addMonths(-1), kind);
    case DataTypeClass::year: return getDataFromFile(date.addYears(-1), kind);
    default: return getDataFromFile(date.addDays(-1), kind);
    }
}

void data::loadHistoryData()
{
    for (DataTypeClass::DataEnum kind : kPeriods) {
        DataTypeClass* previous = getDateData(StatsClock::today(), kind, true);
        loadLive(kind)->updatePreviousData(previous);
        delete previous;
    }
}

QByteArray data::fileTableJson(const resultCountType& table, bool indented)
{
    QJsonArray array;
    for (auto it = table.initi.constBegin(); it != table.initi.constEnd(); ++it) {
        QJsonObject o;
        o.insert(QStringLiteral("path"), it.key());
        o.insert(QStringLiteral("now"), table.now.value(it.key(), 0));
        o.insert(QStringLiteral("initi"), it.value());
        array.append(o);
    }
    return QJsonDocument(array).toJson(indented ? QJsonDocument::Indented : QJsonDocument::Compact);
}

bool data::saveLocalFileData(const resultCountType& table)
{
    const QDate date = table.date.isValid() ? table.date : StatsClock::today();
    const QString path = global::countDataPath() + QLatin1Char('/') + tableName(date);
    const UserFile::Result written = StatsFile::write(path, fileTableJson(table, true));
    reportSave(path, written);
    return bool(written);
}

resultCountType data::getLocalFileData(const QDate& date)
{
    resultCountType result;
    result.date = date;
    QFile file(global::countDataPath() + QLatin1Char('/') + tableName(date));
    if (!file.open(QIODevice::ReadOnly))
        return result;
    for (const QJsonValue& v : QJsonDocument::fromJson(file.readAll()).array()) {
        if (!v.isObject())
            continue;
        const QJsonObject o = v.toObject();
        const QString key = o.value(QStringLiteral("path")).toString();
        result.now.insert(key, o.value(QStringLiteral("now")).toInt());
        result.initi.insert(key, o.value(QStringLiteral("initi")).toInt());
    }
    return result;
}

// ---- counting -----------------------------------------------------------------------

void data::setFileData(const QUrl& fileUrl, int fileNumber) { setFileData(fileUrl.toLocalFile(), fileNumber); }

void data::setFileData(const QString& path, int number)
{
    const QString key = fileKey(path);
    if (!key.isEmpty())
        setFileKeyData(key, number);
}

QString data::fileKey(const QString& path)
{
    if (path.isEmpty() || path.startsWith(QLatin1Char(':')))
        return QString();
    QString key = path;
    const QString documents = global::documentPath();
    if (key.startsWith(documents))
        key = key.mid(documents.size());
    if (key.startsWith(QLatin1Char('/')))
        key = key.mid(1);
    key.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return key;
}

void data::setFileKeyData(const QString& key, int number)
{
    reportDayCount(key, number);
    for (resultCountType* table : { &m_windowCount, &m_tickCount }) {
        if (!table->initi.contains(key))
            table->initi.insert(key, number);
        table->now.insert(key, number);
    }
}

// The document's count becomes the number without any change: its
// baseline moves with it.
static void rebaseCount(resultCountType& table, const QString& key, int number)
{
    if (table.initi.contains(key))
        table.initi[key] += number - table.now.value(key, table.initi.value(key));
    else
        table.initi.insert(key, number);
    table.now.insert(key, number);
}

void data::rebaseFileKeyData(const QString& key, int number)
{
    m_dayReported.insert(key);
    for (resultCountType* table : { &m_fileDayCount, &m_windowCount, &m_tickCount })
        rebaseCount(*table, key, number);
    m_dayTableChanged = true;
}

void data::reportDayCount(const QString& key, int number)
{
    // A document the table knows from its file: what changed while the
    // table was not watching (another day on the clock, the program closed)
    // is no change of this day.
    if (!m_dayReported.contains(key)) {
        m_dayReported.insert(key);
        rebaseCount(m_fileDayCount, key, number);
    }
    m_fileDayCount.now.insert(key, number);
    m_dayTableChanged = true;
}

int data::dayResult() const
{
    int sum = 0;
    for (auto it = m_fileDayCount.initi.constBegin(); it != m_fileDayCount.initi.constEnd(); ++it)
        sum += m_fileDayCount.now.value(it.key(), it.value()) - it.value();
    return sum;
}

// The day the clock leaves keeps its table; the day it comes to continues
// from its own, and every document reported so far starts in it at its
// current count.
void data::startDayTable(const QDate& date)
{
    saveLocalFileData(m_fileDayCount);
    readDayTable(date);
}

// Documents open now enter the table at their current count: no change.
void data::readDayTable(const QDate& date)
{
    m_fileDayCount = getLocalFileData(date);
    m_dayReported.clear();
    for (auto it = m_tickCount.now.constBegin(); it != m_tickCount.now.constEnd(); ++it)
        reportDayCount(it.key(), it.value());
    m_resultBooked = dayResult();
}

int data::getAndResetAddNumber(resultCountType& table)
{
    int sum = 0;
    for (auto it = table.initi.begin(); it != table.initi.end(); ++it) {
        const int current = table.now.value(it.key(), 0);
        if (it.value() < current)
            sum += current - it.value();
        it.value() = current;
    }
    return sum;
}

void data::heartBeat()
{
    checkNewDay();
    setUpdateTime(m_updateTime - 1);
    if (m_updateTime <= 0) {
        const int n = getAndResetAddNumber(m_windowCount);
        emit addWordsChanged(qMax(n, 0), kWindowSeconds);
        const bool counted = n >= 1 && n <= kMaxWindowWords;
        // With the result-based count, today takes the change of the day's
        // result, pastes and deletions included; the other records, the
        // lock and the challenge keep to the typed words.
        const int result = dayResult();
        const int resultChange = result - m_resultBooked;
        m_resultBooked = result;
        const bool byResult = global::instance()->wordResult();
        if (counted || (byResult && resultChange != 0))
            addWindow(counted ? kWindowSeconds : 0, counted ? n : 0, byResult ? resultChange : n);
        if (m_dayTableChanged) {
            m_dayTableChanged = false;
            saveLocalFileData(m_fileDayCount);
        }
        if (counted) {
            setLockWord(qMax(0, m_lockWord - n));
            setLockSecond(qMax(0, m_lockSecond - kWindowSeconds));
            if (m_lockWord <= 0 && m_lockSecond <= 0)
                setLockState(false);
        }
        // Stored without a signal: a bound view shows 0 until the next tick.
        m_updateTime = kWindowSeconds;
        syncServerData(false);
        resetTmpData();
    }
    const int t = getAndResetAddNumber(m_tickCount);
    if (t <= kMaxWindowWords)
        addTodayTmpData(1, t);
    if (global::instance()->wordResult())
        todayData()->setTmpWords(todayData()->words() + dayResult() - m_resultBooked);
}

// The live records follow the clock's periods, whichever way it moved: a
// record is never started afresh over what its period's file holds, so a
// clock stepped back, or set ahead and corrected, empties no stored record.
void data::checkNewDay()
{
    const QDate today = StatsClock::today();
    // The day's result so far belongs to the day the clock leaves.
    if (m_fileDayCount.date != today)
        bookResult();
    bool moved = false;
    for (DataTypeClass::DataEnum kind : kPeriods) {
        loadLive(kind);
        if (fileName(livePeriod(kind), kind) == fileName(today, kind))
            continue;
        replaceLive(kind, readLive(kind, today));
        moved = true;
    }
    if (m_fileDayCount.date != today)
        startDayTable(today);
    // A period without a file yet begins now, and its file is written.
    for (DataTypeClass::DataEnum kind : kPeriods) {
        QPointer<DataTypeClass> record = loadLive(kind);
        if (record->beginTime() > 0)
            continue;
        record->addData(0, 0, true);
        record->setTmpBeginTime(record->beginTime());
    }
    if (moved) {
        loadHistoryData();
        reloadDayAllModel();
    }
}

void data::bookResult()
{
    if (!global::instance()->wordResult())
        return;
    const int change = dayResult() - m_resultBooked;
    m_resultBooked += change;
    if (change != 0)
        todayData()->addData(0, change, false);
}

bool data::adoptAccount(const QString& login)
{
    const QString root = global::countDataPath();
    if (login.isEmpty())
        return false;
    const QString held = StatsFolder::owner(root);
    if (held == login && m_owner == login)
        return true;
    if (held != login) {
        // Everything of the folder's owner is in its files before they go
        // (the records are, from their every change).
        bookResult();
        if (m_dayTableChanged) {
            m_dayTableChanged = false;
            saveLocalFileData(m_fileDayCount);
        }
        const StatsFolder::Adoption adoption = StatsFolder::adopt(root, login);
        if (adoption == StatsFolder::Adoption::Failed) {
            m_owner = held;
            return false;
        }
        if (adoption == StatsFolder::Adoption::Taken) {
            m_owner = login;
            return true;
        }
    }
    // The account's own statistics are live from now on; replies of syncs
    // started for another account are not taken in.
    m_owner = login;
    ++m_generation;
    StatsFolder::foldForeignNames(root);
    const QDate today = StatsClock::today();
    for (DataTypeClass::DataEnum kind : kPeriods)
        replaceLive(kind, readLive(kind, today));
    readDayTable(today);
    loadHistoryData();
    reloadDayWordModel();
    reloadDaySpeedModel();
    reloadDayTimeModel();
    return true;
}

void data::addWindow(int second, int words, int todayWords)
{
    for (DataTypeClass::DataEnum kind : kPeriods) {
        const int added = kind == DataTypeClass::day ? todayWords : words;
        if (second != 0 || added != 0)
            loadLive(kind)->addData(second, added, false);
    }
    loadHistoryData();
    reloadDayAllModel();
}

// checkNewDay has made every live record the current period's.
void data::addTodayTmpData(int second, int words)
{
    for (DataTypeClass::DataEnum kind : kPeriods)
        loadLive(kind)->addTmpData(second, words, false);
    reloadDayAllModel();
}

void data::resetTmpData()
{
    for (DataTypeClass::DataEnum kind : kPeriods)
        loadLive(kind)->resetTmpData();
}

void data::updateNewDayData()
{
    if (StatsClock::isToday(todayData()->beginTime()))
        return;
    loadData();
    loadHistoryData();
    reloadDayWordModel();
    reloadDaySpeedModel();
    reloadDayTimeModel();
}

// ---- server sync ----------------------------------------------------------------------

namespace {
// Object keys of the statistics in the bucket: the local statistics file
// names under "ranking/date/<login>/". Empty without a login name, and an
// empty key transfers nothing.
QString fixDateTypeToServerPath(const QDate& date, DataTypeClass::DataEnum kind, const QString& user)
{
    if (user.isEmpty())
        return QString();
    const QString root = QStringLiteral("ranking/date/") + user + QLatin1Char('/');
    if (kind == DataTypeClass::notSet)
        return root + QStringLiteral(".json");
    return root + data::fileName(date, kind);
}

QString fileTableKey(const QDate& date, const QString& user)
{
    return QStringLiteral("ranking/date/") + user + QLatin1Char('/') + data::tableName(date);
}

QString signedInLogin()
{
    UserDatas* user = Users::instance()->getUserData();
    return user->logined() ? user->login() : QString();
}

// A result known at once still arrives from the event loop.
template <typename Reply, typename Value>
Reply* deliverLater(Reply* reply, Value value)
{
    QTimer::singleShot(1, reply, [reply, value]() {
        emit reply->finished(value);
        reply->deleteLater();
    });
    return reply;
}

// Downloads one period record; a new record of the kind, carrying the HTTP
// status in code (404 when nothing was requested).
DataTypeReply* getDataFromServer(const QDate& date, DataTypeClass::DataEnum kind, const QString& user)
{
    auto* reply = new DataTypeReply();
    const QString key = fixDateTypeToServerPath(date, kind, user);
    if (key.isEmpty()) {
        auto* record = new DataTypeClass(kind);
        record->setCode(404);
        return deliverLater(reply, QPointer<DataTypeClass>(record));
    }
    QObject::connect(global::instance()->getOss()->getObject(key), &DataReply::finished, reply, [reply, kind](NetworkData d) {
        auto* record = new DataTypeClass(kind);
        if (d.statusCode == 200) {
            record->fromJson(d.data);
            record->setCode(200);
        } else {
            record->setCode(d.statusCode);
            record->setError(d.errorString);
            if (d.statusCode != 404)
                logWarning(lcStats) << "data.error:" << d.errorString << "code:" << d.statusCode;
        }
        emit reply->finished(QPointer<DataTypeClass>(record));
        reply->deleteLater();
    });
    return reply;
}

bReply* pushDataToServer(const QByteArray& body, DataTypeClass::DataEnum kind, const QDate& date, const QString& user)
{
    auto* reply = new bReply();
    const QString key = fixDateTypeToServerPath(date, kind, user);
    if (key.isEmpty())
        return deliverLater(reply, false);
    QObject::connect(global::instance()->getOss()->postObject(key, body, QStringLiteral("application/octet-stream")),
        &DataReply::finished, reply, [reply](NetworkData d) {
            if (d.statusCode != 200)
                logWarning(lcStats) << "post error:" << d.statusCode;
            emit reply->finished(d.statusCode == 200);
            reply->deleteLater();
        });
    return reply;
}

// Downloads a day's per-document table; empty when absent or unreadable,
// with code telling the two apart.
resultCountReply* getFileDataFromServer(const QDate& date, const QString& user)
{
    auto* reply = new resultCountReply();
    resultCountType empty;
    empty.date = date;
    if (user.isEmpty())
        return deliverLater(reply, empty);
    QObject::connect(global::instance()->getOss()->getObject(fileTableKey(date, user)), &DataReply::finished, reply,
        [reply, empty](NetworkData d) {
            resultCountType result = empty;
            const QJsonDocument doc = QJsonDocument::fromJson(d.data);
            result.code = d.statusCode == 200 && !doc.isArray() ? 0 : d.statusCode;
            if (d.statusCode == 200 && doc.isArray()) {
                for (const QJsonValue& v : doc.array()) {
                    if (!v.isObject())
                        continue;
                    const QJsonObject o = v.toObject();
                    const QString path = o.value(QStringLiteral("path")).toVariant().toString();
                    result.now.insert(path, o.value(QStringLiteral("now")).toInt(0));
                    result.initi.insert(path, o.value(QStringLiteral("initi")).toInt(0));
                }
            }
            emit reply->finished(result);
            reply->deleteLater();
        });
    return reply;
}

// The earliest initial count of the day wins; a document only another
// device reported is taken over with its counts; local current counts stay.
void mergeFileData(resultCountType& local, const resultCountType& server)
{
    for (auto it = server.initi.constBegin(); it != server.initi.constEnd(); ++it) {
        if (local.initi.contains(it.key()) && local.initi.value(it.key()) <= it.value())
            continue;
        local.initi.insert(it.key(), it.value());
        if (!local.now.contains(it.key()))
            local.now.insert(it.key(), server.now.value(it.key(), 0));
    }
}

bReply* pushFilesDataToServer(const resultCountType& table, const QString& user, const QDate& date)
{
    auto* reply = new bReply();
    if (user.isEmpty())
        return deliverLater(reply, false);
    const QString text = QString::fromUtf8(data::fileTableJson(table, false));
    QObject::connect(global::instance()->getOss()->postObject(fileTableKey(date, user), text), &DataReply::finished, reply,
        [reply](NetworkData d) {
            if (d.statusCode != 200)
                logWarning(lcStats) << "post error:" << d.statusCode;
            emit reply->finished(d.statusCode == 200);
            reply->deleteLater();
        });
    return reply;
}

QString noChangeText(DataTypeClass::DataEnum kind)
{
    switch (kind) {
    case DataTypeClass::week: return data::tr("同步本周字数成功(无变更)");
    case DataTypeClass::month: return data::tr("同步本月字数成功(无变更)");
    case DataTypeClass::year: return data::tr("同步今年字数成功(无变更)");
    default: return data::tr("同步今日字数成功(无变更)");
    }
}
} // namespace

void data::syncServerData(bool showTips)
{
    if (showTips)
        m_showTips = true;
    if (!global::instance()->isAppAction())
        return;
    if (!Users::instance()->getUserData()->logined()) {
        if (showTips)
            message::show(Message::Tips, tr("please login first"), 5000);
        return;
    }
    // The statistics go only to the account they belong to: those of
    // another account are put aside first, and when that fails nothing
    // goes at all.
    const QString user = signedInLogin();
    if (!adoptAccount(user)) {
        logWarning(lcStats) << "statistics folder not the signed-in account's; not synchronised";
        return;
    }
    const int generation = m_generation;

    const QDate tableDate = m_fileDayCount.date;
    const auto notice = [this](Message::MessageType type, const QString& text) {
        if (!m_showTips)
            return;
        m_showTips = false;
        message::show(type, text, 5000);
    };
    for (DataTypeClass::DataEnum kind : kPeriods) {
        // The period the request is for: a reply that comes after the clock
        // has left it is not merged into another period's record.
        const QPointer<DataTypeClass> asked = loadLive(kind);
        const QDate period = livePeriod(kind);
        connect(getDataFromServer(period, kind, user), &DataTypeReply::finished, this,
            [this, kind, asked, period, notice, user, generation](QPointer<DataTypeClass> server) {
                if (!server)
                    return;
                server->deleteLater();
                if (generation != m_generation)
                    return;
                // Only a record that is absent on the server, or one that was
                // read, leads to an upload: a failed download (refused, no
                // token, server error, a body cut short or not a record) says
                // nothing about the server copy, which may hold other
                // devices' counts.
                const bool read = server->ok() && server->code() == 200;
                if (!read && server->code() != 404)
                    return;
                QPointer<DataTypeClass> live = loadLive(kind);
                if (!live || live != asked)
                    return;
                if (read && !live->mergeData(server)) {
                    notice(Message::Note, noChangeText(kind));
                    return;
                }
                // Uploaded under the record's own period, also when the sync
                // crosses midnight.
                // Words added while the upload is on its way are not in it:
                // the record counts as uploaded only if it still reads as sent.
                const QByteArray sent = live->toJson();
                connect(pushDataToServer(sent, kind, period, user), &bReply::finished, this,
                    [this, kind, live, notice, generation, sent](bool ok) {
                    if (!live || generation != m_generation)
                        return;
                    if (!ok) {
                        if (kind == DataTypeClass::day)
                            notice(Message::Error, tr("同步今日字数失败"));
                        return;
                    }
                    emit finished(live, kind);
                    live->setPushed(live->toJson() == sent);
                    if (kind == DataTypeClass::day) {
                        emit dayDataChanged(live);
                        notice(Message::Tips, tr("同步今日字数成功(已上传)"));
                    }
                });
            });
    }
    connect(getFileDataFromServer(tableDate, user), &resultCountReply::finished, this,
        [this, tableDate, user, generation](resultCountType server) {
        // As with the records: the table goes up only over a table that was
        // read or that does not exist, never over one that could not be read.
        if (generation != m_generation || signedInLogin() != user || (server.code != 200 && server.code != 404)
            || m_fileDayCount.date != tableDate)
            return;
        // Counts other devices reported are not this installation's writing:
        // the result-based count does not take them up.
        const int before = dayResult();
        mergeFileData(m_fileDayCount, server);
        m_resultBooked += dayResult() - before;
        pushFilesDataToServer(m_fileDayCount, user, tableDate);
    });
}

void data::pushFinished(QPointer<DataTypeClass> record, DataTypeClass::DataEnum type)
{
    replaceLive(type, record);
    if (type == DataTypeClass::day)
        points()->setTodayData(todayData());
    saveDataToFile(loadLive(type), type);
}

// ---- charts -----------------------------------------------------------------------------

CountChartsModel* data::chartModel(QPointer<CountChartsModel>& model, int which)
{
    if (!model) {
        model = new CountChartsModel();
        rebuildChart(which);
    }
    return model;
}

CountChartsModel* data::dayWordModel() { return chartModel(m_dayWordModel, WordChart); }
CountChartsModel* data::daySpeedModel() { return chartModel(m_daySpeedModel, SpeedChart); }
CountChartsModel* data::dayTimeModel() { return chartModel(m_dayTimeModel, TimeChart); }

CountChartsModel* data::chart(int which)
{
    return which == WordChart ? dayWordModel() : which == SpeedChart ? daySpeedModel() : dayTimeModel();
}

void data::reloadDayWordModel() { rebuildChart(WordChart); }
void data::reloadDaySpeedModel() { rebuildChart(SpeedChart); }
void data::reloadDayTimeModel() { rebuildChart(TimeChart); }

void data::rebuildChart(int which)
{
    CountChartsModel* model = chart(which);
    const bool fresh = model->rowCount() < 14;
    if (fresh)
        model->clear();
    const QDate today = StatsClock::today();
    int max = 0;
    for (int d = 0; d >= -13; --d) {
        const QDate date = today.addDays(d);
        DataTypeClass* record = getDataFromFile(date, DataTypeClass::day);
        const int value = which == WordChart ? record->words()
            : which == SpeedChart            ? record->speed()
                                             : record->second() / 60;
        delete record;
        // In the C locale: the page shows it in the interface language.
        const QString name = StatsFolder::dateText(date, QStringLiteral("yyyy-MM-dd"));
        if (fresh) {
            auto* item = new QStandardItem();
            item->setData(name, CountChartsModel::DateRole);
            item->setData(value, CountChartsModel::NumberRole);
            model->insertRow(0, item);
        } else {
            QStandardItem* item = model->item(13 + d);
            if (item->data(CountChartsModel::DateRole).toDate() != date)
                item->setData(name, CountChartsModel::DateRole);
            if (item->data(CountChartsModel::NumberRole).toInt() != value)
                item->setData(value, CountChartsModel::NumberRole);
        }
        max = qMax(max, value);
    }
    for (int r = 0; r < model->rowCount(); ++r) {
        QStandardItem* item = model->item(r);
        const QVariant held = item->data(CountChartsModel::MaxRole);
        if (!held.isValid() || held.toInt() != max)
            item->setData(max, CountChartsModel::MaxRole);
    }
}

int data::liveChartValue(int which)
{
    QPointer<DataTypeClass> today = todayData();
    switch (which) {
    case WordChart: return today->tmpWords();
    case SpeedChart: return today->tmpSpeed();
    default: return today->tmpSecond() / 60;
    }
}

void data::reloadDayAllModel()
{
    for (int which : { WordChart, SpeedChart, TimeChart }) {
        CountChartsModel* model = chart(which);
        if (model->rowCount() != 14) {
            rebuildChart(which);
            continue;
        }
        QStandardItem* item = model->item(13);
        if (item->data(CountChartsModel::DateRole).toDate() != StatsClock::today()) {
            rebuildChart(which);
            continue;
        }
        const int value = liveChartValue(which);
        if (item->data(CountChartsModel::NumberRole).toInt() == value)
            continue;
        item->setData(value, CountChartsModel::NumberRole);
        // Today outgrew every bar: the scale is today's. (Rebuilding from the
        // stored day records would read fourteen files every second and show
        // today's stored count, not the live one.)
        if (value > item->data(CountChartsModel::MaxRole).toInt()) {
            for (int r = 0; r < model->rowCount(); ++r)
                model->item(r)->setData(value, CountChartsModel::MaxRole);
        }
    }
}
