// Every page, sheet and menu of the real main window, in each of the seven
// themes and in Chinese, English, German and Arabic: each screen is
// rendered and every drawn text is checked (readable against what lies
// behind it, not elided, not wider than its box, not cut off, not
// overlapping another text, and in translations not left in Chinese).
// Every item a writer can act on must have an accessible name, a screen
// reader walking the window finds the text, the tree's rows and the menus,
// and is told where the keys move the keyboard and of each notice as it
// shows; the layout must run the language's way (mirrored in Arabic).
//
// Each language runs in a process of its own, started like the program (the
// language is read at start-up), three at a time. With PENLARK_SCREENS_DIR
// set, every screen is also saved there as
// <language>/<theme>-<screen>.png for a person to look at.
#include "testenvironment.h"

#include "data/global.h"
#include "TovaUi/function/qmlkey.h"
#include "i18n/i18n.h"
#include "registertype/registertype.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "TovaUi/theme/lumotheme.h"

#include "layoutcheck.h"
#include "screencheck.h"

#include <QApplication>
#include <algorithm>
#include <functional>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QScreen>
#include <QSignalSpy>
#include <QPixmap>
#include <QSettings>
#include <QTextStream>

#include <private/qabstractanimation_p.h>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

const char* const themeNames[] = { "0-follow", "1-white", "2-black", "3-pink", "4-green", "5-blue", "6-paper" };

struct Language {
    const char* code;
    const char* name;
};
// The languages checked by default come first; PENLARK_SCREENS_LANGUAGES
// ("all", or codes separated by commas) chooses others.
const Language languages[] = { { "zh_CN", "中文简体" }, { "en", "English" }, { "de", "Deutsch" }, { "ar", "عربي" },
                               { "zh_TW", "繁體中文" }, { "ja", "日本語" }, { "ko", "한국어" },
                               { "fr", "Français" }, { "es", "Español" }, { "pt", "Portugués" },
                               { "it", "In Italiano" }, { "ru", "русский язык" } };
const int defaultLanguages = 4;

QList<int> chosenLanguages()
{
    const QString wanted = qEnvironmentVariable("PENLARK_SCREENS_LANGUAGES");
    QList<int> chosen;
    const int count = int(sizeof(languages) / sizeof(languages[0]));
    for (int i = 0; i < count; ++i) {
        const bool asked = wanted == QLatin1String("all")
                           || wanted.split(QLatin1Char(',')).contains(QLatin1String(languages[i].code));
        if (wanted.isEmpty() ? i < defaultLanguages : asked)
            chosen << i;
    }
    return chosen;
}

bool hasChinese(const QString& text)
{
    for (const QChar ch : text) {
        const ushort u = ch.unicode();
        if ((u >= 0x4e00 && u <= 0x9fff) || (u >= 0x3400 && u <= 0x4dbf))
            return true;
    }
    return false;
}

// Texts in Chinese on an English or German screen.
QStringList untranslated(QQuickItem* item)
{
    QStringList found;
    if (!item->isVisible() || item->opacity() <= 0.0)
        return found;
    if (item->inherits("QQuickText") && hasChinese(item->property("text").toString()))
        found << item->property("text").toString().simplified().left(40);
    for (QQuickItem* child : item->childItems())
        found << untranslated(child);
    return found;
}

// Waits until nothing moves: popups and pages fade or slide in and out.
// (A spinner runs for ever; the wait ends after two seconds at most.)
void settle()
{
    QElapsedTimer timer;
    timer.start();
    do {
        QTest::qWait(20);
    } while (QUnifiedTimer::instance()->runningAnimationCount() > 0 && timer.elapsed() < 2000);
}

// The window as it was last drawn, after a fresh frame. (The software
// renderer's own grab needs a backing store that can hand out its image,
// which the offscreen platform's cannot; its screen can.)
QImage grab(QQuickWindow* window)
{
    QSignalSpy swapped(window, &QQuickWindow::frameSwapped);
    window->update();
    swapped.wait(1000);
    return window->screen()->grabWindow(window->winId()).toImage();
}

// What a screen reader is told: where each key moved the keyboard, and each notice and save error.
QStringList heardCheck(QQuickWindow* window)
{
    auto keys = [window](QList<int> presses) { // a letter outside ASCII (a Cyrillic one) with its text
        return [window, presses] {
            for (const int k : presses) {
                const int code = k & ~Qt::KeyboardModifierMask;
                const QString text = code < 0x10000 && QChar(code).isLetter() ? QString(QChar(code)).toLower() : QString();
                QTest::sendKeyEvent(QTest::Click, window, Qt::Key(code), text, Qt::KeyboardModifiers(k & Qt::KeyboardModifierMask));
                settle();
            }
        };
    };
    QObject* editor = window->property("documentPage").value<QObject*>()->property("currentEditor").value<QObject*>();
    QObject* document = editor->property("document").value<QObject*>();
    const QString notice = QCoreApplication::translate("main", "窗口已置顶");
    const QUrl nowhere = QUrl::fromLocalFile(global::documentPath() + QStringLiteral("/no/such/book/chapter.txt"));
    // The File menu's letter: its title's own, or F after a title in Chinese, Japanese, Korean or Arabic.
    QObject* menuBar = window->findChild<QObject*>(QStringLiteral("windowsMenuBar"));
    const QString letter = menuBar->property("mnemonics").toMap().value(QStringLiteral("fileMenu")).toString();
    const QString title = QCoreApplication::translate("WindowsMenuBar", "文件");
    const bool cased = std::any_of(title.begin(), title.end(), [](QChar c) { return c.toUpper() != c.toLower(); });
    const struct { const char* what; std::function<void()> act; QString told; } steps[] = {
        { "Ctrl+1", keys({ Qt::CTRL | Qt::Key_1 }), QStringLiteral("focus row chapter-1.txt") },
        { "Down", keys({ Qt::Key_Down }), QStringLiteral("focus row chapter-2.txt") },
        { "Up to the book", keys({ Qt::Key_Up, Qt::Key_Up }), QStringLiteral("focus row Novel (open)") },
        { "Down to the open chapter", keys({ Qt::Key_Down }), QStringLiteral("focus row chapter-1.txt") },
        { "F2 and Escape in the tree", keys({ Qt::Key_F2, Qt::Key_Escape }), QStringLiteral("focus row chapter-1.txt") },
        { "Escape", keys({ Qt::Key_Escape }), QStringLiteral("focus text") },
        { "Alt and the File menu's letter", keys({ int(Qt::ALT) | letter.at(0).unicode() }), QStringLiteral("focus menu entry ") },
        { "Escape from the menu", keys({ Qt::Key_Escape }), QStringLiteral("focus text") },
        { "F10", keys({ Qt::Key_F10 }), QStringLiteral("focus menu entry ") },
        { "Right to the Edit menu", keys({ Qt::Key_Right }), QStringLiteral("focus menu entry ") },
        { "Escape from the Edit menu", keys({ Qt::Key_Escape }), QStringLiteral("focus text") },
        { "Ctrl+2", keys({ Qt::CTRL | Qt::Key_2 }), QStringLiteral("focus list entry Chapter 1") },
        { "Down in the chapters", keys({ Qt::Key_Down }), QStringLiteral("focus list entry Chapter 2") },
        { "Escape from the chapters", keys({ Qt::Key_Escape }), QStringLiteral("focus text") },
        { "F2", keys({ Qt::Key_F2 }), QStringLiteral("focus dialog ") + QCoreApplication::translate("CountChartWindow", "统计卡片") },
        { "Escape from the card", keys({ Qt::Key_Escape }), QStringLiteral("focus text") },
        { "a notice", [&] { message::show(Message::Tips, notice); settle(); }, QStringLiteral("shown alert ") + notice },
        { "a save error", [&] { QMetaObject::invokeMethod(document, "saveAs", Q_ARG(QUrl, nowhere)); settle(); },
          QStringLiteral("shown alert ") + QCoreApplication::translate("LazyTextDocument", "Cannot save: ") },
    };
    QStringList faults;
    if (letter.size() != 1 || (cased ? !title.contains(letter, Qt::CaseInsensitive) : letter != QLatin1String("F")))
        faults << QStringLiteral("File menu \"%1\" has the letter \"%2\"").arg(title, letter);
    for (const auto& step : steps) {
        const QStringList heard = LayoutCheck::listen(step.act);
        const auto told = std::count_if(heard.begin(), heard.end(), [&](const QString& h) { return h.startsWith(step.told) && !h.endsWith(QLatin1Char(' ')); });
        // a notice is one named alert, and nothing unnamed shows with it
        const bool alert = step.told.startsWith(QLatin1String("shown alert"));
        if (told == 0 || (alert && (told > 1 || heard.contains(QStringLiteral("shown dialog ")))))
            faults << QStringLiteral("screen reader not told of %1: no \"%2\" (or more) in %3").arg(QLatin1String(step.what), step.told, heard.join(QStringLiteral(" | ")));
    }
    for (const char* name : { "noticePopup", "tipPopup" })
        QMetaObject::invokeMethod(window->findChild<QObject*>(QLatin1String(name)), "close");
    settle();
    return faults;
}

void writeFile(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text.toUtf8());
}

// One language: the main window as the program builds it.
int runLanguage(const QString& code, const QString& name)
{
    QQuickStyle::setStyle(QStringLiteral("Default"));
    QFont font(function::systemFont());
    font.setPixelSize(13);
    QApplication::setFont(font);
    QSettings().setValue(QStringLiteral("Language/language"), name);
    // As when a screen reader is running: the controls name themselves.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);

    const QString books = global::documentPath();
    writeFile(books + QStringLiteral("/Novel/chapter-1.txt"),
              QStringLiteral("Chapter 1 The road\n  It was raining.\nChapter 2 The house\n  The door was open.\n"));
    writeFile(books + QStringLiteral("/Novel/chapter-2.txt"), QStringLiteral("Chapter 3\n  Morning.\n"));
    writeFile(books + QStringLiteral("/Notes.txt"), QStringLiteral("notes\n"));

    QQmlApplicationEngine engine;
    auto* qmlKey = new QmlKey(&engine);
    qmlKey->registerTypes(&engine);
    engine.rootContext()->setContextProperty(QStringLiteral("i18n"), new I18n(QCoreApplication::instance(), &engine));
    engine.addImportPath(QStringLiteral("qrc:///"));
    RegisterType::Register(&engine);
    global::instance()->setEngine(&engine);
    QStringList warnings;
    QObject::connect(&engine, &QQmlEngine::warnings, [&warnings](const QList<QQmlError>& list) {
        for (const QQmlError& e : list)
            warnings << e.toString();
    });
    engine.load(QUrl(QStringLiteral("qrc:/qml/main.qml")));
    if (engine.rootObjects().isEmpty())
        return 2;
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    if (!QTest::qWaitFor([window] { return window->property("documentPage").value<QObject*>() != nullptr; }, 10000))
        return 2;
    QMetaObject::invokeMethod(window, "openFile",
                              Q_ARG(QString, QUrl::fromLocalFile(books + QStringLiteral("/Novel/chapter-1.txt")).toString()));
    QTest::qWait(300);
    // The writer selects the first three letters: a screen reader follows.
    QTest::qWaitFor([window] { return window->activeFocusItem() && window->activeFocusItem()->inherits("QQuickTextEdit"); }, 10000);
    QTest::keyClick(window, Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(window, Qt::Key_Right, Qt::ShiftModifier);

    QQmlComponent component(&engine, QUrl::fromLocalFile(QStringLiteral(TEST_SOURCE_DIR "/ScreenDriver.qml")));
    QObject* driver = component.create(engine.rootContext());
    if (!driver) {
        fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return 2;
    }
    driver->setProperty("win", QVariant::fromValue<QObject*>(window));
    driver->setProperty("documentFolder", books);
    auto* theme = qobject_cast<LumoTheme*>(engine.rootContext()->contextProperty(QStringLiteral("g_theme")).value<QObject*>());

    const QString saveRoot = qEnvironmentVariable("PENLARK_SCREENS_DIR");
    if (!saveRoot.isEmpty())
        QDir().mkpath(saveRoot + QLatin1Char('/') + code);
    // Chinese is the source language; in Traditional Chinese and Japanese
    // Han characters are the translation.
    const bool source = code == QLatin1String("zh_CN") || code == QLatin1String("zh_TW") || code == QLatin1String("ja");
    const bool rightToLeft = code == QLatin1String("ar");

    int faults = 0;
    QTextStream out(stdout);
    const int count = driver->property("count").toInt();
    for (int scene = 0; scene < count; ++scene) {
        QVariant sceneName;
        QMetaObject::invokeMethod(driver, "sceneName", Q_RETURN_ARG(QVariant, sceneName), Q_ARG(QVariant, scene));
        QMetaObject::invokeMethod(driver, "openScene", Q_ARG(QVariant, scene));
        settle();
        for (int t = 0; t < 7; ++t) {
            theme->setCurrentTheme(t);
            QTest::qWait(0);
            // The main window and any window the screen opened beside it.
            QList<QQuickWindow*> shown { window };
            for (QWindow* w : QGuiApplication::topLevelWindows()) {
                auto* quick = qobject_cast<QQuickWindow*>(w);
                if (quick && quick != window && quick->isVisible())
                    shown << quick;
            }
            for (int w = 0; w < shown.size(); ++w) {
                const QImage picture = grab(shown.at(w));
                QStringList found = ScreenCheck::check(shown.at(w), picture, { theme->secondaryTextColor(), theme->foregroundColor() });
                if (!source && t == 0) {
                    for (const QString& text : untranslated(shown.at(w)->contentItem()))
                        found << QStringLiteral("untranslated \"%1\"").arg(text);
                }
                if (t == 0)
                    found << LayoutCheck::check(shown.at(w), rightToLeft);
                if (t == 0 && w == 0 && scene == 0) {
                    found << LayoutCheck::readerCheck(window, QStringLiteral("It was raining."), 3, QStringLiteral("Novel"), 5);
                    QTest::keyClick(window, Qt::Key_Left); // the screens are checked without a selection
                    found << heardCheck(window);
                }
                const QString label = QStringLiteral("%1 %2 %3%4").arg(code, QLatin1String(themeNames[t]), sceneName.toString(),
                                                                      w == 0 ? QString() : QStringLiteral(" window %1").arg(w));
                for (const QString& f : qAsConst(found))
                    out << "FAULT " << label << ": " << f << "\n";
                faults += found.size();
                if (!saveRoot.isEmpty())
                    picture.save(QStringLiteral("%1/%2/%3-%4%5.png").arg(saveRoot, code, QLatin1String(themeNames[t]), sceneName.toString(),
                                                                         w == 0 ? QString() : QStringLiteral("-window%1").arg(w)));
            }
        }
        QMetaObject::invokeMethod(driver, "closeScene", Q_ARG(QVariant, scene));
        settle();
    }
    for (const QString& w : qAsConst(warnings))
        out << "QML WARNING " << code << ": " << w << "\n";
    out << code << ": " << count << " screens, " << faults << " faults\n";
    out.flush();
    delete driver;
    return faults == 0 && warnings.isEmpty() ? 0 : 1;
}

} // namespace

class TestScreens : public QObject
{
    Q_OBJECT
    QList<QProcess*> m_runs;

    // Three languages run at a time, each in a process of its own.
    static constexpr int atOnce = 3;
    void startRun(int run)
    {
        if (run < m_runs.size())
            m_runs.at(run)->start(QCoreApplication::applicationFilePath(),
                                  { QStringLiteral("--language"), m_runs.at(run)->objectName() });
    }

private slots:

    void initTestCase()
    {
        for (int i : chosenLanguages()) {
            auto* run = new QProcess(this);
            run->setObjectName(QLatin1String(languages[i].code));
            run->setProcessChannelMode(QProcess::MergedChannels);
            m_runs << run;
        }
        for (int run = 0; run < atOnce; ++run)
            startRun(run);
    }

    void everyScreen_data()
    {
        QTest::addColumn<int>("run");
        const QList<int> chosen = chosenLanguages();
        for (int i = 0; i < chosen.size(); ++i)
            QTest::newRow(languages[chosen.at(i)].code) << i;
    }
    void everyScreen()
    {
        QFETCH(int, run);
        QProcess* process = m_runs.at(run);
        const bool finished = process->waitForFinished(240000);
        startRun(run + atOnce);
        QVERIFY(finished);
        const QString output = QString::fromUtf8(process->readAll());
        QVERIFY2(process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0, qPrintable(output));
        qInfo().noquote() << output.trimmed().section(QLatin1Char('\n'), -1);
    }
};

int main(int argc, char** argv)
{
    TestEnvironment environment;
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    app.setQuitOnLastWindowClosed(false);
    if (argc == 3 && qstrcmp(argv[1], "--language") == 0) {
        for (const Language& language : languages) {
            if (qstrcmp(argv[2], language.code) == 0)
                return runLanguage(QString::fromLatin1(language.code), QString::fromUtf8(language.name));
        }
        return 2;
    }
    TestScreens test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screens.moc"
