// Registration of the QML types and context properties, the system
// dispatcher, the key filter, the shortcut schemes and the themes.
#include "testenvironment.h"

#include "data/global.h"
#include "data/settings.h"
#include "TovaUi/dialog/qiimagepicker.h"
#include "TovaUi/function/keys.h"
#include "TovaUi/function/qidevice.h"
#include "TovaUi/function/qisystemdispatcher.h"
#include "TovaUi/function/qmlkey.h"
#include "i18n/i18n.h"
#include "registertype/registertype.h"
#include "TovaUi/theme/lumotheme.h"
#include "TovaUi/theme/thememodel.h"

#include <QImage>
#include <QKeyEvent>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThreadPool>

namespace {
QStringList g_handlerOrder;

bool acceptingHandler(QVariantMap& data)
{
    g_handlerOrder << data.value(QStringLiteral("tag")).toString();
    return true;
}

bool otherHandler(QVariantMap&)
{
    return false;
}

// Counts the key presses that reach it, to show that the filter lets them pass.
class KeyReceiver : public QObject
{
public:
    int presses = 0;
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress)
            ++presses;
        return QObject::event(e);
    }
};

QStringList g_warnings;
QtMessageHandler g_previousHandler = nullptr;

void collectWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg || type == QtCriticalMsg)
        g_warnings << text;
    g_previousHandler(type, context, text);
}

QColor withAlpha(const QString& name, int alpha)
{
    QColor c(name);
    c.setAlpha(alpha);
    return c;
}

void setWindowColor(const QColor& color)
{
    QPalette palette = QGuiApplication::palette();
    palette.setColor(QPalette::Window, color);
    QGuiApplication::setPalette(palette);
}
} // namespace

class TestRegistration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        global::instance();
    }

    void init()
    {
        QSettings().clear();
        setWindowColor(QColor(0xef, 0xef, 0xef));
    }

    // --- system dispatcher and device object ---

    void dispatchAnnouncesLaterInOrder()
    {
        QISystemDispatcher* dispatcher = QISystemDispatcher::instance();
        QCOMPARE(dispatcher->parent(), QCoreApplication::instance());
        QVERIFY(!dispatcher->dispatch(QStringLiteral("activityIndicatorStart"), QVariantMap()));
        QVERIFY(!dispatcher->dispatch(QStringLiteral("second"), { { QStringLiteral("k"), 1 } }));
        // Connected only after both calls returned: still hears both, in order.
        QSignalSpy spy(dispatcher, &QISystemDispatcher::dispatched);
        QCOMPARE(spy.count(), 0);
        QTRY_COMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("activityIndicatorStart"));
        QVERIFY(spy.at(0).at(1).toMap().isEmpty());
        QCOMPARE(spy.at(1).at(0).toString(), QStringLiteral("second"));
        QCOMPARE(spy.at(1).at(1).toMap().value(QStringLiteral("k")).toInt(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 2);
    }

    void handlerRunsBeforeListenersAndOnlyOnce()
    {
        QISystemDispatcher* dispatcher = QISystemDispatcher::instance();
        QVERIFY(QISystemDispatcher::addListener(QStringLiteral("test.handled"), &acceptingHandler));
        QVERIFY(!QISystemDispatcher::addListener(QStringLiteral("test.handled"), &otherHandler));

        QStringList order;
        connect(dispatcher, &QISystemDispatcher::dispatched, this, [&order](const QString& name) {
            order << QStringLiteral("listener:") + name;
        });
        g_handlerOrder.clear();
        QVERIFY(dispatcher->dispatch(QStringLiteral("test.handled"), { { QStringLiteral("tag"), QStringLiteral("h") } }));
        QCOMPARE(g_handlerOrder, QStringList { QStringLiteral("h") });
        QVERIFY(order.isEmpty());
        QTRY_COMPARE(order, QStringList { QStringLiteral("listener:test.handled") });
        disconnect(dispatcher, nullptr, this, nullptr);
    }

    void statusBarRequestsGoThroughDispatcher()
    {
        QSignalSpy spy(QISystemDispatcher::instance(), &QISystemDispatcher::dispatched);
        TovaUi::setStatusBarStyle(TovaUi::StatusBarStyleDefault);
        TovaUi::setStatusBarHidden(true, 2);
        QTRY_COMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("applicationSetStatusBarStyle"));
        QCOMPARE(spy.at(0).at(1).toMap().value(QStringLiteral("style")).toInt(), 0);
        QCOMPARE(spy.at(1).at(0).toString(), QStringLiteral("applicationSetStatusBarHidden"));
        QCOMPARE(spy.at(1).at(1).toMap().value(QStringLiteral("hidden")).toBool(), true);
        QCOMPARE(spy.at(1).at(1).toMap().value(QStringLiteral("animation")).toInt(), 2);
    }

    void deviceSizeSetWhenQmlAsksFirst()
    {
        QIDevice* device = QIDevice::instance();
        QCOMPARE(device->screenWidth(), -1);
        QCOMPARE(device->screenHeight(), -1);
        QCOMPARE(device->statusBarHeight(), 0);
        QVERIFY(!device->screenFillStatusBar());

        QSignalSpy widthSpy(device, &QIDevice::screenWidthChanged);
        QSignalSpy heightSpy(device, &QIDevice::screenHeightChanged);
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.15\nimport TovaUi 0.1\nQtObject { property int w: QIDevice.screenWidth; "
                          "property int h: QIDevice.screenHeight; property int bar: QIDevice.statusBarHeight() }",
            QUrl());
        QScopedPointer<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        const QRect available = QGuiApplication::screens().first()->availableGeometry();
        QCOMPARE(object->property("w").toInt(), available.width());
        QCOMPARE(object->property("h").toInt(), available.height());
        QCOMPARE(object->property("bar").toInt(), 0);
        QCOMPARE(widthSpy.count(), 1);
        QCOMPARE(heightSpy.count(), 1);

        // Every write announces, also of the held value, and only its own signal.
        device->setScreenWidth(device->screenWidth());
        QCOMPARE(widthSpy.count(), 2);
        QCOMPARE(heightSpy.count(), 1);
    }

    // --- the engine as start-up builds it ---

    void engineLikeMain()
    {
        QQmlApplicationEngine engine;
        QList<QQmlError> warnings;
        engine.setOutputWarningsToStandardError(false);
        connect(&engine, &QQmlEngine::warnings, this, [&warnings](const QList<QQmlError>& list) { warnings << list; });

        auto* qmlKey = new QmlKey();
        qmlKey->registerTypes(&engine);
        // The texts below are the source texts: pin the interface language.
        QSettings().setValue(QStringLiteral("Language/language"), QStringLiteral("中文简体"));
        auto* i18n = new I18n(QCoreApplication::instance(), &engine);
        engine.rootContext()->setContextProperty(QStringLiteral("i18n"), i18n);
        engine.addImportPath(QStringLiteral("qrc:///"));
        RegisterType::Register(&engine);

        QQmlContext* context = engine.rootContext();
        const QStringList objects {
            "qmlKey", "g_theme", "functions", "message", "t", "keys", "i18n", "csettings", "files", "cloudDisk",
            "wordCountModel", "cglobal", "rankingHallModel", "roomModel", "g_data", "countly", "user", "userdata",
            "locker", "sound", "cUpdate", "osInfo", "csubtle", "through"
        };
        for (const QString& name : objects)
            QVERIFY2(context->contextProperty(name).value<QObject*>(), qPrintable(name));
        QCOMPARE(context->contextProperty("qmlKey").value<QObject*>(), qmlKey);
        QCOMPARE(context->contextProperty("csettings").value<QObject*>(), global::instance()->settings());
        QCOMPARE(context->contextProperty("locker").value<QObject*>(), reinterpret_cast<QObject*>(global::instance()->locker()));
        QCOMPARE(context->contextProperty("settingFileName").toString(),
            global::dataPath() + QStringLiteral("/Settings/Unknown Organization/Penlark.ini"));

        QQmlComponent component(&engine);
        component.setData(R"(
import QtQuick 2.15
import TovaUi 0.1
import com.velmora.folderlistmodel 1.0
import com.velmora.fontmodel 1.0
import com.velmora.filesmodel 1.0
import com.velmora.wordscountmodel 1.0
import com.velmora.userinfo 1.0
import com.velmora.userdata 1.0
import com.velmora.count 1.0
import com.velmora.fpslabel 1.0
import com.velmora.filefiltermodel 1.0
Item {
    property var made: [
        alertView, actionSheet, imagePicker, activityIndicator, lazyDocument, highlighter, themeModel,
        folderModel, fontModel, filesModel, rankingModel, userInfo, userData, countHandler, fpsLabel, filterModel
    ]
    property QtObject alertView: AlertView {}
    property QtObject actionSheet: ActionSheet {}
    property QtObject imagePicker: ImagePicker {}
    property QtObject activityIndicator: ActivityIndicator {}
    property QtObject lazyDocument: LazyTextDocument {}
    property QtObject highlighter: MarkdownHighlighter {}
    property QtObject themeModel: ThemeModel {}
    property QtObject folderModel: FolderListModel {}
    property QtObject fontModel: FontModel {}
    property QtObject filesModel: FilesModel {}
    property QtObject rankingModel: RankingHallModel {}
    property QtObject userInfo: UserInfo {}
    property QtObject userData: UserData {}
    property QtObject countHandler: CountHandler {}
    property QtObject fpsLabel: FPSLabel {}
    property QtObject filterModel: FileFilterModel {}
    property bool sent: SystemMessenger.dispatch("test.fromQml", {})
    property int screenWidth: QIDevice.screenWidth
    property bool sameSettings: cglobal.settings === csettings
    property int themeRows: g_theme.themes.rowCount()
    property int schemes: keys.fileModel.rowCount()
    property int keyRows: keys.keysModel.rowCount()
    property string key: keys.getKey("fileSave")
    property string translated: t.r("no such identifier")
    property string settingsFile: settingFileName
}
)",
            QUrl(QStringLiteral("qrc:/registration-test.qml")));
        g_warnings.clear();
        g_previousHandler = qInstallMessageHandler(collectWarnings);
        QScopedPointer<QObject> root(component.create());
        QCoreApplication::processEvents();
        qInstallMessageHandler(g_previousHandler);
        QVERIFY2(root, qPrintable(component.errorString()));
        QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(QLatin1Char('\n'))));

        const QVariantList made = root->property("made").toList();
        QCOMPARE(made.size(), 16);
        for (int i = 0; i < made.size(); ++i)
            QVERIFY2(made.at(i).value<QObject*>(), qPrintable(QString::number(i)));
        QCOMPARE(root->property("sent").toBool(), false);
        QVERIFY(root->property("screenWidth").toInt() > 0);
        QVERIFY(root->property("sameSettings").toBool());
        QCOMPARE(root->property("themeRows").toInt(), 7);
        QCOMPARE(root->property("schemes").toInt(), 2);
        QCOMPARE(root->property("keyRows").toInt(), 32);
        QCOMPARE(root->property("key").toString(), QStringLiteral("Ctrl+S"));
        QCOMPARE(root->property("translated").toString(), QStringLiteral("no such identifier"));
        QCOMPARE(root->property("settingsFile").toString(), global::settingsFileName());

        QCOMPARE(root->property("imagePicker").value<QObject*>()->metaObject()->className(), "QIImagePicker");
        // Both filter-model modules give the one class.
        QCOMPARE(root->property("filesModel").value<QObject*>()->metaObject()->className(),
            root->property("filterModel").value<QObject*>()->metaObject()->className());

        QString text;
        for (const QQmlError& e : qAsConst(warnings))
            text += e.toString() + QLatin1Char('\n');
        QVERIFY2(warnings.isEmpty(), qPrintable(text));

        root.reset();
        global::instance()->setEngine(nullptr);
    }

    // The library's qmldir (when present) must not shadow a native type of the
    // module, and every entry must name a file that exists.
    void qmldirEntriesResolve()
    {
        QFile qmldir(QStringLiteral(":/TovaUi/qmldir"));
        if (!qmldir.exists())
            QSKIP("the component library has no qmldir in this build");
        QVERIFY(qmldir.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList native { "SystemMessenger", "QIDevice", "AlertView", "ActionSheet", "ImagePicker",
            "ActivityIndicator", "LazyTextDocument", "MarkdownHighlighter", "ThemeModel" };
        const QStringList directives { "module", "plugin", "classname", "typeinfo", "depends", "import", "designersupported" };
        while (!qmldir.atEnd()) {
            QStringList parts = QString::fromUtf8(qmldir.readLine()).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (parts.isEmpty() || parts.first().startsWith(QLatin1Char('#')) || directives.contains(parts.first()))
                continue;
            if (parts.first() == QLatin1String("singleton") || parts.first() == QLatin1String("internal"))
                parts.removeFirst();
            QVERIFY2(parts.size() >= 2, qPrintable(parts.join(' ')));
            QVERIFY2(!native.contains(parts.first()), qPrintable(parts.first()));
            QVERIFY2(QFile::exists(QStringLiteral(":/TovaUi/") + parts.last()), qPrintable(parts.last()));
        }
    }

    // A picked image is saved on the pool; a failed write is never reported
    // as saved.
    void imagePickerSaves()
    {
        QIImagePicker picker;
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::blue);
        picker.setImage(image);
        QSignalSpy saved(&picker, &QIImagePicker::saved);
        picker.saveAsTemp();
        QTRY_COMPARE(saved.count(), 1);
        const QUrl url(saved.at(0).at(0).toString());
        QVERIFY(url.isLocalFile());
        QVERIFY(url.toLocalFile().endsWith(QLatin1String(".jpg")));
        QVERIFY(url.toLocalFile().startsWith(QDir::tempPath()));
        QVERIFY(!QImage(url.toLocalFile()).isNull());
        QCOMPARE(picker.status(), QIImagePicker::Ready);

        QSignalSpy status(&picker, &QIImagePicker::statusChanged);
        picker.save(QDir::tempPath() + QStringLiteral("/no/such/folder/x.png"));
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QCOMPARE(saved.count(), 1);
        QCOMPARE(status.count(), 0);
    }

    // --- key filter ---

    void keyFilter_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<int>("enters");
        QTest::addColumn<int>("backs");

        QTest::newRow("return in text area") << int(Qt::Key_Return) << "textArea" << 1 << 0;
        QTest::newRow("return elsewhere") << int(Qt::Key_Return) << "window" << 0 << 0;
        QTest::newRow("keypad enter in text area") << int(Qt::Key_Enter) << "textArea" << 1 << 0;
        QTest::newRow("keypad enter elsewhere") << int(Qt::Key_Enter) << "window" << 1 << 0;
        QTest::newRow("backspace in text area") << int(Qt::Key_Backspace) << "textArea" << 0 << 1;
        QTest::newRow("backspace elsewhere") << int(Qt::Key_Backspace) << "window" << 0 << 0;
        QTest::newRow("letter") << int(Qt::Key_A) << "textArea" << 0 << 0;
    }

    void keyFilter()
    {
        QFETCH(int, key);
        QFETCH(QString, objectName);
        QFETCH(int, enters);
        QFETCH(int, backs);

        QmlKey filter;
        filter.installSignal(qApp);
        QSignalSpy enterSpy(&filter, &QmlKey::sKeyEnter);
        QSignalSpy backSpy(&filter, &QmlKey::sKeyBackRelease);
        QSignalSpy backPressSpy(&filter, &QmlKey::sKeyBackPress);

        KeyReceiver receiver;
        receiver.setObjectName(objectName);
        const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(&receiver, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers);
        QCoreApplication::sendEvent(&receiver, &release);
        qApp->removeEventFilter(&filter);

        QCOMPARE(enterSpy.count(), enters);
        QCOMPARE(backSpy.count(), backs);
        QCOMPARE(backPressSpy.count(), 0);
        QCOMPARE(receiver.presses, 1);
    }

    // --- shortcut schemes ---

    void schemeKeys_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("defaultKey");
        QTest::addColumn<QString>("xhwKey");

        const char* rows[][3] = {
            { "showFile", "Ctrl+1", "Ctrl+1" }, { "showChapter", "Ctrl+2", "Ctrl+2" },
            { "showWordCount", "Ctrl+3", "Ctrl+3" }, { "showRanking", "Ctrl+4", "Ctrl+4" },
            { "showThrough", "Ctrl+5", "Ctrl+5" }, { "showNotes", "Ctrl+6", "Ctrl+6" },
            { "showTarget", "Ctrl+7", "Ctrl+7" }, { "showSubtle", "", "Ctrl+5" },
            { "showSetting", "Ctrl+,", "Ctrl+," }, { "showMe", "", "" },
            { "addChapterName", "Ctrl+8", "Alt+N" }, { "makeup", "Ctrl+9", "F9" },
            { "help", "F1", "F1" }, { "countWindow", "F2", "F2" }, { "windowTop", "F5", "F5" },
            { "fileNew", "Ctrl+N", "Ctrl+N" }, { "fileOpen", "Ctrl+O", "Ctrl+O" },
            { "fileSave", "Ctrl+S", "Ctrl+S" }, { "fileSaveAs", "Ctrl+Shift+S", "Ctrl+D" },
            { "fileClose", "Ctrl+W", "Ctrl+W" }, { "editSelectThisChapter", "Alt+A", "Alt+A" },
            { "lumoModel", "Ctrl+Return", "F11" }, { "minimalistModel", "Ctrl+Alt+M", "Ctrl+Alt+M" },
            { "find", "Ctrl+F", "Ctrl+F" }, { "equalFont", "Ctrl+=", "Ctrl+=" },
            { "minusFont", "Ctrl+-", "Ctrl+-" }, { "selectAll", "Ctrl+A", "Ctrl+A" },
            { "undo", "Ctrl+Z", "Ctrl+Z" }, { "redo", "Ctrl+Shift+Z", "Ctrl+Y" },
            { "replace", "Ctrl+Shift+F", "Ctrl+H" }, { "cut", "Ctrl+X", "Ctrl+X" },
            { "copy", "Ctrl+C", "Ctrl+C" }, { "paste", "Ctrl+V", "Ctrl+V" }, { "appQuit", "Ctrl+Q", "Ctrl+Q" },
            { "noSuchFunction", "", "" },
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]) << QString::fromLatin1(row[2]);
    }

    void schemeKeys()
    {
        QFETCH(QString, function);
        QFETCH(QString, defaultKey);
        QFETCH(QString, xhwKey);

        keys k;
        QCOMPARE(k.currentName(), QStringLiteral("default"));
        QCOMPARE(k.getKey(function), defaultKey);
        QCOMPARE(k.display(function), defaultKey);
        k.setCurrentName(QStringLiteral("xhw"));
        QCOMPARE(k.getKey(function), xhwKey);
    }

    void schemeModels()
    {
        keys k;
        QStandardItemModel* files = k.fileModel();
        QCOMPARE(files->rowCount(), 2);
        QStringList names;
        for (int row = 0; row < files->rowCount(); ++row) {
            names << files->index(row, 0).data(Qt::UserRole + 1001).toString();
            QCOMPARE(files->index(row, 0).data(Qt::UserRole + 1002).toString(), names.last() + QStringLiteral(".json"));
        }
        QCOMPARE(names, (QStringList { "default", "xhw" }));
        QCOMPARE(files->roleNames().value(Qt::UserRole + 1002), QByteArray("file"));

        QStandardItemModel* model = k.keysModel();
        QCOMPARE(model->roleNames().value(Qt::UserRole + 1003), QByteArray("value"));
        QCOMPARE(model->rowCount(), 32);
        QStringList defaultOrder;
        for (int row = 0; row < model->rowCount(); ++row)
            defaultOrder << model->item(row)->text();
        QCOMPARE(defaultOrder.first(), QStringLiteral("showFile"));
        QCOMPARE(model->item(defaultOrder.indexOf("redo"))->data(Qt::UserRole + 1002).toString(), QStringLiteral("ctrl+shift+z"));
        QCOMPARE(model->item(defaultOrder.indexOf("redo"))->data(Qt::UserRole + 1003).toString(), QStringLiteral("Ctrl+Shift+Z"));

        QSignalSpy messageSpy(&k, &keys::messageChanged);
        QSignalSpy indexSpy(&k, &keys::currentIndexChanged);
        QSignalSpy nameSpy(&k, &keys::currentNameChanged);
        k.setCurrentIndex(names.indexOf("xhw"));
        QCOMPARE(k.currentName(), QStringLiteral("xhw"));
        QCOMPARE(messageSpy.count(), 1);
        QCOMPARE(indexSpy.count(), 1);
        QCOMPARE(nameSpy.count(), 0);

        QCOMPARE(model->rowCount(), 33);
        for (int row = 0; row < 32; ++row)
            QCOMPARE(model->item(row)->text(), defaultOrder.at(row));
        QCOMPARE(model->item(32)->text(), QStringLiteral("showSubtle"));
        QCOMPARE(model->item(32)->data(Qt::UserRole + 1003).toString(), QStringLiteral("Ctrl+5"));
        QCOMPARE(model->item(defaultOrder.indexOf("redo"))->data(Qt::UserRole + 1003).toString(), QStringLiteral("Ctrl+Y"));

        // The index already held does not reload.
        k.setCurrentIndex(k.currentIndex());
        QCOMPARE(messageSpy.count(), 1);
        QCOMPARE(indexSpy.count(), 1);

        // A name without a scheme file is kept and loads nothing.
        k.setCurrentName(QStringLiteral("nosuch"));
        QCOMPARE(k.currentName(), QStringLiteral("nosuch"));
        QCOMPARE(nameSpy.count(), 1);
        QCOMPARE(messageSpy.count(), 1);
        QCOMPARE(k.getKey("lumoModel"), QStringLiteral("F11"));
    }

    void schemeChoiceKeptInSettings()
    {
        // What the preferences page does: choose by index, store the name.
        {
            keys k;
            k.setCurrentIndex(1);
            QSettings().setValue(QStringLiteral("App/keysName"), k.currentName());
        }
        QCOMPARE(QSettings().value(QStringLiteral("App/keysName")).toString(), QStringLiteral("xhw"));
        // What the shell does at start-up: choose by the stored name.
        keys k;
        k.setCurrentName(QSettings().value(QStringLiteral("App/keysName"), QStringLiteral("default")).toString());
        QCOMPARE(k.currentIndex(), 1);
        QCOMPARE(k.getKey("makeup"), QStringLiteral("F9"));
    }

    // --- themes ---

    void themeColours_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<QStringList>("colours");

        // title, background, hover, page, popup, function area, tab, left bar,
        // highlight, status bar, selection, primary, accent, foreground,
        // highlighted text, word colour. Accent, foreground and highlighted
        // text are the theme list's colours made readable where those fall
        // short (see the contrast tests of tst_coreui).
        QTest::newRow("0 follows light") << 0 << QStringList { "#DEE1E6", "#FAFAFA", "#A8A8A8", "white", "#ffffff", "#F3F3F3", "#ffffff", "#E9EBEC", "#50acf3", "#E9EBEC", "#68AAED", "#E9EBEC", "#418bc5", "#000000", "black", "black" };
        QTest::newRow("1 white") << 1 << QStringList { "#DEE1E6", "#FAFAFA", "#A8A8A8", "white", "#ffffff", "#F3F3F3", "#ffffff", "#E9EBEC", "#50acf3", "#E9EBEC", "#68AAED", "#E9EBEC", "#418bc5", "#000000", "black", "black" };
        QTest::newRow("2 black") << 2 << QStringList { "#3C3C3C", "#1E1E1E", "#2A2D2E", "#191919", "#1e1e1e", "#252525", "#1E1E1E", "#333333", "#50acf3", "#252525", "#476288", "#141414", "#50acf3", "#B2B2B2", "white", "white" };
        QTest::newRow("3 pink") << 3 << QStringList { "#FBB1BD", "#F7CAD0", "#FBB1BD", "#F9CCD2", "#F9BEC7", "#F7CAD0", "#F9BEC7", "#F9BEC7", "#FA8EAA", "#F7CAD0", "#68AAED", "#F9BEC7", "#a35c6f", "#782b41", "#9e0000", "black" };
        QTest::newRow("4 green") << 4 << QStringList { "#B8D4BB", "#D0ECD3", "#73C088", "#D4F0D7", "#CCE8CF", "#CCE8CF", "#D0ECD3", "#C2DEC5", "#58c979", "#C2DEC5", "#68AAED", "#C2DEC5", "#3b8751", "#000000", "black", "black" };
        QTest::newRow("5 blue") << 5 << QStringList { "#001126", "#012451", "#405570", "#001C40", "#001126", "#001C40", "#012451", "#011733", "#2489ff", "#001C40", "#476288", "#011733", "#1177BB", "#C9C9C9", "white", "white" };
        QTest::newRow("6 paper") << 6 << QStringList { "#DAD9D8", "#DAD9D8", "#D0CFCE", "#DAD9D8", "#DAD9D8", "#DAD9D8", "#DAD9D8", "#DAD9D8", "#A8A8A8", "#DAD9D8", "grey", "#D0CFCE", "#696969", "#000000", "black", "black" };
    }

    void themeColours()
    {
        QFETCH(int, theme);
        QFETCH(QStringList, colours);

        LumoTheme lumo;
        QCOMPARE(lumo.themes()->rowCount(), 7);
        lumo.setCurrentTheme(theme);
        QCOMPARE(lumo.currentTheme(), theme);
        QCOMPARE(QSettings().value(QStringLiteral("Theme/style"), 0).toInt(), theme);

        const QList<QColor> actual {
            lumo.titleColor(), lumo.backgroundColor(), lumo.hoverdColor(), lumo.pageColor(), lumo.popupColor(),
            lumo.functionAreaColor(), lumo.tabColor(), lumo.leftBarColor(), lumo.highlightedColor(),
            lumo.statusBarColor(), lumo.selectedColor(), lumo.primaryColor(), lumo.accentColor(),
            lumo.foregroundColor(), lumo.highlightedTextColor(), lumo.wordColor()
        };
        for (int i = 0; i < colours.size(); ++i)
            QVERIFY2(actual.at(i) == QColor(colours.at(i)), qPrintable(QStringLiteral("colour %1: %2").arg(i).arg(actual.at(i).name())));

        const QColor hover(colours.at(2));
        QCOMPARE(lumo.baseColor(), lumo.backgroundColor());
        QCOMPARE(lumo.lightHoverdColor(), hover.lighter(96));
        QCOMPARE(lumo.pageBackgroundColor(), theme <= 1 ? QColor(Qt::transparent) : hover.darker(104));
        QCOMPARE(lumo.themeType(), theme == 2 ? 1 : 0);
        if (theme == 2) {
            QCOMPARE(lumo.secondaryTextColor(), QColor(Qt::white));
            QCOMPARE(lumo.darkHoverdColor(), hover.lighter(110));
            QCOMPARE(lumo.lineColor(), QColor(0x1E, 0x1E, 0x1E).lighter(150));
        } else {
            // black, except on the dark blue theme, where it takes the text colour
            QCOMPARE(lumo.secondaryTextColor(), theme == 5 ? lumo.foregroundColor() : QColor(Qt::black));
            QCOMPARE(lumo.darkHoverdColor(), hover.darker(110));
            QCOMPARE(lumo.lineColor(), QColor(colours.at(1)).darker(104));
        }
    }

    void themeList()
    {
        LumoTheme lumo;
        QStandardItemModel* model = lumo.themes();
        QCOMPARE(model->roleNames().value(ThemeModel::NameRole), QByteArray("name"));
        QCOMPARE(model->roleNames().value(ThemeModel::LineColorRole), QByteArray("lineColor"));
        QCOMPARE(int(ThemeModel::LineColorRole), 1283);
        const QStringList names { "跟随主题", "默认白", "默认黑", "淑女粉", "清爽绿", "苍穹蓝", "电纸书" };
        for (int row = 0; row < names.size(); ++row)
            QCOMPARE(model->index(row, 0).data(ThemeModel::NameRole).toString(), names.at(row));
        const QModelIndex pink = model->index(3, 0);
        QCOMPARE(pink.data(ThemeModel::DarkHoverdColorRole).toString(), QColor("#FBB1BD").darker(110).name());
        QCOMPARE(pink.data(ThemeModel::SecondaryTextColorRole).toString(), QColor("#FF5C8A").darker(120).name());
        QCOMPARE(pink.data(ThemeModel::BaseColorRole).toString(), QStringLiteral("white"));
        QVERIFY(!model->index(3, 4).isValid() || model->index(3, 4).data(ThemeModel::TitleColorRole).isValid());
        QVERIFY(!model->data(QModelIndex(), ThemeModel::TitleColorRole).isValid());
        QCOMPARE(lumo.getThemeName(QStringLiteral("other")), QStringLiteral("other"));
    }

    void followsSystemDarkMode()
    {
        LumoTheme lumo;
        QCOMPARE(lumo.currentTheme(), 0);
        QVERIFY(!lumo.isSystemDarkmode());
        QCOMPARE(lumo.backgroundColor(), QColor("#FAFAFA"));
        lumo.saveWordColor(QColor("#123456"));
        QCOMPARE(QSettings().value(QStringLiteral("Edit/FontColor1")).toString(), QStringLiteral("#123456"));

        QSignalSpy darkSpy(&lumo, &LumoTheme::isSystemDarkmodeChanged);
        QSignalSpy themeSpy(&lumo, &LumoTheme::currentThemeChanged);
        setWindowColor(QColor(50, 50, 50));
        lumo.checktheme();
        QCOMPARE(darkSpy.count(), 1);
        QVERIFY(lumo.isSystemDarkmode());
        QCOMPARE(lumo.currentTheme(), 0);
        QCOMPARE(themeSpy.count(), 0);
        QCOMPARE(lumo.backgroundColor(), QColor("#1E1E1E"));
        QCOMPARE(lumo.secondaryTextColor(), QColor(Qt::white));
        QCOMPARE(lumo.wordColor(), QColor(Qt::white));
        QCOMPARE(lumo.themes()->index(0, 0).data(ThemeModel::BackgroundColorRole).toString(), QStringLiteral("#1E1E1E"));
        QCOMPARE(lumo.themes()->index(0, 0).data(ThemeModel::NameRole).toString(), QStringLiteral("跟随主题"));
        lumo.saveWordColor(QColor("#abcdef"));
        QCOMPARE(QSettings().value(QStringLiteral("Edit/FontColor2")).toString(), QStringLiteral("#abcdef"));

        // Back to light: the light word colour kept for theme 0 returns.
        setWindowColor(QColor(0xef, 0xef, 0xef));
        lumo.checktheme();
        QVERIFY(!lumo.isSystemDarkmode());
        QCOMPARE(lumo.wordColor(), QColor("#123456"));
    }

    void darkModeCheckedByTimer()
    {
        LumoTheme lumo;
        setWindowColor(QColor(45, 45, 45));
        QTRY_VERIFY_WITH_TIMEOUT(lumo.isSystemDarkmode(), 3000);
        QCOMPARE(lumo.backgroundColor(), QColor("#1E1E1E"));
    }

    void outOfRangeThemeFallsBack()
    {
        QSettings().setValue(QStringLiteral("Theme/style"), 9);
        LumoTheme lumo;
        QCOMPARE(lumo.currentTheme(), 0);
        QCOMPARE(lumo.backgroundColor(), QColor("#FAFAFA"));

        QSignalSpy spy(&lumo, &LumoTheme::currentThemeChanged);
        lumo.setCurrentTheme(7);
        lumo.setCurrentTheme(-3);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(QSettings().value(QStringLiteral("Theme/style")).toInt(), 9);

        lumo.setCurrentTheme(3);
        lumo.setValue(42);
        QCOMPARE(lumo.backgroundColor(), QColor("#FAFAFA"));
        // Choosing the theme already current writes and emits nothing.
        QSettings().setValue(QStringLiteral("Theme/style"), 5);
        lumo.setCurrentTheme(3);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(QSettings().value(QStringLiteral("Theme/style")).toInt(), 5);
    }

    void brokenThemeListFallsBack()
    {
        QTemporaryDir dir;
        const QString broken = dir.filePath(QStringLiteral("theme.json"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"themes\": [ {\"name\": ");
        file.close();

        QSettings().setValue(QStringLiteral("Theme/style"), 5);
        LumoTheme lumo(broken);
        QVERIFY(lumo.themes()->rowCount() >= 1);
        QCOMPARE(lumo.currentTheme(), 0);
        QCOMPARE(lumo.backgroundColor(), QColor("#FAFAFA"));
        QCOMPARE(lumo.titleColor(), QColor("#DEE1E6"));
        QCOMPARE(lumo.wordColor(), QColor(Qt::black));

        LumoTheme missing(dir.filePath(QStringLiteral("none.json")));
        QCOMPARE(missing.currentTheme(), 0);
        QCOMPARE(missing.backgroundColor(), QColor("#FAFAFA"));
    }

    void backgroundImageMakesColoursSeeThrough()
    {
        QTemporaryDir dir;
        const QString image = dir.filePath(QStringLiteral("bg.png"));
        QImage pixel(2, 2, QImage::Format_RGB32);
        pixel.fill(Qt::red);
        QVERIFY(pixel.save(image));

        LumoTheme lumo;
        lumo.setCurrentTheme(3);
        lumo.setUserImagePath(QUrl::fromLocalFile(image).toString());
        QCOMPARE(QSettings().value(QStringLiteral("Theme/ImagePath")).toString(), QUrl::fromLocalFile(image).toString());
        QCOMPARE(lumo.backgroundColor(), withAlpha("#F7CAD0", 0));
        QCOMPARE(lumo.baseColor(), QColor("#F7CAD0"));
        QCOMPARE(lumo.titleColor(), withAlpha("#FBB1BD", 150));
        QCOMPARE(lumo.hoverdColor(), withAlpha("#FBB1BD", 40));
        QCOMPARE(lumo.pageColor(), withAlpha("#F9CCD2", 20));
        QCOMPARE(lumo.selectedColor(), lumo.hoverdColor());
        QCOMPARE(lumo.tabColor(), lumo.backgroundColor());

        // A path whose file is gone counts as no image.
        lumo.setUserImagePath(QUrl::fromLocalFile(dir.filePath(QStringLiteral("gone.png"))).toString());
        QCOMPARE(lumo.backgroundColor(), QColor("#F7CAD0"));
        QCOMPARE(lumo.selectedColor(), QColor("#68AAED"));
    }

    void wordColourPerTheme()
    {
        LumoTheme lumo;
        lumo.setCurrentTheme(3);
        QSignalSpy spy(&lumo, &LumoTheme::wordColorChanged);
        lumo.saveWordColor(lumo.wordColor());
        QVERIFY(!QSettings().contains(QStringLiteral("Edit/FontColor3")));
        QCOMPARE(spy.count(), 0);
        lumo.saveWordColor(QColor("#00ff00"));
        QCOMPARE(QSettings().value(QStringLiteral("Edit/FontColor3")).toString(), QStringLiteral("#00ff00"));
        lumo.setCurrentTheme(4);
        QCOMPARE(lumo.wordColor(), QColor(Qt::black));
        lumo.setCurrentTheme(3);
        QCOMPARE(lumo.wordColor(), QColor("#00ff00"));
    }
};

PENLARK_TEST_MAIN(TestRegistration)
#include "tst_registration.moc"
