// The writing rooms against the real penlark-server on 127.0.0.1.
// 1. A refresh of 200 member records of 16 KB each: hostile ones, whose
//    document type declares a 4 000-character entity that the record names
//    4 000 times (what any signed-in user can upload), and, as the baseline,
//    honest ones padded to the same size; then an open room whose shared
//    plan carries 100 000 attributes on one element, beside the same 200
//    honest members. Figures: the GUI thread's longest stall while a refresh
//    runs (the worst of three, measured by StallProbe) and a refresh's time.
//    Then a crowded open room of 200 members, one of whom has put an 18 MB
//    record and one a record of 1 500 attributes, under three shared plans
//    in turn: a 16 MB plan of 1.4 M attributes that reads, an 18 MB plan
//    over the size limit, and the plan with 100 000 attributes on one
//    element; every refresh starts without a local copy of the plan. Beside
//    the stall: how many times the three refreshes downloaded the oversized
//    and refused documents (GET requests in the server's journal).
// 2. The real room page (RankingPage.qml in a 280 px side column) entering
//    a room of 200 honest members, each with an avatar of its own served by
//    the server, against an empty room as the baseline: the longest stall
//    while entering (until the rows are in and the avatars shown), during a
//    refresh and while scrolled through every row, and the memory the room
//    costs once every avatar was shown.
// One figure a line: "name: value unit".
#include "data/global.h"
#include "data/settings.h"
#include "ranking/bot.h"
#include "ranking/rankingdata.h"
#include "ranking/rankinghallmodel.h"
#include "ranking/roommodel.h"
#include "ranking/userdaydatalistreply.h"
#include "support/stallprobe.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "TovaUi/theme/lumotheme.h"
#include "data/statsclock.h"
#include "users/userdatas.h"
#include "users/users.h"

#include "../tests/common/penlarkserver.h"
#include "../tests/common/testenvironment.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

const int kMembers = 200;
const int kRecordSize = 16 * 1024;

void figure(const QString& name, double value, const char* unit)
{
    std::printf("%s: %.1f %s\n", qPrintable(name), value, unit);
    std::fflush(stdout);
}

double rssMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

// Runs the event loop until `done` holds (checked every 10 ms) or 120 s pass.
void waitFor(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    waitFor([&] { return timer.elapsed() >= ms; });
}

QByteArray record(int i, bool hostile, const QString& avatar = QString())
{
    UserDayData r;
    r.ID = QStringLiteral("m%1").arg(i);
    r.Name = QStringLiteral("Member %1").arg(i);
    r.RoomID = QStringLiteral("Room");
    r.Words = 100 + i;
    r.Second = 60 * i;
    r.EndTime = StatsClock::currentSeconds();
    r.AvatarUrl = avatar;
    QByteArray xml = RankingData::userDayDataToXml(r).toUtf8();
    if (hostile) {
        xml = "<!DOCTYPE User [<!ENTITY e \"" + QByteArray(4000, 'e') + "\">]><User ID=\"m" + QByteArray::number(i)
            + "\" Name=\"" + QByteArray("&e;").repeated(4000) + "\"/>";
    }
    return xml + QByteArray(qMax(0, kRecordSize - xml.size()), ' ');
}

// A plan with one writer whose element carries 100 000 attributes.
QByteArray floodedPlan()
{
    QByteArray plan = "<Bots InitTime=\"" + QByteArray::number(StatsClock::currentSeconds()) + "\"><BotList><Bot";
    for (int i = 0; i < 100000; ++i)
        plan += " a" + QByteArray::number(i, 36) + "=\"\"";
    return plan + "><WordsOnTime/></Bot></BotList></Bots>";
}

// A plan that reads: 100 writers with a step every 30 s of the day, each
// step carrying two attributes more than ours (16 MB, 1.4 M attributes).
QByteArray heavyPlan()
{
    const QByteArray now = QByteArray::number(StatsClock::currentSeconds());
    QByteArray plan = "<Bots InitTime=\"" + now + "\"><BotList>";
    plan.reserve(17 * 1024 * 1024);
    for (int b = 0; b < 100; ++b) {
        plan += "<Bot Nickname=\"W" + QByteArray::number(b) + "\" BeginTime=\"" + now + "\"><WordsOnTime>";
        for (int step = 0; step < 2880; ++step)
            plan += "<w t=\"" + now + "\" w=\"" + QByteArray::number(step) + "\" s=\"" + QByteArray::number(step * 30)
                + "\" x=\"0000000\" y=\"0\"/>";
        plan += "</WordsOnTime></Bot>";
    }
    return plan + "</BotList></Bots>";
}

// A member's avatar as the server stores it (a 512 px PNG under the MD5
// of its bytes); the picture's URL.
QString putAvatar(const PenlarkServer& server, int i)
{
    QImage image(512, 512, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 512, 512);
    gradient.setColorAt(0, QColor::fromHsv((i * 37) % 360, 160, 230));
    gradient.setColorAt(1, QColor::fromHsv((i * 91) % 360, 200, 120));
    painter.fillRect(image.rect(), gradient);
    painter.drawText(image.rect(), Qt::AlignCenter, QString::number(i));
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    const QString name = QString::fromLatin1(QCryptographicHash::hash(png, QCryptographicHash::Md5).toHex()) + QStringLiteral(".png");
    QDir().mkpath(server.dataPath() + QStringLiteral("/avatars"));
    QFile file(server.dataPath() + QStringLiteral("/avatars/") + name);
    if (file.open(QIODevice::WriteOnly))
        file.write(png);
    return server.url() + QStringLiteral("/avatars/") + name;
}

bool putRoom(const PenlarkServer& server, const QString& room, int type, const QMap<QString, QByteArray>& members)
{
    RoomData data;
    data.RoomKey = room;
    data.Name = room;
    data.Type = type;
    QMap<QString, QByteArray> objects;
    objects.insert(QStringLiteral("ranking/hall/%1.room.xml").arg(room), RankingData::roomDataToXml(data).toUtf8());
    for (auto it = members.begin(); it != members.end(); ++it)
        objects.insert(QStringLiteral("ranking/rooms/%1/%2").arg(room, it.key()), it.value());
    return server.putObjects(objects);
}

// The worst stall and the time of three refreshes of the room; with
// `watched`, how often those refreshes downloaded each of these objects
// (every refresh then starts without the local copy of the plan).
void refreshes(const QString& room, const QString& kind, int expectedRows = kMembers, const PenlarkServer* server = nullptr,
               const QMap<QString, QString>& watched = {})
{
    double stall = 0;
    double total = 0;
    if (server)
        server->clearRequests();
    for (int round = 0; round < 3; ++round) {
        if (server)
            QFile::remove(bot::localBotsFile(room));
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
        if (rows != expectedRows)
            std::fprintf(stderr, "rooms: %s refresh gave %d rows\n", qPrintable(kind), rows);
        total += timer.elapsed();
        stall = std::max(stall, probe.longestMs());
    }
    figure(QStringLiteral("room refresh %1 longest GUI stall").arg(kind), stall, "ms");
    figure(QStringLiteral("room refresh %1 time").arg(kind), total / 3, "ms");
    if (!server)
        return;
    const QList<ServerRequest> journal = server->storageRequests("GET");
    for (auto it = watched.begin(); it != watched.end(); ++it) {
        const QString key = QStringLiteral("ranking/rooms/%1/%2").arg(room, it.key());
        const int downloads = int(std::count_if(journal.begin(), journal.end(), [&](const ServerRequest& r) { return r.key() == key; }));
        figure(QStringLiteral("room refresh %1 downloads of the %2 in 3 refreshes").arg(kind, it.value()), downloads, "requests");
    }
}

// The crowded room under each of the three plans.
void crowdedRoom(const PenlarkServer& server)
{
    QMap<QString, QByteArray> members;
    for (int i = 0; i < kMembers - 2; ++i)
        members.insert(QStringLiteral("m%1.user.xml").arg(i), record(i, false));
    members.insert(QStringLiteral("big.user.xml"), record(kMembers, false).replace("</User>", QByteArray(18 * 1000 * 1000, ' ') + "</User>"));
    QByteArray flood = "<User ID=\"heavy\" Words=\"9\"";
    for (int i = 0; i < 1500; ++i)
        flood += " a" + QByteArray::number(i, 36) + "=\"\"";
    members.insert(QStringLiteral("heavy.user.xml"), flood + "/>");
    members.insert(QStringLiteral("bot.xml"), heavyPlan());
    if (!putRoom(server, QStringLiteral("Crowd"), 0, members))
        return;
    const QMap<QString, QString> watched { { QStringLiteral("big.user.xml"), QStringLiteral("oversized record") },
                                          { QStringLiteral("heavy.user.xml"), QStringLiteral("refused record") },
                                          { QStringLiteral("bot.xml"), QStringLiteral("plan") } };
    refreshes(QStringLiteral("Crowd"), QStringLiteral("crowd heavy plan"), kMembers + 100, &server, watched);
    server.putObject(QStringLiteral("ranking/rooms/Crowd/bot.xml"), floodedPlan().replace("<WordsOnTime/>", "<WordsOnTime/>" + QByteArray(18 * 1000 * 1000, ' ')));
    refreshes(QStringLiteral("Crowd"), QStringLiteral("crowd oversized plan"), kMembers, &server, watched);
    server.putObject(QStringLiteral("ranking/rooms/Crowd/bot.xml"), floodedPlan());
    refreshes(QStringLiteral("Crowd"), QStringLiteral("crowd refused plan"), kMembers, &server, watched);
}

struct PageFigures {
    double enterStall = 0;
    double refreshStall = 0;
    double scrollStall = 0;
    double memory = 0;
};

// Enters the room on the page, waits for its rows and avatars, refreshes it
// once and leaves it.
PageFigures enterOnPage(QObject* page, RoomModel* model, const QString& room, int rows)
{
    PageFigures f;
    settle(500);
    const double before = rssMb();
    StallProbe probe;
    QMetaObject::invokeMethod(page, "enterRoom", Q_ARG(QVariant, room));
    waitFor([&] { return model->rowCount() >= rows && !model->loading(); });
    if (model->rowCount() < rows)
        std::fprintf(stderr, "rooms: %s shows %d rows\n", qPrintable(room), model->rowCount());
    settle(2000);
    f.enterStall = probe.longestMs();
    probe.reset();
    model->refreshTimer()->start(0);
    waitFor([&] { return model->loading(); });
    waitFor([&] { return !model->loading(); });
    settle(1000);
    f.refreshStall = probe.longestMs();
    // Scrolled through, a few rows a frame: every row's avatar is loaded.
    probe.reset();
    QObject* list = page->findChild<QObject*>(QStringLiteral("roomList"));
    for (int row = 0; list && row < model->rowCount(); row += 4) {
        QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, row), Q_ARG(int, 1));
        settle(16);
    }
    settle(1000);
    f.scrollStall = probe.longestMs();
    f.memory = rssMb() - before;
    QObject* roomPage = page->findChild<QObject*>(QStringLiteral("roomPage"));
    if (roomPage)
        QMetaObject::invokeMethod(roomPage, "leave");
    settle(500);
    return f;
}

void roomPage(const PenlarkServer& server)
{
    QMap<QString, QByteArray> members;
    for (int i = 0; i < kMembers; ++i)
        members.insert(QStringLiteral("m%1.user.xml").arg(i), record(i, false, putAvatar(server, i)));
    if (!putRoom(server, QStringLiteral("Empty"), 1, {}) || !putRoom(server, QStringLiteral("Members"), 1, members))
        return;

    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:///"));
    auto* hall = new RankingHallModel(&engine);
    auto* model = new RoomModel(&engine);
    QQmlContext* context = engine.rootContext();
    context->setContextProperty(QStringLiteral("g_theme"), new LumoTheme(&engine));
    context->setContextProperty(QStringLiteral("functions"), function::instance());
    context->setContextProperty(QStringLiteral("message"), function::instance()->getMessage());
    context->setContextProperty(QStringLiteral("csettings"), global::instance()->settings());
    context->setContextProperty(QStringLiteral("userdata"), Users::instance()->getUserData());
    context->setContextProperty(QStringLiteral("cglobal"), global::instance());
    context->setContextProperty(QStringLiteral("rankingHallModel"), hall);
    context->setContextProperty(QStringLiteral("roomModel"), model);
    QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/qml/page/RankingPage.qml")));
    QScopedPointer<QObject> page(component.create());
    if (!page) {
        std::fprintf(stderr, "rooms: %s\n", qPrintable(component.errorString()));
        return;
    }
    QQuickWindow window;
    window.resize(280, 800);
    auto* item = qobject_cast<QQuickItem*>(page.data());
    item->setParentItem(window.contentItem());
    item->setSize(QSizeF(280, 800));
    window.show();

    const PageFigures empty = enterOnPage(page.data(), model, QStringLiteral("Empty"), 0);
    const PageFigures full = enterOnPage(page.data(), model, QStringLiteral("Members"), kMembers);
    figure(QStringLiteral("room page empty enter longest GUI stall"), empty.enterStall, "ms");
    figure(QStringLiteral("room page 200 members enter longest GUI stall"), full.enterStall, "ms");
    figure(QStringLiteral("room page 200 members refresh longest GUI stall"), full.refreshStall, "ms");
    figure(QStringLiteral("room page 200 members scroll longest GUI stall"), full.scrollStall, "ms");
    figure(QStringLiteral("room page 200 members enter stall ratio to empty"), full.enterStall / qMax(1.0, empty.enterStall), "x");
    figure(QStringLiteral("room page 200 members memory over empty"), full.memory - empty.memory, "MB");
    figure(QStringLiteral("room page memory per member"), (full.memory - empty.memory) / kMembers, "MB");
}

}

int main(int argc, char* argv[])
{
    TestEnvironment environment;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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

    QMap<QString, QByteArray> honest;
    QMap<QString, QByteArray> hostile;
    for (int i = 0; i < kMembers; ++i) {
        honest.insert(QStringLiteral("m%1.user.xml").arg(i), record(i, false));
        hostile.insert(QStringLiteral("m%1.user.xml").arg(i), record(i, true));
    }
    QMap<QString, QByteArray> planned = honest;
    planned.insert(QStringLiteral("bot.xml"), floodedPlan());
    if (!putRoom(server, QStringLiteral("Honest"), 1, honest) || !putRoom(server, QStringLiteral("Hostile"), 1, hostile)
        || !putRoom(server, QStringLiteral("Plan"), 0, planned))
        return 3;
    refreshes(QStringLiteral("Honest"), QStringLiteral("honest"));
    refreshes(QStringLiteral("Hostile"), QStringLiteral("hostile"));
    refreshes(QStringLiteral("Plan"), QStringLiteral("hostile plan"));
    crowdedRoom(server);
    roomPage(server);
    return 0;
}
