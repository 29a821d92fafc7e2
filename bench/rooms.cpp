// A writing room's refresh (the members' records, then the room's own
// record) against the real penlark-server on 127.0.0.1, with 200 member
// records of 16 KB each: hostile ones, whose document type declares a
// 4 000-character entity that the record names 4 000 times (what any
// signed-in user can upload), and, as the baseline, honest ones padded to
// the same size. Figures: the GUI thread's longest stall while a refresh
// runs (the worst of three refreshes, measured by StallProbe) and the time
// of a refresh. One figure a line: "name: value unit".
#include "data/global.h"
#include "ranking/bot.h"
#include "ranking/rankingdata.h"
#include "ranking/userdaydatalistreply.h"
#include "support/stallprobe.h"
#include "users/userdatas.h"
#include "users/users.h"

#include "../tests/common/penlarkserver.h"
#include "../tests/common/testenvironment.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

const int kMembers = 200;
const int kRecordSize = 16 * 1024;

void figure(const char* name, double value, const char* unit)
{
    std::printf("%s: %.1f %s\n", name, value, unit);
    std::fflush(stdout);
}

QByteArray record(int i, bool hostile)
{
    UserDayData r;
    r.ID = QStringLiteral("m%1").arg(i);
    r.Name = QStringLiteral("Member %1").arg(i);
    r.RoomID = QStringLiteral("Room");
    QByteArray xml = RankingData::userDayDataToXml(r).toUtf8();
    if (hostile) {
        xml = "<!DOCTYPE User [<!ENTITY e \"" + QByteArray(4000, 'e') + "\">]><User ID=\"m" + QByteArray::number(i)
            + "\" Name=\"" + QByteArray("&e;").repeated(4000) + "\"/>";
    }
    return xml + QByteArray(qMax(0, kRecordSize - xml.size()), ' ');
}

// The worst stall and the time of three refreshes of the room.
void refreshes(const QString& room, const char* kind)
{
    double stall = 0;
    double total = 0;
    for (int round = 0; round < 3; ++round) {
        StallProbe probe;
        QElapsedTimer timer;
        timer.start();
        QEventLoop loop;
        int rows = -1;
        UserDayDataListReply* reply = bot::sneakIntoBot(room);
        QObject::connect(reply, &UserDayDataListReply::finished, &loop, [&](const QList<UserDayData>& list) {
            rows = list.size();
            loop.quit();
        });
        QTimer::singleShot(600000, &loop, &QEventLoop::quit);
        loop.exec();
        if (rows != kMembers)
            std::fprintf(stderr, "rooms: %s refresh gave %d rows\n", kind, rows);
        total += timer.elapsed();
        stall = std::max(stall, probe.longestMs());
    }
    figure(qPrintable(QStringLiteral("room refresh %1 longest GUI stall").arg(QLatin1String(kind))), stall, "ms");
    figure(qPrintable(QStringLiteral("room refresh %1 time").arg(QLatin1String(kind))), total / 3, "ms");
}

}

int main(int argc, char* argv[])
{
    TestEnvironment environment;
    QApplication app(argc, argv);
    PenlarkServer server;
    if (!server.start() || server.createAccount(QStringLiteral("ann"), QStringLiteral("secret"), QString(), QStringLiteral("Ann")) <= 0)
        return 2;
    qputenv("PENLARK_SERVER", server.url().toUtf8());
    global::instance()->setIsAppAction(true);
    UserDatas* user = Users::instance()->getUserData();
    user->setLogin(QStringLiteral("ann"));
    user->setPassword(QStringLiteral("secret"));
    user->setLogined(true);

    for (const bool hostile : {false, true}) {
        const QString room = hostile ? QStringLiteral("Hostile") : QStringLiteral("Honest");
        RoomData data;
        data.RoomKey = room;
        data.Name = room;
        data.Type = 1;
        QMap<QString, QByteArray> objects;
        objects.insert(QStringLiteral("ranking/hall/%1.room.xml").arg(room), RankingData::roomDataToXml(data).toUtf8());
        for (int i = 0; i < kMembers; ++i)
            objects.insert(QStringLiteral("ranking/rooms/%1/m%2.user.xml").arg(room).arg(i), record(i, hostile));
        if (!server.putObjects(objects))
            return 3;
    }
    refreshes(QStringLiteral("Honest"), "honest");
    refreshes(QStringLiteral("Hostile"), "hostile");
    return 0;
}
