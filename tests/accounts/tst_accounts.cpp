// The HTTP helper, the account client and data, points, analytics and the
// per-user settings mirror, end to end against the real penlark-server.
#include "testenvironment.h"
#include "mainengine.h"

#include "penlarkserver.h"

#include "countly/countly.h"
#include "data/serviceconfig.h"
#include "data/settings.h"
#include "TovaUi/function/qmlkey.h"
#include "i18n/i18n.h"
#include "registertype/registertype.h"
#include "data/global.h"
#include "data/signalobject.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "function/network.h"
#include "function/networkiconitem.h"
#include "users/userdatas.h"
#include "users/userinfo.h"
#include "users/users.h"
#include "users/usersetting.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>

#include <sys/stat.h>

class TestAccounts : public QObject
{
    Q_OBJECT

private:
    // Builds a page of the program under a plain window, with the real
    // context properties.
    static QObject* create(QQmlEngine* engine, QQuickWindow* window, const QString& file)
    {
        QQmlComponent component(engine, QUrl(file));
        QObject* object = component.beginCreate(engine->rootContext());
        if (!object) {
            qWarning() << component.errors();
            return nullptr;
        }
        if (auto* item = qobject_cast<QQuickItem*>(object))
            item->setParentItem(window->contentItem());
        else
            object->setProperty("parent", QVariant::fromValue(window->contentItem()));
        component.completeCreate();
        return object;
    }

    static QObject* child(QObject* root, const char* name)
    {
        return root->findChild<QObject*>(QLatin1String(name));
    }

    // Presses a page's item with the mouse, or types into it, as a writer
    // does; false when the item is not there to press.
    static bool click(QQuickWindow* window, QObject* object)
    {
        auto* item = qobject_cast<QQuickItem*>(object);
        if (!item || !item->isVisible())
            return false;
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint());
        return true;
    }
    static bool type(QQuickWindow* window, QObject* field, const QString& text)
    {
        if (!click(window, field))
            return false;
        for (const QChar c : text)
            QTest::keyClick(window, c.toLatin1());
        return field->property("text").toString() == text;
    }

    PenlarkServer m_server;
    qint64 m_annId = 0;

    static UserDatas* data() { return Users::instance()->getUserData(); }
    static UserInfo* user() { return Users::instance()->getUserInfo(); }

    // Answers GET path with bytes (a fault rule of the test server).
    void serve(const QString& path, const QByteArray& bytes, int times = -1)
    {
        QJsonObject rule { { "path", path }, { "action", "status" }, { "status", 200 },
                           { "body_base64", QString::fromLatin1(bytes.toBase64()) }, { "content_type", "image/png" } };
        if (times > 0)
            rule.insert(QStringLiteral("times"), times);
        QCOMPARE(m_server.addFault(rule).size(), 1);
    }

    // Answers path with status and body, as a JSON text.
    void answer(const QString& path, int status, const QByteArray& body, const QByteArray& method = QByteArray())
    {
        QJsonObject rule { { "path", path }, { "action", "status" }, { "status", status }, { "body", QString::fromUtf8(body) } };
        if (!method.isEmpty())
            rule.insert(QStringLiteral("method"), QString::fromLatin1(method));
        QCOMPARE(m_server.addFault(rule).size(), 1);
    }

    // Gives ann an avatar through the real upload, signed in, then signs out.
    void giveAnnAnAvatar()
    {
        signIn();
        QVERIFY(user()->updateAvatar(testPicture(qRgb(200, 100, 50))));
        user()->logout();
    }

    static NetworkData wait(NetworkReply* reply)
    {
        QSignalSpy spy(reply, &NetworkReply::finished);
        if (!spy.wait(5000))
            return NetworkData();
        reply->deleteLater();
        return spy.at(0).at(0).value<NetworkData>();
    }

    void signIn()
    {
        data()->setLogin(QStringLiteral("ann"));
        data()->setPassword(QStringLiteral("secret"));
        QSignalSpy spy(user(), &UserInfo::loginFinished);
        QSignalSpy balance(data(), &UserDatas::pointsChanged);
        user()->login();
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        QTRY_COMPARE(balance.count(), 1);
    }

    // Notices shown through the program's notification channel.
    QStringList m_notices;

private slots:
    void initTestCase()
    {
        global::instance();
        connect(function::instance()->getMessage(), &Message::showMessage, this,
                [this](const QString& text) { m_notices << text; });
        QVERIFY(m_server.start());
        // One base address reaches the account server and the analytics.
        qputenv("PENLARK_SERVER", m_server.url().toUtf8());
    }

    void init()
    {
        QVERIFY(m_server.reset());
        m_annId = m_server.createAccount(QStringLiteral("ann"), QStringLiteral("secret"), QStringLiteral("ann@example.org"),
                                         QStringLiteral("Ann"), 120);
        QVERIFY(m_annId > 0);
        data()->setLogined(false);
        user()->setError(QString());
        m_notices.clear();
        network::setSyncTimeout(25000);
    }

    // ---- HTTP helper -----------------------------------------------------

    void reply_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("etag");
        QTest::addColumn<int>("wantStatus");
        QTest::addColumn<QString>("wantError");
        QTest::addColumn<QString>("wantETag");

        QTest::newRow("404 with json error") << 404 << QByteArray(R"({"ok":false,"error":"no such key"})") << QByteArray()
                                             << 404 << "no such key" << "";
        QTest::newRow("200 with ok false") << 200 << QByteArray(R"({"ok":false,"error":"quota"})") << QByteArray()
                                           << 200 << "quota" << "";
        QTest::newRow("200 ok false without error") << 200 << QByteArray(R"({"ok":false})") << QByteArray()
                                                    << 200 << "" << "";
        QTest::newRow("numeric error ignored") << 200 << QByteArray(R"({"ok":false,"error":5})") << QByteArray()
                                               << 200 << "" << "";
        QTest::newRow("array body") << 200 << QByteArray("[1,2]") << QByteArray("\"abc\"") << 200 << "" << "\"abc\"";
        QTest::newRow("xml body") << 200 << QByteArray("<a/>") << QByteArray() << 200 << "" << "";
        QTest::newRow("empty body") << 200 << QByteArray() << QByteArray() << 200 << "" << "";
    }

    void reply()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, etag);
        QJsonObject rule { { "path", "/x" }, { "action", "status" }, { "status", status }, { "body", QString::fromUtf8(body) } };
        if (!etag.isEmpty())
            rule.insert(QStringLiteral("headers"), QJsonObject { { "ETag", QString::fromLatin1(etag) } });
        QCOMPARE(m_server.addFault(rule).size(), 1);
        const NetworkData d = wait(network::get(m_server.url() + QStringLiteral("/x")));
        QVERIFY(d.complete);
        QTEST(d.statusCode, "wantStatus");
        QTEST(d.errorString, "wantError");
        QTEST(d.eTag, "wantETag");
        QCOMPARE(d.data, body);
    }

    void replyFailures()
    {
        // Nobody listens on a port we just released.
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const quint16 port = probe.serverPort();
        probe.close();
        NetworkData d = wait(network::get(QStringLiteral("http://127.0.0.1:%1/x").arg(port)));
        QVERIFY(d.complete);
        QCOMPARE(d.statusCode, 0);
        QVERIFY(!d.errorString.isEmpty());

        // No server configured: fails at once without traffic.
        d = wait(network::get(QStringLiteral("/api/v1/x")));
        QVERIFY(d.complete);
        QCOMPARE(d.statusCode, 0);
        QCOMPARE(d.errorString, network::notConfiguredText());
        QVERIFY(m_server.requests().isEmpty());

        NetworkData byHand;
        QCOMPARE(byHand.statusCode, 200);
        QVERIFY(!byHand.complete);
    }

    void basicAuthWithEmptyPassword()
    {
        wait(network::getByAuth(m_server.url() + QStringLiteral("/x"), QStringLiteral("ann"), QString()));
        QCOMPARE(m_server.requests().size(), 1);
        QCOMPARE(m_server.requests().at(0).basicCredentials(), QByteArray("ann:"));
    }

    void getImage()
    {
        QCOMPARE(network::getImage(QString(), false), QStringLiteral(":/source/images/user.png"));
        QVERIFY(m_server.requests().isEmpty());
        // Two addresses that serve the same picture.
        serve(QStringLiteral("/pictures/*"), testPicture(qRgb(200, 100, 50)));
        const QString a = network::getImage(m_server.url() + QStringLiteral("/pictures/a.png"), false);
        QVERIFY(QFileInfo::exists(a));
        const QDateTime written = QFileInfo(a).lastModified();
        QTest::qWait(20);
        QFile::setPermissions(a, QFileDevice::ReadOwner); // a rewrite would fail
        const QString b = network::getImage(m_server.url() + QStringLiteral("/pictures/b.png"), false);
        QCOMPARE(b, a);
        QCOMPARE(QFileInfo(b).lastModified(), written);
        QFile::setPermissions(a, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QVERIFY(network::getImage(m_server.url() + QStringLiteral("/missing"), false).isEmpty());
        QCOMPARE(network::transformUnit(1073741824, false), QStringLiteral("1 GB"));
        QCOMPARE(network::transformUnit(1023, true), QStringLiteral("1023 B/S"));
    }

    void iconItem()
    {
        networkIconItem item;
        QSignalSpy spy(&item, &networkIconItem::iconFileChanged);
        item.setHttpIcon(QString());
        QCOMPARE(item.iconFile(), QStringLiteral(":/source/images/user.png"));
        QCOMPARE(spy.count(), 0);
        serve(QStringLiteral("/pictures/icon.png"), testPicture(qRgb(20, 30, 40)));
        const QString url = m_server.url() + QStringLiteral("/pictures/icon.png");
        item.setHttpIcon(url);
        QTRY_COMPARE(item.iconFile(), item.iconPath());
        QVERIFY(QFileInfo::exists(item.iconPath()));
        networkIconItem cached;
        m_server.clearRequests();
        cached.setHttpIcon(url);
        QCOMPARE(cached.iconFile(), item.iconPath());
        QVERIFY(m_server.requests().isEmpty());
    }

    // ---- account data ----------------------------------------------------

    void accountDataDefaults()
    {
        UserDatas fresh;
        QSettings s;
        QCOMPARE(fresh.autologin(), s.value("userInfo/autoLogin", true).toBool());
        QSignalSpy spy(&fresh, &UserDatas::loginChanged);
        fresh.setLogin(fresh.login());
        QCOMPARE(spy.count(), 0);
        // What is typed is held, not kept: only a sign-in keeps it.
        fresh.setLogin(QStringLiteral("typed"));
        fresh.setPassword(QStringLiteral("p&ss=wörd"));
        QVERIFY(UserDatas().login() != QStringLiteral("typed") && UserDatas().password().isEmpty());

        // A downloaded avatar that was removed falls back to the default.
        const QString file = QDir::temp().filePath(QStringLiteral("avatar.jpg"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        fresh.setAvatar_file(QUrl::fromLocalFile(file).toString());
        QCOMPARE(fresh.avatar_file(), QUrl::fromLocalFile(file).toString());
        QFile::remove(file);
        QCOMPARE(fresh.avatar_file(), UserDatas::defaultAvatar());
        QCOMPARE(fresh.avatar_url(), UserDatas::defaultAvatar());
        QSignalSpy avatar(&fresh, &UserDatas::avatar_fileChanged);
        fresh.setAvatar_file(QString());
        QCOMPARE(avatar.count(), 1);
        QCOMPARE(fresh.avatar_file(), UserDatas::defaultAvatar());

        // points is read-only for QML
        const QMetaObject* mo = fresh.metaObject();
        QVERIFY(!mo->property(mo->indexOfProperty("points")).isWritable());
        QCOMPARE(mo->indexOfProperty("username"), -1);
    }

    // ---- sign-in ---------------------------------------------------------

    void signInSucceeds()
    {
        giveAnnAnAvatar();
        data()->setAvatar_file(QString());
        m_server.clearRequests();
        signIn();
        QVERIFY(data()->logined());
        QCOMPARE(data()->id(), int(m_annId));
        QCOMPARE(data()->email(), QStringLiteral("ann@example.org"));
        QCOMPARE(data()->nickname(), QStringLiteral("Ann"));
        QCOMPARE(data()->error_code(), 0);
        QTRY_COMPARE(data()->points(), 120);
        QVERIFY(data()->avatar_file().startsWith(QStringLiteral("file:")));
        const ServerRequest r = m_server.requestsTo("/api/v1/users/login").at(0);
        QCOMPARE(r.body, QByteArray("name=ann"));
        QCOMPARE(r.query.queryItemValue("version"), global::instance()->version());
        QCOMPARE(r.headers.value("content-type"), QByteArray("application/x-www-form-urlencoded"));
        QCOMPARE(user()->tips(), QStringLiteral("登录成功"));
        QVERIFY(m_notices.contains(QStringLiteral("登录成功")));
        QCOMPARE(QSettings().value("userInfo/password").toString(), QStringLiteral("secret"));

        QSignalSpy out(global::instance()->signalObject(), &SignalObject::logoutFinish);
        user()->logout();
        QVERIFY(!data()->logined());
        QCOMPARE(out.count(), 1);
        QCOMPARE(data()->login(), QStringLiteral("ann"));
        QCOMPARE(QSettings().value("userInfo/userName").toString(), QStringLiteral("ann"));
    }

    void signInFails_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("body"); // replaces the server's answer when set
        QTest::addColumn<int>("errorCode");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("kept"); // by a sign-in before a new start; stays so
        QTest::newRow("wrong password") << "nope" << QByteArray() << 401 << "用户名或密码错误" << "";
        QTest::newRow("another's password under a kept name") << "nope" << QByteArray() << 401 << "用户名或密码错误" << "secret";
        QTest::newRow("not json") << "secret" << QByteArray("<html>") << int(QJsonParseError::IllegalValue) << "" << "";
    }

    void signInFails()
    {
        QFETCH(QString, password);
        QFETCH(QByteArray, body);
        QFETCH(QString, kept);
        QSettings().remove("userInfo/password");
        if (!kept.isEmpty())
            signIn();
        data()->setLogined(false);
        if (!body.isEmpty())
            answer(QStringLiteral("/api/v1/users/login"), 200, body);
        data()->setLogin(QStringLiteral("ann"));
        data()->setPassword(password);
        QSignalSpy spy(user(), &UserInfo::loginFinished);
        user()->login();
        QVERIFY(spy.wait(5000));
        QTest::qWait(50);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toBool(), false);
        QFETCH(QString, message);
        if (!message.isEmpty())
            QCOMPARE(spy.at(0).at(1).toString(), message);
        QTEST(data()->error_code(), "errorCode");
        QVERIFY(m_notices.contains(spy.at(0).at(1).toString()));
        QVERIFY(!data()->logined());
        QTEST(UserDatas().password(), "kept"); // what the next start reads
    }

    void signInGuards()
    {
        user()->login(QString(), QStringLiteral("x"));
        QCOMPARE(user()->error(), QStringLiteral("请输入用户名"));
        user()->login(QStringLiteral("ann"), QString());
        QCOMPARE(user()->error(), QStringLiteral("请输入密码"));
        QSignalSpy spy(user(), &UserInfo::loginFinished);
        user()->login(true, true);
        user()->login(QStringLiteral("ann"), QStringLiteral("secret"));
        user()->login(QStringLiteral("ann"), QStringLiteral("secret"));
        QVERIFY(spy.wait(5000));
        QCOMPARE(m_server.requestsTo("/api/v1/users/login").size(), 1);

        // A JSON array keeps the signed-in state as it was.
        answer(QStringLiteral("/api/v1/users/login"), 200, "[]");
        spy.clear();
        user()->login(QStringLiteral("ann"), QStringLiteral("secret"));
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.at(0).at(0).toBool(), false);
        QVERIFY(data()->logined());
    }

    void signInTimesOut()
    {
        network::setSyncTimeout(200);
        QCOMPARE(m_server.addFault(QJsonObject { { "path", "/api/v1/users/login" }, { "action", "stall" } }).size(), 1);
        QSignalSpy spy(user(), &UserInfo::loginFinished);
        user()->login(QStringLiteral("ann"), QStringLiteral("secret"));
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.at(0).at(0).toBool(), false);
        QVERIFY(!spy.at(0).at(1).toString().isEmpty());
        // The next sign-in is not blocked by the one that hung (with the
        // usual time limit: a loaded machine answers later than 200 ms).
        m_server.clearFaults();
        network::setSyncTimeout(25000);
        signIn();
    }

    void signInOffline()
    {
        qputenv("PENLARK_SERVER", "");
        QSignalSpy spy(user(), &UserInfo::loginFinished);
        user()->login(QStringLiteral("ann"), QStringLiteral("secret"));
        QVERIFY(spy.wait(5000));
        qputenv("PENLARK_SERVER", m_server.url().toUtf8());
        QCOMPARE(spy.at(0).at(0).toBool(), false);
        QCOMPARE(spy.at(0).at(1).toString(), network::notConfiguredText());
        QVERIFY(m_server.requests().isEmpty());
    }

    void errorMapping()
    {
        user()->setError(QStringLiteral("captcha_incorrect"));
        QCOMPARE(user()->error(), QStringLiteral("验证码不正确"));
        user()->setError(QStringLiteral("上传的文件不是一张图片: x"));
        QCOMPARE(user()->error(), QStringLiteral("上传的文件不是一张图片"));
        user()->setError(QStringLiteral("some other text"));
        QCOMPARE(user()->error(), QStringLiteral("some other text"));
        user()->setTips(QStringLiteral("busy"));
        QCOMPARE(user()->rawError(), QString());
    }

    // ---- registration ----------------------------------------------------

    // Fetches a captcha through the account data and types its answer.
    void solveCaptcha()
    {
        const QString before = data()->captchaId();
        data()->updateCaptcha();
        QTRY_VERIFY(data()->captchaId() != before);
        QTRY_VERIFY(data()->captchaFile().startsWith(QStringLiteral("file:")));
        data()->setCaptchaText(m_server.captchaAnswer(data()->captchaId()));
    }

    void registration()
    {
        solveCaptcha();
        QVERIFY(!QImage(QUrl(data()->captchaFile()).toLocalFile()).isNull());

        data()->setLogin(QStringLiteral("bob"));
        data()->setEmail(QStringLiteral("bob@example.org"));
        data()->setPassword(QStringLiteral("a&b=c!"));
        data()->setReType(QStringLiteral("a&b=c!"));
        QSignalSpy spy(user(), &UserInfo::regFinished);
        user()->reg();
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        // Values go out as typed, without escaping.
        QVERIFY(m_server.requestsTo("/api/v1/users/sign_up").last().body.contains("&password=a&b=c!&retype=a&b=c!&"));
        QVERIFY(!data()->logined());
        // The new account signs in with what was typed.
        QSignalSpy signedIn(user(), &UserInfo::loginFinished);
        user()->login();
        QVERIFY(signedIn.wait(5000));
        QCOMPARE(signedIn.at(0).at(0).toBool(), true);
        QCOMPARE(data()->login(), QStringLiteral("bob"));
        user()->logout();
        // The sign-out forgot the password; the form's is typed again.
        data()->setPassword(QStringLiteral("a&b=c!"));

        // The same again with a fresh captcha: the name is taken.
        solveCaptcha();
        spy.clear();
        user()->reg();
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.at(0).at(0).toBool(), false);
        QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("用户名已被占用"));

        answer(QStringLiteral("/api/v1/users/sign_up"), 200, "{\"ok\":false}", "GET");
        answer(QStringLiteral("/api/v1/users/sign_up"), 200, "[1]", "POST");
        spy.clear();
        user()->reg();
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("未知错误"));

        // A refused captcha keeps the current one.
        const QString file = data()->captchaFile();
        const QString id = data()->captchaId();
        m_server.clearRequests();
        data()->updateCaptcha();
        QTRY_COMPARE(m_server.requestsTo("/api/v1/users/sign_up").size(), 1);
        QTest::qWait(50);
        QCOMPARE(data()->captchaFile(), file);
        QCOMPARE(data()->captchaId(), id);
    }

    // ---- profile, password, avatar ----------------------------------------

    void changesNeedSignIn()
    {
        QVERIFY(!user()->changePassword("a", "b", "b"));
        QCOMPARE(user()->error(), QStringLiteral("Please login first!"));
        QVERIFY(!user()->pushUserSetting("a@b", "n"));
        QVERIFY(!user()->updateAvatar(QByteArray("x")));
        QVERIFY(m_server.requests().isEmpty());
    }

    void profileChanges()
    {
        signIn();
        QVERIFY(user()->pushUserSetting(QStringLiteral("new@example.org"), QStringLiteral("Annie")));
        QCOMPARE(user()->error(), QStringLiteral("Your profile has been updated successfully."));
        QVERIFY(m_server.requestsTo("/api/v1/user/settings").at(0).body.endsWith("&website="));
        QVERIFY(!user()->pushUserSetting(QStringLiteral("bad"), QStringLiteral("Annie")));
        QCOMPARE(user()->error(), QStringLiteral("Email address is not a valid email address."));

        // Signed with the old password typed in the window.
        data()->setPassword(QStringLiteral("stale"));
        QVERIFY(user()->changePassword(QStringLiteral("secret"), QStringLiteral("new&pass"), QStringLiteral("new&pass")));
        QCOMPARE(m_server.requestsTo("/api/v1/user/settings/password").at(0).basicCredentials(), QByteArray("ann:secret"));
        // The new password signs the session's requests from now on, and is kept.
        QCOMPARE(data()->password(), QStringLiteral("new&pass"));
        QCOMPARE(QSettings().value("userInfo/password").toString(), QStringLiteral("new&pass"));

        QVERIFY(!user()->updateAvatar(QUrl::fromLocalFile(QStringLiteral("/nonexistent/pic.png"))));
        QCOMPARE(user()->error(), QStringLiteral("上传的文件不是一张图片"));
        QVERIFY(user()->updateAvatar(testPicture(qRgb(1, 2, 3))));
        const ServerRequest upload = m_server.requestsTo("/api/v1/user/settings/avatar").last();
        QVERIFY(upload.headers.value("content-type").startsWith("multipart/form-data"));
        QCOMPARE(upload.part("gravatar").content, data()->email().toUtf8());
        QCOMPARE(upload.part("source").content, QByteArray("local"));
        QCOMPARE(upload.part("avatar").filename, QByteArray("file.png"));
        QCOMPARE(upload.part("avatar").contentType, QByteArray("image/png"));
        QCOMPARE(upload.part("avatar").content, testPicture(qRgb(1, 2, 3)));
        QSignalSpy spy(user(), &UserInfo::loginFinished);
        user()->login(true);
        QVERIFY(spy.wait(5000));
        QTRY_VERIFY(data()->avatar_file().startsWith(QStringLiteral("file:")));

        // Changed again on another computer: the next account request is
        // refused, and the writer is signed out with the reason, nothing kept.
        QVERIFY(m_server.changePassword("ann", "new&pass", "elsewhere"));
        data()->updatePoints();
        QTRY_VERIFY(!data()->logined());
        QVERIFY(m_notices.contains(QStringLiteral("密码已失效（可能已在别处修改），已退出登录，请重新登录")));
        QCOMPARE(UserDatas().password(), QString());
    }

    void changeTimesOut()
    {
        signIn();
        network::setSyncTimeout(200);
        QCOMPARE(m_server.addFault(QJsonObject { { "path", "/api/v1/user/settings*" }, { "action", "stall" } }).size(), 1);
        QVERIFY(!user()->pushUserSetting(QStringLiteral("a@b"), QStringLiteral("n")));
        QCOMPARE(user()->error(), QStringLiteral("超时"));
        QVERIFY(!user()->updateAvatar(QByteArray("x")));
        QCOMPARE(user()->error(), QStringLiteral("上传超时"));
    }

    // ---- points ----------------------------------------------------------

    void points()
    {
        signIn();
        QTRY_COMPARE(data()->points(), 120);
        QSignalSpy spy(data(), &UserDatas::pointsChanged);
        // The statistics reach addPoints by name.
        QVERIFY(QMetaObject::invokeMethod(data(), "addPoints", Q_ARG(int, 10), Q_ARG(QString, QString())));
        QTRY_COMPARE(data()->points(), 130);
        const ServerRequest add = m_server.requestsTo("/api/v2/points/add").at(0);
        QCOMPARE(add.query.queryItemValue("explain"), QString());
        QCOMPARE(add.query.queryItemValue("user_name"), QStringLiteral("ann"));
        data()->delPoints(30, QStringLiteral("Through"));
        QTRY_COMPARE(data()->points(), 100);
        // Unchanged balances still signal. A refresh started by the sign-in
        // may still be answered meanwhile, so count at least the four.
        QSignalSpy refreshed(data(), &UserDatas::pointsChanged);
        data()->updatePoints();
        data()->updatePoints();
        QTRY_VERIFY(refreshed.count() >= 2);
        QVERIFY(spy.count() >= 4);

        answer(QStringLiteral("/api/v2/points/add"), 500, "{}");
        data()->addPoints(1);
        QTRY_VERIFY(m_notices.contains(QStringLiteral("积分获取失败:(错误码:500)")));
        m_server.clearFaults();
        const QByteArray refused = R"({"ok":false,"error":"limit"})";
        answer(QStringLiteral("/api/v2/points*"), 200, refused);
        data()->addPoints(1);
        QTRY_VERIFY(m_notices.contains(QStringLiteral("积分获取失败:(limit)")));
        m_notices.clear();
        data()->updatePoints();
        QTRY_VERIFY(m_notices.contains(QStringLiteral("积分获取失败")));
        QCOMPARE(data()->points(), 100);

        user()->logout();
        m_server.clearRequests();
        m_notices.clear();
        data()->delPoints(5);
        QTest::qWait(50);
        QVERIFY(m_server.requests().isEmpty());
        QVERIFY(m_notices.isEmpty());
    }

    // A balance read before a change but answered after it (a busy server
    // answers in any order) never replaces the changed balance; nor does a
    // balance read while a change is still on its way.
    void pointsAnsweredOutOfOrder()
    {
        signIn();
        QTRY_COMPARE(data()->points(), 120);
        m_server.clearRequests();
        const QByteArray stale = R"({"ok":true,"data":{"points":120}})";
        QCOMPARE(m_server.addFault(QJsonObject { { "method", "GET" }, { "path", "/api/v2/points" }, { "times", 1 },
                                                 { "action", "status" }, { "status", 200 }, { "delay_ms", 400 },
                                                 { "body", QString::fromUtf8(stale) } }).size(), 1);
        QSignalSpy shown(data(), &UserDatas::pointsChanged);
        data()->updatePoints();
        data()->addPoints(10);
        QTRY_COMPARE(data()->points(), 130);
        // The stale balance is answered 400 ms late; give it time to arrive.
        QTRY_VERIFY(m_server.requestsTo(QStringLiteral("/api/v2/points")).value(0).status == 200);
        QTest::qWait(300);
        QCOMPARE(data()->points(), 130);
        QCOMPARE(shown.count(), 1);

        // The change is slow; a balance read meanwhile is not shown.
        m_server.clearFaults();
        QCOMPARE(m_server.addFault(QJsonObject { { "path", "/api/v2/points/add" }, { "times", 1 }, { "action", "delay" },
                                                 { "delay_ms", 400 } }).size(), 1);
        data()->addPoints(5);
        data()->updatePoints();
        QTRY_COMPARE(data()->points(), 135);
        data()->updatePoints();
        QTRY_COMPARE(shown.count(), 3);
        QCOMPARE(data()->points(), 135);
        QCOMPARE(shown.at(1).at(0).toInt(), 135);
        user()->logout();
    }

    // ---- analytics -------------------------------------------------------

    void analytics()
    {
        countly c;
        c.start();
        QTRY_COMPARE(m_server.requestsTo("/i").size(), 1);
        ServerRequest begin = m_server.requestsTo("/i").at(0);
        QCOMPARE(begin.query.queryItems().size(), 6);
        QCOMPARE(begin.query.queryItemValue("begin_session"), QStringLiteral("1"));
        QCOMPARE(begin.query.queryItemValue("device_id"), function::deviceID());
        const QJsonObject metrics = QJsonDocument::fromJson(begin.query.queryItemValue("metrics", QUrl::FullyDecoded).toUtf8()).object();
        QCOMPARE(metrics.value("_app_version").toString(), QStringLiteral("2.0.13"));

        // While the window is not active the heartbeat stays silent.
        global::instance()->setIsAppAction(false);
        c.getActive();
        c.hold();
        QTest::qWait(50);
        QCOMPARE(m_server.requestsTo("/i").size(), 1);
        global::instance()->setIsAppAction(true);
        c.getActive();
        c.hold();
        QTRY_COMPARE(m_server.requestsTo("/i").size(), 2);
        global::instance()->setIsAppAction(false);
        signIn();
        c.addEvent(QStringLiteral("b"));
        c.addEvent(QStringLiteral("a"));
        c.addEvent(QStringLiteral("a"));
        QCOMPARE(c.getEvents(), QStringLiteral("[{\"key\":\"a\",\"count\":2},{\"key\":\"b\",\"count\":1}]"));
        c.setActive(true);
        m_server.clearRequests();
        c.hold();
        QTRY_COMPARE(m_server.requestsTo("/i").size(), 1);
        const ServerRequest beat = m_server.requestsTo("/i").at(0);
        QCOMPARE(beat.query.queryItemValue("session_duration"), QStringLiteral("30"));
        const QJsonObject details = QJsonDocument::fromJson(beat.query.queryItemValue("user_details", QUrl::FullyDecoded).toUtf8()).object();
        QCOMPARE(details.value("username").toString(), QStringLiteral("ann"));
        QCOMPARE(details.value("email").toString(), QStringLiteral("ann@example.org"));

        data()->setError_code(3);
        QVERIFY(c.getUserInfo().isEmpty());
        data()->setError_code(0);

        m_server.clearRequests();
        c.stop();
        QTRY_COMPARE(m_server.requestsTo("/i").size(), 1);
        QCOMPARE(m_server.requestsTo("/i").at(0).query.queryItems().size(), 2);

        // The server counted two sessions begun, two heartbeats, one end
        // and the events of the heartbeat that carried them (once the last
        // request is answered: the journal has it as soon as it arrives).
        QTRY_COMPARE(m_server.requestsTo("/i").at(0).status, 200);
        const QJsonObject counts = m_server.analytics().value(QStringLiteral("events")).toObject();
        QCOMPARE(counts.value(QStringLiteral("[CLY]_session_begin")).toInt(), 1);
        QCOMPARE(counts.value(QStringLiteral("[CLY]_session_heartbeat")).toInt(), 2);
        QCOMPARE(counts.value(QStringLiteral("[CLY]_session_end")).toInt(), 1);
        QCOMPARE(counts.value(QStringLiteral("a")).toInt(), 2);
        QCOMPARE(counts.value(QStringLiteral("b")).toInt(), 1);
    }

    void serviceAddresses_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("analytics");
        QTest::addColumn<QString>("wantAccount");
        QTest::addColumn<QString>("wantAnalytics");
        QTest::newRow("base only") << "http://h:1/" << "" << "" << "http://h:1" << "http://h:1";
        QTest::newRow("account server of its own") << "http://h:1" << "http://a:2" << "" << "http://a:2" << "http://h:1";
        QTest::newRow("analytics of its own") << "http://h:1" << "" << "http://c:3" << "http://h:1" << "http://c:3";
        QTest::newRow("nothing") << "" << "" << "" << "" << "";
    }

    void serviceAddresses()
    {
        QFETCH(QString, base);
        QFETCH(QString, account);
        QFETCH(QString, analytics);
        const auto restore = qScopeGuard([this] {
            qputenv("PENLARK_SERVER", m_server.url().toUtf8());
            qunsetenv("PENLARK_ACCOUNT_SERVER");
            qunsetenv("PENLARK_ANALYTICS_SERVER");
        });
        qputenv("PENLARK_SERVER", base.toUtf8());
        qputenv("PENLARK_ACCOUNT_SERVER", account.toUtf8());
        qputenv("PENLARK_ANALYTICS_SERVER", analytics.toUtf8());
        QTEST(ServiceConfig::accountServer(), "wantAccount");
        QTEST(ServiceConfig::analyticsServer(), "wantAnalytics");
    }

    // ---- pages -----------------------------------------------------------

    void pages()
    {
        QQmlApplicationEngine engine;
        setUpMainEngine(engine, &engine);
        engine.loadData("import QtQuick 2.15\nimport QtQuick.Window 2.15\n"
                        "Window { width: 800; height: 600; visible: true\n"
                        "  function showPointsWindow() {} }");
        QCOMPARE(engine.rootObjects().size(), 1);
        auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
        QVERIFY(window);
        engine.rootContext()->setContextProperty(QStringLiteral("applicationWindow"), window);
        auto create = [&](const char* file) { return TestAccounts::create(&engine, window, QLatin1String(file)); };

        UserDatas* d = data();
        QObject* me = create("qrc:/qml/page/MePage.qml");
        QVERIFY(me);
        QCOMPARE(me->property("name").toString(), QStringLiteral("me"));
        QVERIFY(child(me, "signedOut")->property("visible").toBool());

        // An error left by an earlier attempt does not greet a fresh sheet.
        user()->setError(QStringLiteral("请输入用户名"));
        QObject* login = create("qrc:/qml/page/LoginPage.qml");
        QVERIFY(login);
        QVERIFY(QMetaObject::invokeMethod(login, "show"));
        QCOMPARE(child(login, "loginError")->property("text").toString(), QString());
        QVERIFY(!child(login, "offlineNotice")->property("visible").toBool());

        // Empty password: refused with the page's own text, nothing sent.
        d->setLogin(QStringLiteral("ann"));
        d->setPassword(QString());
        QVariant sent;
        QVERIFY(QMetaObject::invokeMethod(login, "doLogin", Q_RETURN_ARG(QVariant, sent)));
        QCOMPARE(sent.toBool(), false);
        QCOMPARE(child(login, "loginError")->property("text").toString(), QStringLiteral("密码不能为空"));
        QVERIFY(m_server.requests().isEmpty());

        // The page shows the avatar while signed in: the picture still
        // arrives from the address the server sent.
        giveAnnAnAvatar();
        d->setLogin(QStringLiteral("ann"));
        d->setPassword(QStringLiteral("secret"));
        d->setAvatar_file(QString());
        QSignalSpy destroyed(login, SIGNAL(destroyWindow()));
        QVERIFY(QMetaObject::invokeMethod(login, "doLogin", Q_RETURN_ARG(QVariant, sent)));
        QTRY_VERIFY(d->logined());
        QTRY_COMPARE(destroyed.count(), 1);
        QTRY_VERIFY(child(me, "signedIn")->property("visible").toBool());
        QTRY_VERIFY(d->avatar_file().startsWith(QStringLiteral("file:")));
        QVERIFY(d->avatar_url().startsWith(m_server.url() + QStringLiteral("/avatars/")));
        QTRY_COMPARE(child(me, "pointsText")->property("text").toString(), QStringLiteral("现有积分: 120"));

        QObject* points = create("qrc:/qml/page/PointsWindow.qml");
        QVERIFY(points);
        QCOMPARE(child(points, "pointsText")->property("text").toString(), QStringLiteral("现有积分: 120"));
        global::instance()->settings()->setIsFirstLogin(true);
        QObject* first = child(points, "firstLoginRow");
        QSignalSpy balance(d, &UserDatas::pointsChanged);
        QVERIFY(QMetaObject::invokeMethod(child(first, "claimButton"), "clicked"));
        // The claim sends the change and a balance request at once; the
        // server may read that balance before the change, so only the
        // change's own answer is shown. A balance asked for alone agrees.
        QTRY_COMPARE(balance.count(), 1);
        QCOMPARE(d->points(), 220);
        d->updatePoints();
        QTRY_COMPARE(balance.count(), 2);
        QCOMPARE(d->points(), 220);
        QVERIFY(!global::instance()->settings()->isFirstLogin());

        // A picked picture is uploaded from the page by its file URL.
        const QString png = QDir::temp().filePath(QStringLiteral("picked.png"));
        QFile pngFile(png);
        QVERIFY(pngFile.open(QIODevice::WriteOnly));
        pngFile.write(testPicture(qRgb(9, 9, 9)));
        pngFile.close();
        m_server.clearRequests();
        QVERIFY(QMetaObject::invokeMethod(me, "changeAvatar", Q_ARG(QVariant, QVariant::fromValue(QUrl::fromLocalFile(png)))));
        QCOMPARE(m_server.requestsTo("/api/v1/user/settings/avatar").size(), 1);
        QCOMPARE(m_server.requestsTo("/api/v1/user/settings/avatar").at(0).part("avatar").content, testPicture(qRgb(9, 9, 9)));
        QVERIFY(m_notices.contains(QStringLiteral("您的新头像更新成功")));
        QTRY_VERIFY(d->avatar_file().startsWith(QStringLiteral("file:")));

        // The other account pages build; a blank profile change is refused.
        for (const char* file : { "qrc:/qml/page/ClockInPage.qml", "qrc:/qml/page/PasswordWindow.qml" })
            delete create(file);
        QObject* profile = create("qrc:/qml/page/ProfileWindow.qml");
        QVERIFY(profile);
        QVERIFY(QMetaObject::invokeMethod(profile, "doOk"));
        QVERIFY(m_notices.contains(QStringLiteral("请输入新的昵称或邮箱")));
        QVERIFY(m_server.requestsTo("/api/v1/user/settings").isEmpty());
        delete profile;

        // The sign-up entries and the "signed in" line leave with the writer who signs out.
        const char* const signUpFields[] = { "signUpName", "signUpEmail", "signUpPassword", "signUpRetype", "signUpCaptcha" };
        QSignalSpy captcha(d, &UserDatas::captchaIdChanged);
        QVERIFY(QMetaObject::invokeMethod(login, "show") && QMetaObject::invokeMethod(login, "showSignUp"));
        QTRY_COMPARE(captcha.count(), 1);
        for (const char* field : signUpFields) {
            QVERIFY(QMetaObject::invokeMethod(child(login, field), "forceActiveFocus"));
            QTest::keyClick(window, 'a');
            QCOMPARE(child(login, field)->property("text").toString(), QStringLiteral("a"));
        }
        QCOMPARE(child(login, "loginTips")->property("text").toString(), QStringLiteral("登录成功"));
        QVERIFY(QMetaObject::invokeMethod(child(me, "logoutButton"), "clicked"));
        QVERIFY(!d->logined());
        for (const char* field : signUpFields)
            QCOMPARE(child(login, field)->property("text").toString(), QString());
        QVERIFY(!child(login, "loginTips")->property("visible").toBool());
        QVERIFY(child(me, "signedOut")->property("visible").toBool());
        QCOMPARE(child(points, "pointsText")->property("text").toString(), QStringLiteral("未登录"));

        // A newcomer signs up by the page's own button with the captcha's
        // characters, finds the sign-in side filled in and signs in by its button.
        QVERIFY(QMetaObject::invokeMethod(login, "show") && QMetaObject::invokeMethod(login, "showSignIn"));
        captcha.clear();
        QVERIFY(click(window, child(login, "signUpLink")));
        QTRY_COMPARE(captcha.count(), 1);
        const QString id = d->captchaId();
        const QString answer = m_server.captchaAnswer(id);
        const QStringList typed { "cleo", "cleo@example.org", "c&l=eo!", "c&l=eo!", answer };
        for (int i = 0; i < typed.size(); ++i)
            QVERIFY2(type(window, child(login, signUpFields[i]), typed.at(i)), signUpFields[i]);
        QVERIFY(click(window, child(login, "signUpButton")));
        QTRY_VERIFY2(m_notices.contains(QStringLiteral("注册成功，您可以登陆了")), qPrintable(user()->error()));
        QByteArray signUp;
        for (const ServerRequest& r : m_server.requestsTo("/api/v1/users/sign_up"))
            signUp = r.method == "POST" ? r.body : signUp;
        QVERIFY(signUp.endsWith("&captcha_id=" + id.toUtf8() + "&captcha=" + answer.toUtf8()));
        QVERIFY(!login->property("signUp").toBool());
        QCOMPARE(child(login, "loginName")->property("text").toString(), QStringLiteral("cleo"));
        QCOMPARE(child(login, "loginPassword")->property("text").toString(), QStringLiteral("c&l=eo!"));
        QVERIFY(click(window, child(login, "loginButton")));
        QTRY_VERIFY(d->logined());
        QCOMPARE(d->login(), QStringLiteral("cleo"));

        // Signing out forgets the password: in the sheet, in memory and in
        // the settings file, which its owner alone may read. What the next
        // start reads signs nobody in; the user name stays.
        QTRY_VERIFY(child(me, "logoutButton")->property("visible").toBool());
        QVERIFY(click(window, child(me, "logoutButton")));
        QVERIFY(!d->logined());
        QCOMPARE(d->password(), QString());
        QCOMPARE(child(login, "loginPassword")->property("text").toString(), QString());
        QCOMPARE(child(login, "loginName")->property("text").toString(), QStringLiteral("cleo"));
        QFile settingsFile(global::settingsFileName());
        QVERIFY(settingsFile.open(QIODevice::ReadOnly));
        const QByteArray stored = settingsFile.readAll();
        QVERIFY2(stored.contains("userName=cleo") && !stored.contains("\npassword=") && !stored.contains("eo!"), stored.constData());
        struct stat mode;
        QVERIFY(::stat(QFile::encodeName(settingsFile.fileName()).constData(), &mode) == 0);
        QCOMPARE(mode.st_mode & 0777, mode_t(0600));
        const UserDatas restarted;
        QCOMPARE(restarted.password(), QString());
        QCOMPARE(restarted.login(), QStringLiteral("cleo"));
        // A wrong password typed under the kept name is refused and, like
        // any password that did not sign in, never reaches the file.
        QSignalSpy refused(user(), &UserInfo::loginFinished);
        QVERIFY(QMetaObject::invokeMethod(login, "show") && type(window, child(login, "loginPassword"), "wrong!"));
        QVERIFY(click(window, child(login, "loginButton")) && refused.wait(5000) && !refused.at(0).at(0).toBool());
        QCOMPARE(UserDatas().password(), QString());

        // Signed out, a claim opens the sign-in page and keeps the award.
        global::instance()->settings()->setIsFirstLogin(true);
        QSignalSpy showLogin(global::instance()->settings(), SIGNAL(showLogin()));
        QVERIFY(QMetaObject::invokeMethod(child(first, "claimButton"), "clicked"));
        QCOMPARE(showLogin.count(), 1);
        QVERIFY(global::instance()->settings()->isFirstLogin());
        delete points;
        delete me;

        // Without an account server the sheet says so before anything is typed.
        qunsetenv("PENLARK_SERVER");
        QObject* offline = create("qrc:/qml/page/LoginPage.qml");
        qputenv("PENLARK_SERVER", m_server.url().toUtf8());
        QVERIFY(offline);
        QVERIFY(QMetaObject::invokeMethod(offline, "show"));
        QTRY_VERIFY(child(offline, "offlineNotice")->property("visible").toBool());
        delete offline;
    }
    // ---- per-user settings mirror ------------------------------------------

    void userSetting()
    {
        signIn();
        UserSetting setting;
        QMap<QString, QByteArray> store;
        int putStatus = 200;
        // Each request gets the answer set up for it.
        auto answer = [this](int status, const QByteArray& body) {
            m_server.addFault(QJsonObject { { "path", "/store" }, { "times", 1 }, { "action", "status" }, { "status", status },
                                            { "body", QString::fromUtf8(body) } });
            return network::get(m_server.url() + QStringLiteral("/store"));
        };
        setting.setStorage(this,
            [&](const QString& key) { return store.contains(key) ? answer(200, store.value(key)) : answer(404, "{}"); },
            [&](const QString& key, const QByteArray& body, const QString&) {
                if (putStatus == 200)
                    store.insert(key, body);
                return answer(putStatus, "{}");
            });
        QSettings().setValue("Status/SettingChanged", false);
        setting.download();
        const QString key = UserSetting::objectKey(QStringLiteral("ann"));
        QCOMPARE(key, QStringLiteral("ranking/setting/ann/ann.setting.json"));
        QTRY_VERIFY(store.contains(key));
        QTRY_VERIFY(!setting.isValueChanged());

        putStatus = 500;
        setting.setValue(QStringLiteral("roomKey"), QStringLiteral("r1"));
        QVERIFY(setting.isValueChanged());
        setting.upload();
        QTest::qWait(100);
        QVERIFY(setting.isValueChanged());
        putStatus = 200;
        setting.upload();
        QTRY_VERIFY(!setting.isValueChanged());
        QCOMPARE(QJsonDocument::fromJson(store.value(key)).object().value("roomKey").toString(), QStringLiteral("r1"));

        // Same text: not marked changed.
        setting.setValue(QStringLiteral("roomKey"), QStringLiteral("r1"));
        QVERIFY(!setting.isValueChanged());
    }
};

PENLARK_TEST_MAIN(TestAccounts)
#include "tst_accounts.moc"
