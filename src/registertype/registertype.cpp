#include "registertype.h"

#include "chapter/wordcountmodel.h"
#include "countly/countly.h"
#include "data/data.h"
#include "data/global.h"
#include "data/settings.h"
#include "document/count.h"
#include "document/counthandler.h"
#include "files/cloudDisk/clouddisk.h"
#include "files/filefiltermodel.h"
#include "files/files.h"
#include "folderlistmodel/qquickfolderlistmodel.h"
#include "function/fpslabel.h"
#include "function/lumofontmodel.h"
#include "TovaUi/function/osinfo.h"
#include "locker/locker.h"
#include "ranking/rankinghallmodel.h"
#include "ranking/roommodel.h"
#include "sound/sound.h"
#include "TovaUi/textarea/subtle.h"
#include "TovaUi/textarea/textrules.h"
#include "through/throughmodel.h"
#include "update/update.h"
#include "users/userdatas.h"
#include "users/userinfo.h"
#include "users/users.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QtQml>

void RegisterType::installTextRules()
{
    TextRules::install(
        [](const QString& line, const QStringList& patterns) { return count::isChapterTitle(line, patterns); },
        [](const QString& line, const QStringList& patterns) {
            return !count::countString(line, false, patterns).title.isEmpty();
        });
}

void RegisterType::Register(QQmlApplicationEngine* engine)
{
    QQmlContext* context = engine->rootContext();
    global* g = global::instance();
    installTextRules();

    // QML reads cglobal.settings as an object only when the pointer type is
    // known to the meta-type system.
    qRegisterMetaType<Settings*>();

    qmlRegisterType<QQuickFolderListModel>("com.velmora.folderlistmodel", 1, 0, "FolderListModel");
    qmlRegisterType<LumoFontModel>("com.velmora.fontmodel", 1, 0, "FontModel");
    context->setContextProperty(QStringLiteral("csettings"), g->settings());
    qmlRegisterType<FileFilterModel>("com.velmora.filesmodel", 1, 0, "FilesModel");
    files* fileObject = new files();
    context->setContextProperty(QStringLiteral("files"), fileObject);
    context->setContextProperty(QStringLiteral("cloudDisk"), fileObject->fileCloudDisk());
    qmlRegisterUncreatableType<cloudDisk>("com.velmora.clouddisk", 1, 0, "CloudDisk",
                                          QStringLiteral("the sync is the context property cloudDisk"));
    context->setContextProperty(QStringLiteral("wordCountModel"), data::instance()->wordCountModel());
    context->setContextProperty(QStringLiteral("cglobal"), g);
    qmlRegisterType<RankingHallModel>("com.velmora.wordscountmodel", 1, 0, "RankingHallModel");
    context->setContextProperty(QStringLiteral("rankingHallModel"), new RankingHallModel());
    context->setContextProperty(QStringLiteral("roomModel"), new RoomModel());
    context->setContextProperty(QStringLiteral("g_data"), data::instance());
    context->setContextProperty(QStringLiteral("countly"), new countly());
    qmlRegisterType<UserInfo>("com.velmora.userinfo", 1, 0, "UserInfo");
    context->setContextProperty(QStringLiteral("user"), Users::instance()->getUserInfo());
    qmlRegisterType<UserDatas>("com.velmora.userdata", 1, 0, "UserData");
    context->setContextProperty(QStringLiteral("userdata"), Users::instance()->getUserData());
    context->setContextProperty(QStringLiteral("locker"), g->locker());
    qmlRegisterType<CountHandler>("com.velmora.count", 1, 0, "CountHandler");
    qmlRegisterType<FPSLabel>("com.velmora.fpslabel", 1, 0, "FPSLabel");
    context->setContextProperty(QStringLiteral("settingFileName"), global::settingsFileName());
    context->setContextProperty(QStringLiteral("sound"), g->getSound());
    context->setContextProperty(QStringLiteral("cUpdate"), new update());
    context->setContextProperty(QStringLiteral("osInfo"), new osInfo());
    context->setContextProperty(QStringLiteral("csubtle"), new Subtle());
    context->setContextProperty(QStringLiteral("through"), new ThroughModel());
    qmlRegisterType<FileFilterModel>("com.velmora.filefiltermodel", 1, 0, "FileFilterModel");
}
