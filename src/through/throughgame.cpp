#include "throughgame.h"

#include "data/data.h"
#include "data/global.h"
#include "data/settings.h"
#include "TovaUi/function/message.h"
#include "support/log.h"
#include "through/throughclock.h"
#include "through/throughmodel.h"
#include "users/userdatas.h"
#include "users/users.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

const char* const ThroughGame::levelsFile = ":/source/through/through.json";

ThroughGame::ThroughGame(ThroughModel* model, QObject* parent)
    : QAbstractListModel(parent)
    , m_model(model)
    , m_account(&ThroughGame::callAccount)
{
    setClock(new ThroughClock(this));
    connect(m_model, &ThroughModel::runningChanged, this, &ThroughGame::runningChanged);
}

int ThroughGame::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_levels.size();
}

QVariant ThroughGame::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_levels.size())
        return QVariant();
    const Level& level = m_levels.at(index.row());
    switch (role) {
    case LevelIdRole:
        return level.id;
    case Qt::DisplayRole:
    case NameRole:
        return level.name;
    case NeedTimeRole:
        return level.needTime;
    case NeedWordsRole:
        return level.needWords;
    case RewardConinsRole:
        return level.rewardConins;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> ThroughGame::roleNames() const
{
    return { { LevelIdRole, "levelId" },
             { NameRole, "name" },
             { NeedTimeRole, "needTime" },
             { NeedWordsRole, "needWords" },
             { RewardConinsRole, "rewardConins" } };
}

bool ThroughGame::parseLevels(const QByteArray& json, QVector<Mode>* modes, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (!doc.isObject()) {
        *error = parseError.error != QJsonParseError::NoError ? parseError.errorString() : QStringLiteral("not an object");
        return false;
    }
    const QJsonObject root = doc.object().value(QStringLiteral("data")).toObject();
    const QJsonArray main = root.value(QStringLiteral("main")).toArray();
    QVector<Mode> read;
    for (const QJsonValue& value : main) {
        const QJsonObject object = value.toObject();
        Mode mode;
        mode.id = object.value(QStringLiteral("id")).toInt(-1);
        mode.type = object.value(QStringLiteral("type")).toString();
        mode.needCoins = object.value(QStringLiteral("needCoins")).toInt();
        const QJsonArray levels = root.value(QString::number(mode.id)).toArray();
        for (const QJsonValue& l : levels) {
            const QJsonObject lo = l.toObject();
            Level level;
            level.id = lo.value(QStringLiteral("id")).toInt();
            level.name = lo.value(QStringLiteral("name")).toString();
            level.needTime = lo.value(QStringLiteral("needTime")).toInt();
            level.needWords = lo.value(QStringLiteral("needWords")).toInt();
            level.rewardConins = lo.value(QStringLiteral("rewardConins")).toInt();
            mode.levels << level;
        }
        // A mode without levels or with a free ticket cannot be played.
        if (mode.id < 0 || mode.type.isEmpty() || mode.needCoins < 0 || mode.levels.isEmpty()) {
            *error = QStringLiteral("mode %1 is incomplete").arg(mode.id);
            return false;
        }
        read << mode;
    }
    if (read.isEmpty()) {
        *error = QStringLiteral("no modes");
        return false;
    }
    *modes = read;
    return true;
}

QString ThroughGame::levelsText() const
{
    QFile file(QString::fromLatin1(levelsFile));
    if (!file.open(QIODevice::ReadOnly)) {
        logWarning(lcStats) << "challenge levels not read:" << file.errorString();
        return QString();
    }
    return QString::fromUtf8(file.readAll());
}

bool ThroughGame::loadLevels(const QString& path)
{
    QFile file(path);
    QString error;
    QVector<Mode> modes;
    if (!file.open(QIODevice::ReadOnly))
        error = file.errorString();
    else
        parseLevels(file.readAll(), &modes, &error);
    m_modes = modes;
    if (m_modes.isEmpty())
        logWarning(lcStats) << "challenge levels not read:" << path << error;
    return !m_modes.isEmpty();
}

void ThroughGame::setClock(ThroughClock* clock)
{
    const bool active = m_clock && m_clock->isActive();
    if (m_clock) {
        m_clock->stop();
        disconnect(m_clock, nullptr, this, nullptr);
        if (m_clock->parent() == this)
            delete m_clock;
    }
    m_clock = clock;
    if (m_clock) {
        connect(m_clock, &ThroughClock::tick, this, &ThroughGame::tick);
        if (active)
            m_clock->start();
    }
}

void ThroughGame::setWordSource(::data* source)
{
    if (m_wordSource)
        disconnect(m_wordSource, nullptr, this, nullptr);
    m_wordSource = source;
    if (m_wordSource)
        connect(m_wordSource, &::data::addWordsChanged, this, &ThroughGame::addWords);
}

void ThroughGame::setAccountCall(AccountCall call)
{
    m_account = std::move(call);
}

void ThroughGame::callAccount(const char* method, int points, const QString& reason)
{
    UserDatas* user = Users::instance()->getUserData();
    if (!QMetaObject::invokeMethod(user, method, Q_ARG(int, points), Q_ARG(QString, reason)))
        logWarning(lcStats) << method << "is not available";
}

const ThroughGame::Mode* ThroughGame::findMode(int id)
{
    if (m_modes.isEmpty())
        loadLevels();
    for (const Mode& mode : qAsConst(m_modes)) {
        if (mode.id == id)
            return &mode;
    }
    return nullptr;
}

int ThroughGame::enter(int modeId)
{
    UserDatas* user = Users::instance()->getUserData();
    if (!user->logined())
        return NotSignedIn;
    // A second ticket while one challenge runs would be lost.
    if (m_model->running())
        return AlreadyRunning;
    const Mode* mode = findMode(modeId);
    if (!mode)
        return UnknownMode;
    if (user->points() < mode->needCoins)
        return NotEnoughPoints;
    const int ticket = mode->needCoins;
    Settings* settings = global::instance()->settings();
    settings->setThroughType(mode->type);
    settings->setThroughRoomId(mode->id);
    if (!open(modeId, 0))
        return UnknownMode;
    if (m_account)
        m_account("delPoints", ticket, QStringLiteral("Through"));
    return Entered;
}

bool ThroughGame::resume(int modeId, int level)
{
    // The challenge being played is not restarted by an offer to resume it.
    if (m_model->running()) {
        logDebug(lcStats) << "a challenge is running; resumption ignored";
        return false;
    }
    return open(modeId, level);
}

bool ThroughGame::open(int modeId, int level)
{
    const Mode* mode = findMode(modeId);
    if (!mode || level < 0 || level >= mode->levels.size()) {
        logDebug(lcStats) << "no such challenge level:" << modeId << level;
        return false;
    }
    if (!m_wordSource)
        setWordSource(::data::instance());
    beginResetModel();
    m_levels = mode->levels;
    m_modeId = modeId;
    endResetModel();
    setCurrent(level);
    setFailId(-1);
    m_opened = true;
    emit openedChanged();
    // A new challenge starts without the outcome of the last one.
    m_model->setStatus(0);
    m_model->setRunning(true);
    step(0, 0);
    return true;
}

void ThroughGame::leave()
{
    if (m_model->running()) {
        m_model->setRunning(false);
        global::instance()->settings()->setIsThroughing(false);
    }
    if (m_opened) {
        m_opened = false;
        emit openedChanged();
    }
}

void ThroughGame::tick()
{
    step(0, 1);
}

void ThroughGame::addWords(int words, int seconds)
{
    Q_UNUSED(seconds) // time comes from the clock only
    step(words, 0);
}

void ThroughGame::runningChanged(bool running)
{
    if (!m_clock)
        return;
    if (running && m_opened)
        m_clock->start();
    else
        m_clock->stop();
}

void ThroughGame::step(int words, int seconds)
{
    if (!m_model->running() || !m_opened || m_current >= m_levels.size())
        return;
    if (m_failId > -1) {
        m_model->setStatus(-1);
        return;
    }
    Settings* settings = global::instance()->settings();
    settings->setIsThroughing(true);
    settings->setThroughNumber(m_current);

    // A negative figure would hand words or time back.
    Level& level = m_levels[m_current];
    level.needWords -= qMax(0, words);
    level.needTime -= qMax(0, seconds);
    showLevel(level);

    const QString points = tr("积分") + QStringLiteral(": +");
    if (level.needWords <= 0) {
        level.needWords = 0;
        m_model->setWords(0);
        levelRowChanged(m_current);
        const int reward = level.rewardConins;
        if (m_current == m_levels.size() - 1) {
            if (m_account)
                m_account("addPoints", reward, QStringLiteral("through"));
            m_model->setStatus(2);
            m_model->setRunning(false);
            message::show(Message::Tips, tr("恭喜，闯关成功！！！撒花！！！") + points + QString::number(reward), 5000);
            settings->setIsThroughing(false);
        } else {
            message::show(Message::Tips, tr("成功，自动转入下一关。") + points + QString::number(reward), 5000);
            setCurrent(m_current + 1);
            settings->setThroughNumber(m_current);
            if (m_account)
                m_account("addPoints", reward, QStringLiteral("through"));
            m_model->setStatus(1);
            showLevel(m_levels.at(m_current));
        }
        return;
    }
    if (level.needTime <= 0) {
        level.needTime = 0;
        m_model->setTime(0);
        setFailId(m_current);
        m_model->setStatus(-1);
        m_model->setWords(level.needWords);
        m_model->setName(level.name);
        levelRowChanged(m_current);
        message::show(Message::TipsError, tr("挑战失败!"), 5000);
        m_model->setRunning(false);
        settings->setIsThroughing(false);
        return;
    }
    levelRowChanged(m_current);
}

void ThroughGame::showLevel(const Level& level)
{
    m_model->setWords(level.needWords);
    m_model->setTime(level.needTime);
    m_model->setName(level.name);
    m_model->setRewardConins(level.rewardConins);
}

void ThroughGame::levelRowChanged(int row)
{
    const QModelIndex i = index(row, 0);
    emit dataChanged(i, i, { NeedTimeRole, NeedWordsRole });
}

void ThroughGame::setCurrent(int level)
{
    if (m_current == level)
        return;
    m_current = level;
    emit currentLevelChanged(m_current);
}

void ThroughGame::setFailId(int id)
{
    if (m_failId == id)
        return;
    m_failId = id;
    emit failIdChanged(m_failId);
}
