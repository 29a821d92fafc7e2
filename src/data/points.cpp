#include "points.h"

#include "data/datatypeclass.h"
#include "data/global.h"
#include "data/settingsfile.h"
#include "data/statsclock.h"
#include "TovaUi/function/message.h"
#include "TovaUi/function/settingsgate.h"
#include "support/log.h"
#include "users/userdatas.h"
#include "users/users.h"

#include <QSettings>

Points::Points(QObject* parent)
    : QObject(parent)
    , m_award(&Points::addPointsToAccount)
{
    const QString points = QStringLiteral(" ") + tr("积分") + QStringLiteral(" + ");
    auto row = [](const QString& key, const QString& message, int award, int min, int max) {
        PointsType t;
        t.type = QStringLiteral("words");
        t.key = key;
        t.message = message;
        t.points = award;
        t.min = min;
        t.max = max;
        return t;
    };
    const QString thanks = tr("读者感谢你的创作!");
    // Every message names the points the row really awards.
    m_pointsTypes << row(QStringLiteral("edit_0"), tr("开始就成功了一半,加油!") + points + QStringLiteral("1"), 1, 0, 1000)
                  << row(QStringLiteral("edit_1000"), thanks + points + QStringLiteral("1"), 1, 1000, 2000)
                  << row(QStringLiteral("edit_2000"), thanks + points + QStringLiteral("2"), 2, 2000, 3000)
                  << row(QStringLiteral("edit_3000"), thanks + points + QStringLiteral("3"), 3, 3000, 4000)
                  << row(QStringLiteral("edit_4000"), thanks + points + QStringLiteral("4"), 4, 4000, 5000)
                  << row(QStringLiteral("edit_5000"), thanks + points + QStringLiteral("5"), 5, 5000, 6000)
                  << row(QStringLiteral("edit_10000"),
                         tr("超神!!!") + tr("您今天已经创作了一万字以上！") + points + QStringLiteral("20"), 20, 10000, 11000);
}

void Points::addPointsToAccount(int points, const QString& reason)
{
    // The account data offers addPoints once the account client is built;
    // until then the call finds nothing and says so in the log.
    UserDatas* user = Users::instance()->getUserData();
    if (!QMetaObject::invokeMethod(user, "addPoints", Q_ARG(int, points), Q_ARG(QString, reason)))
        logWarning(lcStats) << "addPoints is not available";
}

void Points::setTodayData(QPointer<DataTypeClass> record)
{
    if (m_todayData)
        disconnect(m_todayData, &DataTypeClass::wordsChanged, this, &Points::todayWordsChanged);
    m_todayData = record;
    if (record)
        connect(record, &DataTypeClass::wordsChanged, this, &Points::todayWordsChanged, Qt::UniqueConnection);
}

void Points::todayWordsChanged(int words)
{
    const int start = global::instance()->timeElapsed();
    checkWords(words);
    const int used = global::instance()->timeElapsed() - start;
    if (used > 2)
        logDebug(lcStats) << "check words use time:" << used;
}

bool Points::isCheckedThisKey(const QString& key)
{
    const QDate today = StatsClock::today();
    if (QSettings().value(QStringLiteral("Points/Date")).toDate() != today) {
        const SettingsGate gate;
        QSettings s;
        for (const PointsType& t : qAsConst(m_pointsTypes))
            s.setValue(QStringLiteral("Points/") + t.key, false);
        s.setValue(QStringLiteral("Points/Date"), today);
        SettingsFile::commit(s);
    }
    return QSettings().value(QStringLiteral("Points/") + key, false).toBool();
}

void Points::checkWords(int words)
{
    if (m_pointsTypes.isEmpty())
        return;
    // Signed out nothing can be awarded: no notice, and the milestone stays
    // open so that it can still be awarded after signing in today.
    if (!Users::instance()->getUserData()->logined())
        return;
    for (const PointsType& t : qAsConst(m_pointsTypes)) {
        if (t.type != QLatin1String("words"))
            continue;
        if (isCheckedThisKey(t.key) || !(t.min < words && words < t.max))
            continue;
        if (m_award)
            m_award(t.points, t.key);
        const SettingsGate gate;
        QSettings s;
        s.setValue(QStringLiteral("Points/") + t.key, true);
        SettingsFile::commit(s);
        if (s.value(QStringLiteral("Message/isShowPointsMessage"), true).toBool())
            message::show(Message::Tips, t.message, 5000);
        return;
    }
}
