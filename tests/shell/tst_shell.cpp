// The main window shell: a start-up check that loads qrc:/qml/main.qml with
// the real objects the way the program does, and Qt Quick Tests that drive
// the shell against stand-ins (tests/shell/ShellStandIns.qml) for the
// objects whose behaviour they control.
#include "testenvironment.h"
#include "mainengine.h"

#include "data/global.h"
#include "data/settings.h"
#include "TovaUi/function/qmlkey.h"
#include "i18n/i18n.h"
#include "registertype/registertype.h"

#include "TovaUi/function/message.h"

#include <QApplication>
#include <algorithm>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QStandardItemModel>
#include <QFile>
#include <QFileDialog>
#include <QSignalSpy>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QtQuickTest>
#include <qpa/qwindowsysteminterface.h>

class TestShellStartup : public QObject
{
    Q_OBJECT

    // Builds the engine the way main() does and loads the main window.
    static QQuickWindow* loadMainWindow(QQmlApplicationEngine& engine)
    {
        setUpMainEngine(engine, &engine);
        global::instance()->setEngine(&engine);
        engine.load(QUrl(QStringLiteral("qrc:/qml/main.qml")));
        global::instance()->setEngine(nullptr);
        return engine.rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    }

    // Types text into the window, a key event for each character.
    static void typeText(QWindow* window, const QString& text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    static QFileDialog* visibleFileDialog()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(w))
                if (d->isVisible())
                    return d;
        return nullptr;
    }

    // Closes the file dialogs a key may have opened.
    static void closeFileDialogs()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(w))
                if (d->isVisible())
                    d->reject();
    }

private slots:
    // The program's own engine set-up gives a main window as the root with
    // the desktop layout and its document area in place.
    void rootIsMainWindow()
    {
        // A stored size below the minimum opens raised to the minimum. (The
        // application object names the settings file first.)
        global::instance();
        QSettings().setValue(QStringLiteral("Window/width"), 200);
        QSettings().setValue(QStringLiteral("Window/hight"), 100);
        QQmlApplicationEngine engine;
        QQuickWindow* window = loadMainWindow(engine);
        QCOMPARE(window->size(), QSize(300, 200));
        QCOMPARE(engine.rootObjects().size(), 1);
        QVERIFY(window);
        QCOMPARE(window->objectName(), QStringLiteral("applicationWindow"));
        QVERIFY(window->isVisible());
        QVERIFY(window->minimumWidth() >= 300);
        QVERIFY(window->minimumHeight() >= 200);
        QTRY_VERIFY(window->property("pcMain").value<QObject*>() != nullptr);
        QVERIFY(window->property("documentPage").value<QObject*>() != nullptr);
        auto* menuBar = window->findChild<QObject*>(QStringLiteral("windowsMenuBar"));
        QVERIFY(menuBar);

        // With the real settings object the window size reaches the INI file.
        Settings* settings = global::instance()->settings();
        const bool realSettings = settings->metaObject()->indexOfProperty("mainWidth") >= 0;
        if (realSettings) {
            window->setProperty("geometrySaveDelay", 10);
            window->resize(640, 480);
            QTRY_COMPARE(QSettings().value(QStringLiteral("Window/width")).toInt(), 640);
            QCOMPARE(QSettings().value(QStringLiteral("Window/hight")).toInt(), 480);
        }

        // No lock and no quit-time sync: the window closes at once.
        QVERIFY(QMetaObject::invokeMethod(window, "close"));
        QTRY_VERIFY(!window->isVisible());
        if (!realSettings)
            QSKIP("the settings object has no window keys yet");
    }

    // A document opened in the real window is counted, its chapters fill
    // the chapter page and the status bar shows its words.
    void openedDocumentFillsChapterPage()
    {
        const QString path = global::documentPath() + QStringLiteral("/book.txt");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QStringLiteral("第1章 起\n　　风起了。\n第2章 承\n　　雨来了。\n第3章 转\n　　天晴了。\n").toUtf8());
        }
        QQmlApplicationEngine engine;
        QQuickWindow* window = loadMainWindow(engine);
        QVERIFY(window);
        QVERIFY(QMetaObject::invokeMethod(window, "openFile", Q_ARG(QString, QUrl::fromLocalFile(path).toString())));

        QObject* pcMain = window->property("pcMain").value<QObject*>();
        QVERIFY(pcMain);
        QVERIFY(QMetaObject::invokeMethod(pcMain, "showTab", Q_ARG(QVariant, QStringLiteral("autoChapter"))));
        QObject* list = window->findChild<QObject*>(QStringLiteral("chapterList"));
        QVERIFY(list);
        QTRY_COMPARE_WITH_TIMEOUT(list->property("count").toInt(), 3, 10000);
        QObject* label = window->findChild<QObject*>(QStringLiteral("countLabel"));
        QVERIFY(label);
        QTRY_VERIFY_WITH_TIMEOUT(label->property("text").toString().startsWith(QStringLiteral("字数: ")), 10000);
        QVERIFY(qobject_cast<QQuickItem*>(label)->isVisible());
        // A page without a document in front: no counts, and no "counting".
        QMetaObject::invokeMethod(window, "openPerferences");
        QTRY_VERIFY(!qobject_cast<QQuickItem*>(label)->isVisible());
        window->close();
    }

    // ---- keys, dialogs and sheets of the real window -------------------------

    // The main window, active, so that it takes keys.
    static QQuickWindow* loadActiveMainWindow(QQmlApplicationEngine& engine)
    {
        QQuickWindow* window = loadMainWindow(engine);
        if (!window)
            return nullptr;
        window->requestActivate();
        return QTest::qWaitForWindowActive(window) ? window : nullptr;
    }

    // Opens a document of two chapters and waits until its chapters are
    // counted; returns the editor page.
    static QObject* openBook(QQuickWindow* window, const QString& name)
    {
        const QString path = global::documentPath() + QLatin1Char('/') + name;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return nullptr;
        file.write(QStringLiteral("第1章 起\n　　风起了。\n第2章 承\n　　雨来了。\n").toUtf8());
        file.close();
        QMetaObject::invokeMethod(window, "openFile", Q_ARG(QString, QUrl::fromLocalFile(path).toString()));
        QObject* tabs = window->property("documentPage").value<QObject*>();
        QObject* page = tabs ? tabs->property("currentEditor").value<QObject*>() : nullptr;
        if (!page)
            return nullptr;
        QObject* chapters = window->findChild<QObject*>(QStringLiteral("chapterList"));
        if (!QTest::qWaitFor([page] { return page->property("textLoaded").toBool() && !page->property("loading").toBool(); }, 5000))
            return nullptr;
        Q_UNUSED(chapters)
        return page;
    }

    static QQuickItem* editorText(QObject* page)
    {
        QObject* area = page->property("textArea").value<QObject*>();
        return area ? area->property("textEdit").value<QQuickItem*>() : nullptr;
    }

    // Entries shown disabled do nothing on their keys either; once they are
    // available the same keys act.
    void disabledEntriesIgnoreTheirKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("signal");
        QTest::newRow("undo") << int(Qt::Key_Z) << int(Qt::ControlModifier) << QStringLiteral("undo");
        QTest::newRow("redo") << int(Qt::Key_Y) << int(Qt::ControlModifier) << QStringLiteral("redo");
        QTest::newRow("cut") << int(Qt::Key_X) << int(Qt::ControlModifier) << QStringLiteral("cut");
        QTest::newRow("copy") << int(Qt::Key_C) << int(Qt::ControlModifier) << QStringLiteral("copy");
        QTest::newRow("one-key typesetting") << int(Qt::Key_9) << int(Qt::ControlModifier) << QStringLiteral("makeup");
        QTest::newRow("show chapters") << int(Qt::Key_2) << int(Qt::ControlModifier) << QStringLiteral("showTab");
        QTest::newRow("select this chapter") << int(Qt::Key_A) << int(Qt::AltModifier) << QStringLiteral("selectThisChapter");
    }
    void disabledEntriesIgnoreTheirKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, signal);
        // no document is reopened at start
        global::instance()->settings()->setProperty("currentFile", QString());
        QQmlApplicationEngine engine;
        QQuickWindow* window = loadActiveMainWindow(engine);
        QVERIFY(window);
        const QByteArray signature = QByteArray("2") + signal.toLatin1()
                                     + (signal == QLatin1String("showTab") ? "(QString)" : "()");
        QSignalSpy spy(window, signature.constData());
        QVERIFY(spy.isValid());

        // No document: every one of these entries is disabled.
        QTest::keyClick(window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTest::qWait(20);
        QCOMPARE(spy.count(), 0);

        // With a document open and the focus away from its text, the key
        // reaches the entry (undo, cut and the like only while they apply).
        QObject* page = openBook(window, QStringLiteral("keys.txt"));
        QVERIFY(page);
        window->contentItem()->forceActiveFocus();
        const bool alwaysThere = signal == QLatin1String("makeup") || signal == QLatin1String("showTab")
                                 || signal == QLatin1String("selectThisChapter");
        QTest::keyClick(window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTest::qWait(20);
        QCOMPARE(spy.count(), alwaysThere ? 1 : 0);
        window->close();
    }

    // Alt+A selects the chapter under the cursor and types nothing.
    void altASelectsTheChapter()
    {
        QQmlApplicationEngine engine;
        QQuickWindow* window = loadActiveMainWindow(engine);
        QVERIFY(window);
        QObject* page = openBook(window, QStringLiteral("alt.txt"));
        QVERIFY(page);
        QObject* document = page->property("document").value<QObject*>();
        QQuickItem* text = editorText(page);
        QVERIFY(document && text);
        const QString before = document->property("allText").toString();
        text->forceActiveFocus();
        // the cursor in the second chapter's text
        text->setProperty("cursorPosition", before.indexOf(QStringLiteral("雨")));
        QTRY_VERIFY_WITH_TIMEOUT(window->findChild<QObject*>(QStringLiteral("chapterList"))->property("count").toInt() == 2, 10000);
        QTest::qWait(600);
        QTest::keyClick(window, Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(document->property("allSelectedText").toString().trimmed(),
                                  QStringLiteral("第2章 承\n　　雨来了。").replace(QLatin1Char('\n'), QChar(0x2029)), 5000);
        QCOMPARE(document->property("allText").toString(), before);
        window->close();
    }

    // The main window in a language (switched back at the end of the test).
    static QQuickWindow* loadInLanguage(QQmlApplicationEngine& engine, const QString& language)
    {
        QQuickWindow* window = loadActiveMainWindow(engine);
        QObject* i18n = engine.rootContext()->contextProperty(QStringLiteral("i18n")).value<QObject*>();
        QMetaObject::invokeMethod(i18n, "reTrans", Q_ARG(QString, language));
        QObject::connect(window, &QObject::destroyed, i18n, [i18n] { QMetaObject::invokeMethod(i18n, "reTrans", Q_ARG(QString, QStringLiteral("中文简体"))); });
        return window;
    }

    // Alt and the File menu's letter as X delivers it (layout key and text, physical scan code, which X also
    // offers to shortcuts as the first layout's Latin key: Alt+Ф as Alt+A, select chapter) opens the File menu
    // over a chapter and selects nothing; Enter runs its first entry, the chapter unchanged. shell_x runs it under X.
    void menuLetterOpensItsMenu_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<int>("keysym");
        QTest::addColumn<int>("scanCode");
        QTest::addRow("ru, us,ru layout") << QStringLiteral("русский язык") << QStringLiteral("Ф") << 0x6c6 << 38;
        QTest::addRow("de") << QStringLiteral("Deutsch") << QStringLiteral("D") << 0x64 << 40;
        QTest::addRow("fr") << QStringLiteral("Français") << QStringLiteral("F") << 0x66 << 41;
        QTest::addRow("it") << QStringLiteral("In Italiano") << QStringLiteral("F") << 0x66 << 41;
        QTest::addRow("es, A taken") << QStringLiteral("Español") << QStringLiteral("R") << 0x72 << 27;
        QTest::addRow("pt, A taken") << QStringLiteral("Portugués") << QStringLiteral("R") << 0x72 << 27;
    }
    void menuLetterOpensItsMenu()
    {
        QFETCH(QString, language);
        QFETCH(QString, letter);
        QFETCH(int, keysym);
        QFETCH(int, scanCode);
        QQmlApplicationEngine engine;
        QQuickWindow* window = loadInLanguage(engine, language);
        QObject* page = openBook(window, QStringLiteral("letter.txt"));
        QVERIFY(page);
        QObject* document = page->property("document").value<QObject*>();
        const QString before = document->property("allText").toString();
        editorText(page)->forceActiveFocus();
        editorText(page)->setProperty("cursorPosition", before.indexOf(QStringLiteral("雨")));
        QCOMPARE(window->findChild<QObject*>(QStringLiteral("windowsMenuBar"))->property("mnemonics").toMap().value(QStringLiteral("fileMenu")), letter);
        QSignalSpy newFile(window, SIGNAL(newFile()));
        for (const QEvent::Type type : { QEvent::KeyPress, QEvent::KeyRelease })
            QWindowSystemInterface::handleExtendedKeyEvent(window, type, letter.at(0).unicode(), Qt::AltModifier, quint32(scanCode),
                                                           quint32(keysym), 0x8 /* Mod1, Alt */, letter.toLower());
        QWindowSystemInterface::flushWindowSystemEvents();
        QTRY_VERIFY(window->findChild<QObject*>(QStringLiteral("fileMenu"))->property("opened").toBool());
        QCOMPARE(document->property("allSelectedText").toString(), QString());
        QTest::keyClick(window, Qt::Key_Return);
        QTRY_COMPARE(newFile.count(), 1);
        QCOMPARE(document->property("allText").toString(), before);
        window->close();
    }

    // In every language, under either shipped scheme, each menu has a letter of its own and none is a scheme key.
    void menuLettersAreNoSchemeKey_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* name : { "中文简体", "繁體中文", "English", "Deutsch", "Français", "In Italiano", "Español",
                                  "Portugués", "русский язык", "日本語", "한국어", "عربي" })
            QTest::addRow("%s", name) << QString::fromUtf8(name);
    }
    void menuLettersAreNoSchemeKey()
    {
        QFETCH(QString, language);
        QQmlApplicationEngine engine;
        QQuickWindow* window = loadInLanguage(engine, language);
        QObject* keys = engine.rootContext()->contextProperty(QStringLiteral("keys")).value<QObject*>();
        for (const char* scheme : { "xhw", "default" }) {
            keys->setProperty("currentName", QString::fromLatin1(scheme));
            auto* model = keys->property("keysModel").value<QStandardItemModel*>();
            QSet<QString> taken;
            for (int row = 0; row < model->rowCount(); ++row)
                taken << QKeySequence(model->item(row)->data(1258).toString()).toString();
            const QVariantMap letters = window->findChild<QObject*>(QStringLiteral("windowsMenuBar"))->property("mnemonics").toMap();
            for (const QVariant& letter : letters) {
                const QString key = QStringLiteral("Alt+") + letter.toString();
                QVERIFY2(letter.toString().size() == 1 && !taken.contains(key), qPrintable(scheme + (" " + key)));
                taken << key;
            }
            QCOMPARE(letters.size(), 5);
        }
        window->close();
    }

    // ---- keys reach only the page in front ------------------------------------

    // Every key of the default scheme, then plain typing, Enter, Tab, Space,
    // Escape, Backspace, Delete and an input-method commit, with each kind
    // of page in front in turn (brought back to the front before each key):
    // the open document stays as it was in memory and on disk. The editor
    // in front still takes what edits it.
    void keysReachOnlyThePageInFront_data()
    {
        QTest::addColumn<QString>("front");
        QTest::newRow("Preferences") << QStringLiteral("openPerferences");
        QTest::newRow("History") << QStringLiteral("openHistory");
        QTest::newRow("lock sheet") << QStringLiteral("showTarget");
        QTest::newRow("start password") << QStringLiteral("showLoginPassword");
        QTest::newRow("editor") << QString();
    }
    void keysReachOnlyThePageInFront()
    {
        QFETCH(QString, front);
        QQmlApplicationEngine engine;
        QQuickWindow* window = loadActiveMainWindow(engine);
        QVERIFY(window);
        const QString name = QStringLiteral("front%1.txt").arg(QTest::currentDataTag()).remove(QLatin1Char(' '));
        QObject* page = openBook(window, name);
        QVERIFY(page);
        QObject* tabs = window->property("documentPage").value<QObject*>();
        QObject* document = page->property("document").value<QObject*>();
        QQuickItem* text = editorText(page);
        QVERIFY(tabs && document && text);
        text->forceActiveFocus();
        text->setProperty("cursorPosition", 9); // inside the first chapter's text
        const QString path = global::documentPath() + QLatin1Char('/') + name;
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray onDisk = file.readAll();
        file.close();
        const QString before = document->property("allText").toString();
        QGuiApplication::clipboard()->setText(QStringLiteral("粘贴"));

        // The keys: the scheme's (quitting last), then the plain ones.
        auto* model = engine.rootContext()->contextProperty(QStringLiteral("keys")).value<QObject*>()->property("keysModel").value<QStandardItemModel*>();
        QVERIFY(model && model->rowCount() >= 32);
        QList<QPair<QString, QKeySequence>> presses;
        for (int row = 0; row < model->rowCount(); ++row)
            presses.append({ model->item(row)->data(1257).toString(), QKeySequence(model->item(row)->data(1258).toString()) });
        std::stable_partition(presses.begin(), presses.end(), [](const auto& p) { return p.first != QLatin1String("appQuit"); });
        for (const char* key : { "Return", "Tab", "Space", "Escape", "Backspace", "Delete", "typing", "input method" })
            presses.insert(presses.size() - 1, { QString::fromLatin1(key), QKeySequence(QString::fromLatin1(key)) });

        // The writer's way: the text has the keyboard, then the page or
        // the sheet comes to the front.
        QObject* tabBar = window->findChild<QObject*>(QStringLiteral("tabBar"));
        QObject* targetLoader = window->findChild<QObject*>(QStringLiteral("targetLoader"));
        QObject* passwordLoader = window->findChild<QObject*>(QStringLiteral("loginPasswordLoader"));
        Settings* settings = global::instance()->settings();
        settings->setProperty("loginPassword", QStringLiteral("secret"));
        auto bringToFront = [&] {
            // The sheets the last key may have opened close first.
            for (QObject* sheet : { targetLoader->property("item").value<QObject*>(), window->property("helpWindow").value<QObject*>(),
                                    window->property("countWindow").value<QObject*>() }) {
                if (sheet)
                    QMetaObject::invokeMethod(sheet, "close");
            }
            if (QObject* screen = passwordLoader->property("item").value<QObject*>())
                QMetaObject::invokeMethod(screen, "finish");
            if (!QTest::qWaitFor([&] { return !window->property("sheetOpen").toBool(); }))
                return false;
            // (A file dialog, transient for the window, took the keyboard.)
            window->requestActivate();
            if (!QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == window; }))
                return false;
            QVariant index;
            QMetaObject::invokeMethod(tabs, "indexOf", Q_RETURN_ARG(QVariant, index), Q_ARG(QVariant, page->objectName()));
            tabBar->setProperty("currentIndex", index);
            text->forceActiveFocus();
            if (!text->hasActiveFocus())
                return false;
            QMetaObject::invokeMethod(window, front.toLatin1().constData());
            // Shown in front (what the program makes of it is under test).
            return QTest::qWaitFor([&] {
                QObject* lock = targetLoader->property("item").value<QObject*>();
                QObject* screen = passwordLoader->property("item").value<QObject*>();
                return front == QLatin1String("showTarget") ? lock && lock->property("opened").toBool()
                     : front == QLatin1String("showLoginPassword") ? screen && screen->property("visible").toBool()
                     : tabs->property("currentPage").value<QObject*>() != page;
            });
        };
        auto press = [&](const QPair<QString, QKeySequence>& p) {
            if (p.first == QLatin1String("typing")) {
                typeText(window, QStringLiteral("hello"));
            } else if (p.first == QLatin1String("input method")) {
                QInputMethodEvent commit;
                commit.setCommitString(QStringLiteral("你好"));
                if (QObject* target = QGuiApplication::focusObject())
                    QCoreApplication::sendEvent(target, &commit);
            } else {
                const int combined = p.second[0];
                QTest::keyClick(window, Qt::Key(combined & ~Qt::KeyboardModifierMask),
                                Qt::KeyboardModifiers(combined & Qt::KeyboardModifierMask));
            }
            QTest::qWait(30);
            closeFileDialogs();
        };

        if (front.isEmpty()) {
            // In front, the editor takes typing, input-method text, Enter,
            // Backspace, the chapter-name key and paste.
            const QStringList acting { "typing", "input method", "Return", "Backspace", "addChapterName", "paste" };
            for (const auto& p : presses) {
                const QString was = document->property("allText").toString();
                if (acting.contains(p.first))
                    press(p);
                QTRY_VERIFY2(acting.contains(p.first) != (document->property("allText").toString() == was), qPrintable(p.first));
            }
        } else {
            for (const auto& p : presses) {
                QVERIFY2(bringToFront(), qPrintable(p.first));
                press(p);
                QVERIFY2(document->property("allText").toString() == before, qPrintable(p.first));
            }
            // Quitting saved the documents: the file is as it was.
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), onDisk);
            file.close();
        }
        // Settings the keys changed (the page in front takes them: the
        // language box has the keyboard in Preferences) stay out of the
        // next tests.
        QMetaObject::invokeMethod(engine.rootContext()->contextProperty(QStringLiteral("i18n")).value<QObject*>(), "reTrans",
                                  Q_ARG(QString, QStringLiteral("中文简体")));
        settings->setProperty("loginPassword", QString());
        settings->setProperty("minimalistModel", false);
        settings->setProperty("lumoModel", false);
        window->close();
    }

    // The keyboard's roads: the file list's key gives the document tree the
    // keyboard, Enter there opens the highlighted document, whose text takes
    // the keyboard; Alt and a menu's letter, F10
    // and the arrow keys walk the menus; Escape gives the text its keyboard
    // back.
    void keyboardReachesTreeAndMenus()
    {
        global::instance()->settings()->setProperty("currentFile", QString());
        const QString path = global::documentPath() + QStringLiteral("/tree.txt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("第1章 树\n") > 0);
        file.close();
        QQmlApplicationEngine engine;
        QQuickWindow* window = loadActiveMainWindow(engine);
        QVERIFY(window);
        engine.rootContext()->contextProperty(QStringLiteral("files")).value<QObject*>()->setProperty("currentFile", QUrl::fromLocalFile(path));
        auto* filesPage = window->findChild<QQuickItem*>(QStringLiteral("filesPage"));
        QTRY_COMPARE(filesPage->property("highlighted").toUrl(), QUrl::fromLocalFile(path));
        QTest::keyClick(window, Qt::Key_1, Qt::ControlModifier);
        QTRY_VERIFY(filesPage->property("treeView").value<QQuickItem*>()->hasActiveFocus());
        QTest::keyClick(window, Qt::Key_Return);
        QObject* tabs = window->property("documentPage").value<QObject*>();
        QTRY_VERIFY(tabs->property("currentEditor").value<QObject*>());
        QCOMPARE(tabs->property("currentEditor").value<QObject*>()->property("fileName").toUrl(), QUrl::fromLocalFile(path));
        QQuickItem* text = editorText(tabs->property("currentEditor").value<QObject*>());
        QTRY_VERIFY(text->hasActiveFocus());

        auto* fileMenu = window->findChild<QObject*>(QStringLiteral("fileMenu"));
        auto* editMenu = window->findChild<QObject*>(QStringLiteral("editMenu"));
        for (const int opener : { int(Qt::AltModifier | Qt::Key_F), int(Qt::Key_F10) }) {
            QTest::keyClick(window, Qt::Key(opener & ~Qt::KeyboardModifierMask), Qt::KeyboardModifiers(opener & Qt::KeyboardModifierMask));
            QTRY_VERIFY(fileMenu->property("opened").toBool());
            QTest::keyClick(window, Qt::Key_Right);
            QTRY_VERIFY(editMenu->property("opened").toBool() && !fileMenu->property("visible").toBool());
            QTest::keyClick(window, Qt::Key_Escape);
            QTRY_VERIFY(!editMenu->property("visible").toBool() && text->hasActiveFocus());
        }
        window->close();
    }

    // F1 and F2 open and close their window, though other keys are off under it;
    // Tab reaches the notes list after its +, − and … buttons, Enter opens the note.
    void keysReachSheetsAndNotes()
    {
        QQmlApplicationEngine engine;
        QQuickWindow* window = loadActiveMainWindow(engine);
        QVERIFY(window);
        for (const auto& [key, sheet] : { std::pair { Qt::Key_F1, "helpWindow" }, { Qt::Key_F2, "countChartWindow" } })
            for (int press = 0; press < 4; ++press) {
                QTest::keyClick(window, key);
                QTRY_COMPARE(window->findChild<QObject*>(sheet) && window->findChild<QObject*>(sheet)->property("opened").toBool(), press % 2 == 0);
            }
        // Closed by Escape, the card leaves F2 to the tree, which renames.
        QVERIFY(openBook(window, QStringLiteral("card.txt")));
        QTest::keyClick(window, Qt::Key_F2);
        QTRY_VERIFY(window->findChild<QObject*>("countChartWindow")->property("opened").toBool());
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!window->property("sheetOpen").toBool());
        auto* filesPage = window->findChild<QQuickItem*>(QStringLiteral("filesPage"));
        QTest::keyClick(window, Qt::Key_1, Qt::ControlModifier);
        QTRY_VERIFY(filesPage->property("treeView").value<QQuickItem*>()->hasActiveFocus());
        QTest::keyClick(window, Qt::Key_F2);
        QTRY_COMPARE(filesPage->property("editingPath").toString(), global::documentPath() + QStringLiteral("/card.txt"));
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_COMPARE(filesPage->property("editingPath").toString(), QString());
        QVERIFY(!window->findChild<QObject*>("countChartWindow")->property("visible").toBool());

        QUrl note;
        QMetaObject::invokeMethod(engine.rootContext()->contextProperty(QStringLiteral("files")).value<QObject*>(), "newNoteFile", Q_RETURN_ARG(QUrl, note));
        QMetaObject::invokeMethod(window, "showTab", Q_ARG(QString, QStringLiteral("notes")));
        QTRY_COMPARE(window->findChild<QObject*>(QStringLiteral("notesList"))->property("count").toInt(), 2);
        window->findChild<QQuickItem*>(QStringLiteral("newNoteButton"))->forceActiveFocus();
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(window, i < 3 ? Qt::Key_Tab : Qt::Key_Down);
        QTest::keyClick(window, Qt::Key_Return);
        QObject* tabs = window->property("documentPage").value<QObject*>();
        QTRY_VERIFY(tabs->property("currentEditor").value<QObject*>());
        QCOMPARE(tabs->property("currentEditor").value<QObject*>()->property("fileName").toUrl(), note);
        global::instance()->settings()->setProperty("currentFile", QString());
    }

    // By its object name, among items a repeater made too.
    static QQuickItem* findItem(QQuickItem* root, const QString& name)
    {
        if (root->objectName() == name)
            return root;
        for (QQuickItem* child : root->childItems())
            if (QQuickItem* hit = findItem(child, name))
                return hit;
        return nullptr;
    }
    static QString focusName(QQuickWindow* window)
    {
        return window->activeFocusItem() ? window->activeFocusItem()->objectName() : QString();
    }

    // A click on a navigation button gives its page the keyboard: Tabs walk the page, not the
    // chapter. On the account page the first stop is "Sign in", which Enter presses.
    void navigationClickGivesThePageTheKeyboard_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : { "files", "autoChapter", "wordCount", "ranking", "through", "notes", "me" })
            QTest::addRow("%s", name) << QString::fromLatin1(name);
    }
    void navigationClickGivesThePageTheKeyboard()
    {
        QFETCH(QString, name);
        QQmlApplicationEngine engine;
        QQuickWindow* window = loadActiveMainWindow(engine);
        QObject* page = window ? openBook(window, QStringLiteral("nav.txt")) : nullptr;
        QVERIFY(page);
        QObject* document = page->property("document").value<QObject*>();
        const QString before = document->property("allText").toString();
        editorText(page)->forceActiveFocus();
        QQuickItem* button = findItem(window->contentItem(), QStringLiteral("homeButton_") + name);
        QVERIFY(button);
        const QPoint middle = button->mapToScene(QPointF(button->width() / 2, button->height() / 2)).toPoint();
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, middle);
        QVariant sidePage;
        QMetaObject::invokeMethod(window->property("pcMain").value<QObject*>(), "page", Q_RETURN_ARG(QVariant, sidePage), Q_ARG(QVariant, name));
        QTRY_VERIFY2(sidePage.value<QQuickItem*>()->isAncestorOf(window->activeFocusItem()), qPrintable(focusName(window)));
        if (name == QLatin1String("me"))
            QCOMPARE(focusName(window), QStringLiteral("showLoginButton"));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(window, Qt::Key_Tab);
        QCOMPARE(document->property("allText").toString(), before);
        if (name == QLatin1String("me")) {
            QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, middle);
            QTRY_COMPARE(focusName(window), QStringLiteral("showLoginButton"));
            QTest::keyClick(window, Qt::Key_Return);
            QObject* login = window->findChild<QObject*>(QStringLiteral("loginLoader"));
            QTRY_VERIFY(login->property("item").value<QObject*>() && login->property("item").value<QObject*>()->property("opened").toBool());
            QMetaObject::invokeMethod(login->property("item").value<QObject*>(), "doCancel");
        }
        window->close();
    }

    // Tab in the find bar follows reading: the find field, the replacement, then the
    // toggles and buttons, round to the find field again; nothing reaches the text.
    void findBarTabOrder()
    {
        QQmlApplicationEngine engine;
        QQuickWindow* window = loadActiveMainWindow(engine);
        QObject* page = window ? openBook(window, QStringLiteral("find.txt")) : nullptr;
        QVERIFY(page);
        QObject* document = page->property("document").value<QObject*>();
        const QString before = document->property("allText").toString();
        QMetaObject::invokeMethod(window, "replace");
        QTRY_COMPARE(focusName(window), QStringLiteral("findField"));
        const QStringList order { "replaceField", "regexToggle", "caseToggle", "searchUp", "searchDown", "closeFind",
                                  "replaceButton", "replaceAllButton", "toggleReplace", "findField" };
        for (const QString& next : order) {
            QTest::keyClick(window, Qt::Key_Tab);
            QCOMPARE(focusName(window), next);
        }
        QTest::keyClick(window, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focusName(window), QStringLiteral("toggleReplace"));
        QCOMPARE(document->property("allText").toString(), before);
        window->close();
    }

    // Enter confirms the lock sheet from its word field, as the sign-in sheet does from
    // its fields, and presses the button that has the keyboard: OK locks, Cancel does not.
    void lockSheetTakesEnter_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("locked");
        QTest::addRow("in the word field") << QStringLiteral("wordsField") << 300;
        QTest::addRow("on OK") << QStringLiteral("sheetOkButton") << 300;
        QTest::addRow("on Cancel") << QStringLiteral("sheetCancelButton") << 0;
    }
    void lockSheetTakesEnter()
    {
        QFETCH(QString, focused);
        QFETCH(int, locked);
        QQmlApplicationEngine engine;
        QQuickWindow* window = loadActiveMainWindow(engine);
        QVERIFY(window);
        QObject* store = engine.rootContext()->contextProperty(QStringLiteral("g_data")).value<QObject*>();
        QMetaObject::invokeMethod(window, "showTarget");
        QObject* holder = window->findChild<QObject*>(QStringLiteral("targetLoader"));
        QTRY_VERIFY(holder->property("item").value<QObject*>() && holder->property("item").value<QObject*>()->property("opened").toBool());
        QTRY_COMPARE(focusName(window), QStringLiteral("wordsField"));
        typeText(window, QStringLiteral("300"));
        for (int tabs = 0; tabs < 6 && focusName(window) != focused; ++tabs)
            QTest::keyClick(window, Qt::Key_Tab);
        QCOMPARE(focusName(window), focused);
        QTest::keyClick(window, Qt::Key_Return);
        QTRY_VERIFY(!holder->property("item").value<QObject*>());
        QCOMPARE(store->property("lockWord").toInt(), locked);
        store->setProperty("lockWord", 0);
        QMetaObject::invokeMethod(store, "setLockState", Q_ARG(bool, false));
        window->close();
    }

    // The Open dialog starts in the document folder, not in the folder the
    // program was started from.
    void openDialogStartsInTheDocumentFolder()
    {
        QQmlApplicationEngine engine;
        QQuickWindow* window = loadMainWindow(engine);
        QVERIFY(window);
        QVERIFY(QDir::current() != QDir(global::documentPath()));
        QMetaObject::invokeMethod(window, "open");
        QFileDialog* dialog = nullptr;
        QTRY_VERIFY((dialog = visibleFileDialog()) != nullptr);
        QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(global::documentPath()).canonicalPath());
        dialog->reject();
        window->close();
    }

    // The folder question's chooser starts in the document folder; the window quits under it.
    void folderQuestionLetsTheWindowQuit_data()
    {
        QTest::addColumn<int>("unused");
        QTest::newRow("Ctrl+Q") << 0;
        QTest::newRow("the window's close button") << 0;
    }
    void folderQuestionLetsTheWindowQuit()
    {
        QQmlApplicationEngine engine;
        QQuickWindow* window = loadActiveMainWindow(engine);
        QVERIFY(window && QDir::current() != QDir(global::documentPath()));
        QVERIFY(QMetaObject::invokeMethod(window, "showFolderAccountSheet"));
        QObject* sheet = window->findChild<QObject*>(QStringLiteral("folderAccountSheet"));
        QTRY_VERIFY(sheet && sheet->property("opened").toBool());
        QVERIFY(QMetaObject::invokeMethod(sheet->findChild<QObject*>(QStringLiteral("otherFolderButton")), "clicked"));
        QFileDialog* dialog = nullptr;
        QTRY_VERIFY((dialog = visibleFileDialog()) != nullptr);
        QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(global::documentPath()).canonicalPath());
        dialog->reject();
        window->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(window) && sheet->property("visible").toBool());
        if (QTest::currentDataTag() == QByteArray("Ctrl+Q"))
            QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
        else if (auto* close = window->findChild<QQuickItem*>(QStringLiteral("closeButton")))
            QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, close->mapToScene(QPointF(close->width() / 2, close->height() / 2)).toPoint());
        QTRY_VERIFY(!window->isVisible());
    }

    // Escape closes the new-version dialog without installing anything.
    void updateDialogClosesOnEscape()
    {
        QQmlApplicationEngine engine;
        QQuickWindow* window = loadActiveMainWindow(engine);
        QVERIFY(window);
        auto* dialog = window->findChild<QObject*>(QStringLiteral("updateDialog"));
        QVERIFY(dialog);
        message::show(Message::Update, QStringLiteral("notes of the release"), QStringLiteral("9.9.9"));
        QTRY_VERIFY(dialog->property("opened").toBool());
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!dialog->property("visible").toBool());
        window->close();
    }

    // Cancelling the sensitive-word sheet leaves the stored words as they
    // were; emptying the word box stores the empty text, never "@Invalid()".
    void sensitiveWordSheetCancelWritesNothingInvalid()
    {
        QQmlApplicationEngine engine;
        QQuickWindow* window = loadActiveMainWindow(engine);
        QVERIFY(window);
        QObject* page = openBook(window, QStringLiteral("words.txt"));
        QVERIFY(page);
        const QString ini = QSettings().fileName();
        QSettings().sync();
        auto settingsText = [&ini] {
            QSettings().sync();
            QFile file(ini);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        const QVariant keysBefore = QSettings().value(QStringLiteral("Subtle/Keys"));

        QMetaObject::invokeMethod(window, "showSubtle");
        QObject* sheet = page->property("subtlePage").value<QObject*>();
        QVERIFY(sheet);
        QTRY_VERIFY(sheet->property("opened").toBool());
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!sheet->property("visible").toBool());
        QCOMPARE(QSettings().value(QStringLiteral("Subtle/Keys")), keysBefore);
        QVERIFY2(!settingsText().contains(QLatin1String("@Invalid")), qPrintable(settingsText()));

        // A word typed and taken out again.
        QMetaObject::invokeMethod(window, "showSubtle");
        QTRY_VERIFY(sheet->property("opened").toBool());
        QObject* words = window->findChild<QObject*>(QStringLiteral("subtleWordsArea"));
        QVERIFY(words);
        words->setProperty("text", QStringLiteral("龙傲天"));
        QCOMPARE(QSettings().value(QStringLiteral("Subtle/Keys")).toStringList(), QStringList { QStringLiteral("龙傲天") });
        words->setProperty("text", QString());
        QMetaObject::invokeMethod(sheet, "doCancel");
        QVERIFY2(!settingsText().contains(QLatin1String("@Invalid")), qPrintable(settingsText()));
        QCOMPARE(global::instance()->settings()->subtleUserKeyString(), QStringLiteral("\r\n"));
        window->close();
    }

    // The lock's time target is compared in seconds: with 590 s left,
    // 9 minutes is refused and the field offers 10.
    void lockTimeCannotBeLowered_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("9 min with 590 s left") << 590 << QStringLiteral("9") << 600 << QStringLiteral("10");
        QTest::newRow("10 min with 590 s left") << 590 << QStringLiteral("10") << 600 << QStringLiteral("10");
        QTest::newRow("whole minutes left") << 600 << QStringLiteral("9") << 600 << QStringLiteral("10");
        QTest::newRow("raised") << 600 << QStringLiteral("25") << 1500 << QStringLiteral("25");
        QTest::newRow("no lock running") << 0 << QStringLiteral("3") << 180 << QStringLiteral("3");
    }
    void lockTimeCannotBeLowered()
    {
        QFETCH(int, left);
        QFETCH(QString, typed);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        QQmlApplicationEngine engine;
        QQuickWindow* window = loadMainWindow(engine);
        QVERIFY(window);
        QObject* store = engine.rootContext()->contextProperty(QStringLiteral("g_data")).value<QObject*>();
        QVERIFY(store);
        // A lock from an earlier run; the page is shown the way the menu does.
        store->setProperty("lockSecond", left);
        QMetaObject::invokeMethod(window, "showTarget");
        QObject* holder = window->findChild<QObject*>(QStringLiteral("targetLoader"));
        QObject* target = holder->property("item").value<QObject*>();
        QVERIFY(target);
        QTRY_VERIFY(target->property("opened").toBool());
        QObject* minutes = window->findChild<QObject*>(QStringLiteral("minutesField"));
        QVERIFY(minutes);
        minutes->setProperty("text", typed);
        QMetaObject::invokeMethod(target, "accept");
        QCOMPARE(store->property("lockSecond").toInt(), stored);
        QCOMPARE(minutes->property("text").toString(), shown);
        // a lock running from start-up: end it so the window can close
        store->setProperty("lockSecond", 0);
        store->setProperty("lockWord", 0);
        QMetaObject::invokeMethod(store, "setLockState", Q_ARG(bool, false));
        window->close();
    }
};

// Sets the stand-ins as context properties of each Quick Test engine.
class Setup : public QObject
{
    Q_OBJECT
public slots:
    void qmlEngineAvailable(QQmlEngine* engine)
    {
        engine->addImportPath(QStringLiteral("qrc:///"));
        const QStringList files = { QStringLiteral(TEST_SOURCE_DIR "/../library/StandIns.qml"),
                                    QStringLiteral(TEST_SOURCE_DIR "/ShellStandIns.qml") };
        const QList<QStringList> names = {
            { "g_theme", "functions", "t", "qmlKey" },
            { "cglobal", "csettings", "files", "cloudDisk", "g_data", "locker", "wordCountModel", "countly",
              "cUpdate", "user", "userdata", "keys", "message" }
        };
        for (int i = 0; i < files.size(); ++i) {
            QQmlComponent component(engine, QUrl::fromLocalFile(files.at(i)));
            QObject* object = component.create();
            if (!object)
                qFatal("stand-ins: %s", qPrintable(component.errorString()));
            object->setParent(engine);
            for (const QString& name : names.at(i))
                engine->rootContext()->setContextProperty(name, object->property(name.toLatin1()).value<QObject*>());
            if (i == 1)
                engine->rootContext()->setContextProperty(QStringLiteral("standIns"), object);
        }
    }
};

int main(int argc, char** argv)
{
    TestEnvironment environment;
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    // The tests close main windows; the run must outlive them.
    app.setQuitOnLastWindowClosed(false);

    // "--startup <function>": only that start-up check (shell_x, under X with the platform's own key handling).
    if (argc > 2 && qstrcmp(argv[1], "--startup") == 0) {
        TestShellStartup startup;
        argv[1] = argv[0];
        return QTest::qExec(&startup, argc - 1, argv + 1);
    }
    int status = 0;
    {
        TestShellStartup startup;
        char* startupArgs[] = { argv[0] };
        status |= QTest::qExec(&startup, 1, startupArgs);
    }
    Setup setup;
    status |= quick_test_main_with_setup(argc, argv, "shell", TEST_SOURCE_DIR "/qml", &setup);
    return status;
}

#include "tst_shell.moc"
