// Typing sounds, the font list, the frame-rate label, the desktop alert view
// and the preferences page and About sheet in a scene built like main().
#include "testenvironment.h"

#include "data/global.h"
#include "data/settings.h"
#include "TovaUi/dialog/qialertview.h"
#include "function/fontthread.h"
#include "function/fpslabel.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "function/lumofontmodel.h"
#include "TovaUi/function/qmlkey.h"
#include "i18n/i18n.h"
#include "registertype/registertype.h"
#include "sound/sound.h"
#include "TovaUi/theme/colorcontrast.h"
#include "TovaUi/theme/lumotheme.h"
#include "update/update.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QSemaphore>
#include <QSettings>
#include <QSignalSpy>
#include <QSoundEffect>
#include <QPalette>
#include <QTemporaryDir>

namespace {
const QUrl typewriterKey(QStringLiteral("qrc:/source/sound/normal/normal_key_press.wav"));
const QUrl typewriterEnter(QStringLiteral("qrc:/source/sound/normal/enter.wav"));
const QUrl waterKey(QStringLiteral("qrc:/source/sound/normal/water_normal_key_press.wav"));
const QUrl waterEnter(QStringLiteral("qrc:/source/sound/normal/water_enter.wav"));
} // namespace

class TestCoreUi : public QObject
{
    Q_OBJECT

    QList<int> played;

    QObject* findByName(QObject* root, const char* name)
    {
        return root->findChild<QObject*>(QLatin1String(name));
    }

private slots:
    void initTestCase()
    {
        sound::setPlayObserver([this](int keyClass) { played << keyClass; });
    }
    void init()
    {
        played.clear();
    }

    // --- typing sounds -------------------------------------------------

    void soundFilesAreShortWaves_data()
    {
        QTest::addColumn<QUrl>("url");
        for (const QUrl& url : { typewriterKey, typewriterEnter, waterKey, waterEnter })
            QTest::newRow(qPrintable(url.fileName())) << url;
    }
    void soundFilesAreShortWaves()
    {
        QFETCH(QUrl, url);
        QFile file(QLatin1Char(':') + url.path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QVERIFY(data.startsWith("RIFF"));
        QCOMPARE(data.mid(8, 8), QByteArray("WAVEfmt "));
        // 44.1 kHz, 16 bits, mono: under a second each.
        QVERIFY(data.size() > 1000 && data.size() < 2 * 44100);
    }

    void silentWhileSwitchedOff()
    {
        Settings* settings = global::instance()->settings();
        settings->setSoundOpen(false);
        sound player;
        emit player.sendPlay(Qt::Key_A);
        emit player.sendPlay(Qt::Key_Return);
        QVERIFY(played.isEmpty());
        // Switching the set does not load anything while the setting is off.
        player.setType(1);
        QCOMPARE(QSettings().value("sound/type").toInt(), 1);
        player.setType(0);
    }

    void playsByKeyClass_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("keyClass");
        QTest::newRow("A") << int(Qt::Key_A) << int(sound::AnyKey);
        QTest::newRow("space") << int(Qt::Key_Space) << int(sound::AnyKey);
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::Key_Enter);
        QTest::newRow("Enter") << int(Qt::Key_Enter) << int(Qt::Key_Enter);
        QTest::newRow("Shift") << int(Qt::Key_Shift) << -1;
        QTest::newRow("Control") << int(Qt::Key_Control) << -1;
        QTest::newRow("Alt") << int(Qt::Key_Alt) << -1;
        QTest::newRow("Meta") << int(Qt::Key_Meta) << -1;
    }
    void playsByKeyClass()
    {
        QFETCH(int, key);
        QFETCH(int, keyClass);
        global::instance()->settings()->setSoundOpen(true);
        QSettings().setValue("sound/type", 0);
        sound player;
        QVERIFY(sound::isEnabled());
        emit player.sendPlay(key);
        QCOMPARE(played, keyClass < 0 ? QList<int>() : QList<int> { keyClass });
    }

    void soundSets_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("customFiles");
        QTest::addColumn<bool>("water");
        QTest::addColumn<bool>("custom");
        QTest::newRow("typewriter") << 0 << 0 << false << false;
        QTest::newRow("water drop") << 1 << 0 << true << false;
        QTest::newRow("unknown set") << 7 << 0 << false << false;
        QTest::newRow("custom pair") << 2 << 2 << false << true;
        QTest::newRow("custom, one file missing") << 2 << 1 << false << false;
    }
    void soundSets()
    {
        QFETCH(int, type);
        QFETCH(int, customFiles);
        QFETCH(bool, water);
        QFETCH(bool, custom);
        QTemporaryDir dir;
        const QString any = dir.filePath("any.wav");
        const QString enter = dir.filePath("enter.wav");
        QFile::copy(QLatin1Char(':') + waterKey.path(), any);
        if (customFiles == 2)
            QFile::copy(QLatin1Char(':') + waterEnter.path(), enter);
        QSettings().setValue("sound/any", any);
        QSettings().setValue("sound/enter", enter);
        QSettings().setValue("sound/type", type);
        global::instance()->settings()->setSoundOpen(true);

        sound player;
        QCOMPARE(player.type(), type);
        const QUrl expectedKey = custom ? QUrl::fromLocalFile(any) : water ? waterKey : typewriterKey;
        const QUrl expectedEnter = custom ? QUrl::fromLocalFile(enter) : water ? waterEnter : typewriterEnter;
        QCOMPARE(sound::source(sound::AnyKey), expectedKey);
        QCOMPARE(sound::source(Qt::Key_Enter), expectedEnter);
        QVERIFY(sound::effect(sound::AnyKey));
        QCOMPARE(sound::effect(sound::AnyKey)->source(), expectedKey);
        QCOMPARE(sound::effect(Qt::Key_Enter)->source(), expectedEnter);
    }

    void typeFollowsTheSettingsFile()
    {
        QSettings().setValue("sound/type", 0);
        global::instance()->settings()->setSoundOpen(true);
        sound player;
        QSignalSpy changed(&player, &sound::typeChanged);
        player.setType(1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(sound::source(sound::AnyKey), waterKey);
        player.setType(1);
        QCOMPARE(changed.count(), 1);
        // The unused set-switching slots change the stored set silently.
        QVERIFY(QMetaObject::invokeMethod(&player, "setDefSound"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(player.type(), 0);
        QCOMPARE(sound::source(sound::AnyKey), typewriterKey);
    }

    // --- font list -----------------------------------------------------

    void fontListComesFromAnotherThread()
    {
        QThread* listingThread = nullptr;
        fontThread::setFamilyLister([&listingThread](QFontDatabase::WritingSystem) {
            listingThread = QThread::currentThread();
            return QStringList { QStringLiteral(".Hidden UI"), QStringLiteral("Alpha Song"), QStringLiteral("Beta Hei"),
                QStringLiteral("Gamma Kai") };
        });
        LumoFontModel model;
        QSignalSpy font(&model, &LumoFontModel::currentFontChanged);
        QSignalSpy index(&model, &LumoFontModel::currentIndexChanged);
        // Chosen before the list is there: remembered, nothing announced yet.
        model.setCurrentFont(QStringLiteral("Beta Hei"));
        QCOMPARE(font.count(), 0);
        QTRY_COMPARE(model.rowCount(), 3);
        fontThread::setFamilyLister({});

        QVERIFY(listingThread && listingThread != QThread::currentThread());
        QCOMPARE(model.roleNames().value(266), QByteArray("title"));
        QCOMPARE(model.roleNames().value(357), QByteArray("fontName"));
        QCOMPARE(model.index(0, 0).data(357).toString(), QStringLiteral("Alpha Song"));
        QCOMPARE(model.index(2, 0).data(266).toString(), QStringLiteral("Gamma Kai"));
        QCOMPARE(model.currentFont(), QStringLiteral("Beta Hei"));
        QCOMPARE(model.currentIndex(), 1);
        QCOMPARE(font.count(), 1);
        QCOMPARE(index.count(), 1);

        model.setCurrentFont(QStringLiteral("Beta Hei"));
        QCOMPARE(font.count(), 1);
        model.setCurrentIndex(2);
        QCOMPARE(model.currentFont(), QStringLiteral("Gamma Kai"));
        QCOMPARE(font.count(), 2);
        QCOMPARE(index.count(), 2);
        // A family that is not installed is kept; the row stays.
        model.setCurrentFont(QStringLiteral("Missing Sans"));
        QCOMPARE(model.currentFont(), QStringLiteral("Missing Sans"));
        QCOMPARE(model.currentIndex(), 2);
    }

    void olderListingIsNotAppliedOverANewerOne()
    {
        QSemaphore firstMayFinish;
        fontThread::setFamilyLister([&firstMayFinish](QFontDatabase::WritingSystem system) {
            if (system == QFontDatabase::SimplifiedChinese) {
                firstMayFinish.acquire();
                return QStringList { QStringLiteral("Old") };
            }
            return QStringList { QStringLiteral("New A"), QStringLiteral("New B") };
        });
        LumoFontModel model;
        model.setWritingSystem(QFontDatabase::Latin);
        QTRY_COMPARE(model.rowCount(), 2);
        firstMayFinish.release();
        QTest::qWait(50);
        QCoreApplication::processEvents();
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.index(0, 0).data(LumoFontModel::FontNameRole).toString(), QStringLiteral("New A"));
        fontThread::setFamilyLister({});
    }

    void destroyedWhileListing()
    {
        QSemaphore go;
        fontThread::setFamilyLister([&go](QFontDatabase::WritingSystem) {
            go.acquire();
            return QStringList { QStringLiteral("Late") };
        });
        auto* model = new LumoFontModel();
        // Let the listing finish only while the model is being destroyed.
        QTimer::singleShot(0, [&go] { go.release(); });
        QCoreApplication::processEvents();
        delete model;
        QCoreApplication::processEvents();
        fontThread::setFamilyLister({});
    }

    // --- frame-rate label ----------------------------------------------

    void frameRate()
    {
        FPSLabel label;
        QCOMPARE(label.value(), -1);
        QSignalSpy changed(&label, &FPSLabel::valueChanged);
        qint64 now = 1000000;
        label.measure(now);
        QCOMPARE(label.value(), 0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 0);
        for (int frame = 1; frame < 60 * 3; ++frame)
            label.measure(now + frame * 1000 / 60);
        QVERIFY2(label.value() >= 59 && label.value() <= 61, qPrintable(QString::number(label.value())));
    }

    // --- alert view ----------------------------------------------------

    void alertViewReportsTheClickedButton()
    {
        QIAlertView alert;
        QCOMPARE(alert.buttons(), (QStringList { QStringLiteral("OK"), QStringLiteral("Cancel") }));
        alert.setTitle(QStringLiteral("Title"));
        alert.setMessage(QStringLiteral("Message"));
        QSignalSpy clicked(&alert, &QIAlertView::clicked);
        alert.show();
        QMessageBox* box = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* b = qobject_cast<QMessageBox*>(w))
                box = b;
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("Message"));
        QCOMPARE(box->buttons().size(), 2);
        QAbstractButton* cancel = nullptr;
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QLatin1String("Cancel"))
                cancel = b;
        QVERIFY(cancel);
        cancel->click();
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), 1);
        QCOMPARE(alert.clickedButtonIndex(), 1);
    }

    // --- contrast of the theme colours ----------------------------------

    // Known ratios of the contrast guidelines as the oracle.
    void contrastRatio_data()
    {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("same colour") << QColor("#336699") << QColor("#336699") << 1.0;
        QTest::newRow("#777 on white") << QColor("#777777") << QColor(Qt::white) << 4.48;
        QTest::newRow("#767676 on white") << QColor("#767676") << QColor(Qt::white) << 4.54;
        QTest::newRow("red on white") << QColor(Qt::red) << QColor(Qt::white) << 4.0;
        QTest::newRow("blue on black") << QColor(Qt::blue) << QColor(Qt::black) << 2.44;
        QTest::newRow("order does not matter") << QColor(Qt::white) << QColor("#777777") << 4.48;
        QTest::newRow("half-transparent black over white") << QColor(0, 0, 0, 128) << QColor(Qt::white) << 4.0;
    }
    void contrastRatio()
    {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(double, ratio);
        QVERIFY2(qAbs(ColorContrast::ratio(a, b) - ratio) < 0.01, qPrintable(QString::number(ColorContrast::ratio(a, b))));
    }

    // A readable colour is the given one when that suffices, else a mix of
    // it with black or white that just reaches the minimum.
    void readableColour_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<double>("minimum");
        QTest::newRow("black on white stays") << QColor(Qt::black) << QColor(Qt::white) << 4.5;
        QTest::newRow("pink on pink") << QColor("#FF5C8A") << QColor("#F7CAD0") << 4.5;
        QTest::newRow("black on dark blue") << QColor(Qt::black) << QColor("#001126") << 4.5;
        QTest::newRow("white on light blue") << QColor(Qt::white) << QColor("#50acf3") << 4.5;
        QTest::newRow("accent border") << QColor("#58c979") << QColor("#D0ECD3") << 3.0;
        QTest::newRow("grey on mid grey") << QColor("#808080") << QColor("#777777") << 4.5;
    }
    void readableColour()
    {
        QFETCH(QColor, color);
        QFETCH(QColor, background);
        QFETCH(double, minimum);
        const QColor result = ColorContrast::readable(color, { background }, minimum);
        QVERIFY(ColorContrast::ratio(result, background) >= minimum);
        if (ColorContrast::ratio(color, background) >= minimum) {
            QCOMPARE(result, color);
            return;
        }
        // Mixed with black the channels keep their proportions (the hue);
        // one step less of the mix would not have been enough.
        const bool darker = ColorContrast::luminance(result) < ColorContrast::luminance(color);
        const QColor end = darker ? QColor(Qt::black) : QColor(Qt::white);
        double t = 0;
        for (const int c : { 0, 1, 2 }) {
            const int from = c == 0 ? color.red() : c == 1 ? color.green() : color.blue();
            const int to = c == 0 ? result.red() : c == 1 ? result.green() : result.blue();
            const int target = c == 0 ? end.red() : c == 1 ? end.green() : end.blue();
            if (from != target)
                t = qMax(t, double(to - from) / (target - from));
        }
        QVERIFY(t > 0 && t <= 1.0);
        auto mixed = [&](double f) {
            return QColor(qRound(color.red() + (end.red() - color.red()) * f),
                          qRound(color.green() + (end.green() - color.green()) * f),
                          qRound(color.blue() + (end.blue() - color.blue()) * f));
        };
        QVERIFY(ColorContrast::ratio(mixed(t - 0.02), background) < minimum);
    }

    // Every pair of colours the components draw, in every theme: body text
    // 4.5:1, secondary text, icons and borders 3:1.
    void themeColoursAreReadable_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<bool>("darkSystem");
        const char* const names[] = { "follow (light)", "white", "black", "pink", "green", "blue", "paper" };
        for (int theme = 0; theme < 7; ++theme)
            QTest::newRow(names[theme]) << theme << false;
        QTest::newRow("follow (dark)") << 0 << true;
    }
    void themeColoursAreReadable()
    {
        QFETCH(int, theme);
        QFETCH(bool, darkSystem);
        const QPalette saved = QGuiApplication::palette();
        if (darkSystem) {
            QPalette dark = saved;
            dark.setColor(QPalette::Window, QColor(50, 50, 50));
            QGuiApplication::setPalette(dark);
        }
        LumoTheme lumo(QStringLiteral(":/TovaUi/themes/theme.json"));
        QGuiApplication::setPalette(saved);
        lumo.setCurrentTheme(theme);
        lumo.setValue(theme);
        const QColor base = lumo.baseColor();
        // The chooser's swatch shows what the theme applies.
        const QVariantMap swatch = lumo.swatch(theme);
        QCOMPARE(swatch.value(QStringLiteral("accent")).value<QColor>(), lumo.accentColor());
        QCOMPARE(swatch.value(QStringLiteral("title")).value<QColor>(), lumo.titleColor());
        QCOMPARE(swatch.value(QStringLiteral("background")).value<QColor>(), base);
        QCOMPARE(swatch.value(QStringLiteral("foreground")).value<QColor>(), lumo.foregroundColor());
        const QList<QColor> surfaces { lumo.backgroundColor(), lumo.baseColor(), lumo.popupColor(), lumo.pageColor(),
                                       lumo.functionAreaColor(), lumo.tabColor(), lumo.leftBarColor(),
                                       lumo.statusBarColor(), lumo.titleColor(), lumo.primaryColor(),
                                       lumo.hoverdColor(), lumo.lightHoverdColor(), lumo.darkHoverdColor() };
        const QList<QColor> panels { lumo.backgroundColor(), lumo.popupColor(), lumo.pageColor(),
                                     lumo.functionAreaColor(), lumo.tabColor(), lumo.statusBarColor(),
                                     lumo.primaryColor() };
        QStringList faults;
        auto check = [&](const char* what, const QColor& color, const QList<QColor>& backgrounds, double needed) {
            for (const QColor& background : backgrounds) {
                const double ratio = ColorContrast::ratio(color, background, base);
                if (ratio < needed)
                    faults << QStringLiteral("%1 %2 on %3: %4").arg(QLatin1String(what), color.name(), background.name())
                                  .arg(ratio, 0, 'f', 2);
            }
        };
        check("text", lumo.foregroundColor(), surfaces, ColorContrast::bodyText);
        check("secondary text", lumo.secondaryTextColor(), surfaces, ColorContrast::secondary);
        check("highlighted text", lumo.highlightedTextColor(),
              { lumo.hoverdColor(), lumo.lightHoverdColor(), lumo.leftBarColor() }, ColorContrast::bodyText);
        check("editor text", lumo.wordColor(), { lumo.pageColor() }, ColorContrast::bodyText);
        check("accent (borders, check boxes, bars)", lumo.accentColor(), panels, ColorContrast::secondary);
        check("notice text", lumo.readableOn(lumo.highlightedTextColor(), lumo.accentColor()), { lumo.accentColor() },
              ColorContrast::bodyText);
        check("check mark", lumo.readableOn(Qt::white, lumo.accentColor(), 3), { lumo.accentColor() }, ColorContrast::secondary);
        check("link text", lumo.readableOn(lumo.accentColor(), lumo.popupColor()), { lumo.popupColor() },
              ColorContrast::bodyText);
        check("field border", lumo.readableOn(lumo.hoverdColor(), lumo.popupColor(), 3), { lumo.popupColor() },
              ColorContrast::secondary);
        check("selected tree row", lumo.readableOn(lumo.foregroundColor(), lumo.selectedColor()), { lumo.selectedColor() },
              ColorContrast::bodyText);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // --- preferences page and About sheet in the real scene --------------

    void pagesInTheRealScene()
    {
        fontThread::setFamilyLister([](QFontDatabase::WritingSystem) {
            return QStringList { QStringLiteral("Alpha Song"), QStringLiteral("Beta Hei") };
        });
        Settings* settings = global::instance()->settings();
        settings->setEditFontName(QStringLiteral("Beta Hei"));
        settings->setPageParagraphSpacing(0.7);
        settings->setUseCloud(false);
        settings->setCloudOnQuit(false);
        settings->setMinimalistModel(false);
        settings->setLayoutLefttoRight(false);

        QQmlApplicationEngine engine;
        QList<QQmlError> warnings;
        engine.setOutputWarningsToStandardError(false);
        connect(&engine, &QQmlEngine::warnings, this, [&warnings](const QList<QQmlError>& list) { warnings << list; });
        auto* qmlKey = new QmlKey();
        qmlKey->registerTypes(&engine);
        auto* i18n = new I18n(QCoreApplication::instance(), &engine);
        engine.rootContext()->setContextProperty(QStringLiteral("i18n"), i18n);
        engine.addImportPath(QStringLiteral("qrc:///"));
        RegisterType::Register(&engine);

        engine.loadData(R"(
import QtQuick 2.15
import QtQuick.Controls 2.15
ApplicationWindow {
    width: 900; height: 700; visible: true
    property Item page: pageLoader.item
    property var about: null
    function showAbout() {
        about = Qt.createComponent("qrc:/qml/page/AboutPage.qml").createObject(contentItem)
        about.show()
    }
    Loader { id: pageLoader; anchors.fill: parent; source: "qrc:/qml/page/PreferencesPage.qml" }
}
)");
        QCOMPARE(engine.rootObjects().size(), 1);
        QObject* window = engine.rootObjects().first();
        auto* page = window->property("page").value<QQuickItem*>();
        QVERIFY2(page, qPrintable(warnings.isEmpty() ? QString() : warnings.first().toString()));

        // The stored font is selected once the list has arrived.
        QObject* fontBox = findByName(page, "fontBox");
        QVERIFY(fontBox);
        QTRY_COMPARE(fontBox->property("currentIndex").toInt(), 1);
        QCOMPARE(fontBox->property("currentFont").toString(), QStringLiteral("Beta Hei"));

        // A spacing that is none of the entries shows no selection.
        QCOMPARE(findByName(page, "paragraphSpacingBox")->property("currentIndex").toInt(), -1);
        // Cloud-on-quit cannot be checked while cloud sync is off.
        QCOMPARE(findByName(page, "cloudOnQuitBox")->property("checkable").toBool(), false);

        // Minimalist layout unchecks the free layout.
        QObject* minimalist = findByName(page, "minimalistBox");
        QObject* freeLayout = findByName(page, "freeLayoutBox");
        QVERIFY(freeLayout->property("checked").toBool());
        QMetaObject::invokeMethod(minimalist, "toggle");
        QMetaObject::invokeMethod(minimalist, "toggled");
        QVERIFY(settings->minimalistModel());
        QVERIFY(settings->layoutLefttoRight());
        QVERIFY(!freeLayout->property("checked").toBool());

        // The language choice reaches the settings before the switch.
        QString languageAtSwitch;
        connect(i18n, &I18n::reTransed, this, [&] { languageAtSwitch = settings->language(); });
        QMetaObject::invokeMethod(page, "chooseLanguage", Q_ARG(QVariant, QStringLiteral("Deutsch")));
        QCOMPARE(languageAtSwitch, QStringLiteral("Deutsch"));
        QCOMPARE(i18n->index(), 10);
        QCOMPARE(findByName(page, "languageBox")->property("currentIndex").toInt(), 10);

        // A negative fee is stored as 0.
        QObject* fee = findByName(page, "royaltiesField");
        fee->setProperty("text", QStringLiteral("-5"));
        QMetaObject::invokeMethod(fee, "textEdited");
        QCOMPARE(settings->royalties(), 0);
        fee->setProperty("text", QStringLiteral("30"));
        QMetaObject::invokeMethod(fee, "textEdited");
        QCOMPARE(settings->royalties(), 30);

        // The start password (in the German just chosen): refused when empty
        // or when the entries differ; closing the sheet without one unchecks
        // the box again.
        QSignalSpy notices(function::instance()->getMessage(), &Message::showMessage);
        QObject* usePassword = findByName(page, "loginPasswordBox");
        QMetaObject::invokeMethod(usePassword, "toggle");
        QMetaObject::invokeMethod(usePassword, "toggled");
        QVERIFY(settings->useLoginPassword());
        QObject* first = findByName(page, "firstPassword");
        QObject* second = findByName(page, "secondPassword");
        QVERIFY(first && second);
        QMetaObject::invokeMethod(second, "accepted");
        QCOMPARE(notices.last().at(0).toString(), QStringLiteral("Bitte ein Startpasswort eingeben"));
        first->setProperty("text", QStringLiteral("abc"));
        second->setProperty("text", QStringLiteral("abd"));
        QMetaObject::invokeMethod(second, "accepted");
        QCOMPARE(notices.last().at(0).toString(), QStringLiteral("Die beiden Eingaben unterscheiden sich"));
        QVERIFY(settings->loginPassword().isEmpty());
        QObject* sheet = first;
        while (sheet && !sheet->inherits("QQuickPopup"))
            sheet = sheet->parent();
        QVERIFY(sheet);
        QMetaObject::invokeMethod(sheet, "doCancel");
        QVERIFY(!settings->useLoginPassword());
        QVERIFY(!usePassword->property("checked").toBool());

        // A page narrower than its rows keeps the row titles in view.
        auto* languageRow = qobject_cast<QQuickItem*>(findByName(page, "languageBox"))->parentItem()->parentItem();
        QVERIFY(languageRow);
        window->setProperty("width", 250);
        QTRY_COMPARE(page->width(), 250.0);
        QVERIFY(languageRow->mapToItem(page, QPointF(0, 0)).x() >= 0);

        // The About sheet shows the version and the update state.
        QMetaObject::invokeMethod(window, "showAbout");
        auto* about = window->property("about").value<QObject*>();
        QVERIFY(about);
        QObject* version = findByName(about, "versionText");
        QVERIFY(version);
        QVERIFY(version->property("text").toString().endsWith(QStringLiteral(": 2.0.13")));
        auto* cUpdate = qobject_cast<update*>(engine.rootContext()->contextProperty("cUpdate").value<QObject*>());
        QVERIFY(cUpdate);
        QObject* button = findByName(about, "updateButton");
        const QString checkText = button->property("text").toString();
        cUpdate->setTips(QStringLiteral("new!"));
        cUpdate->setHasNewVerison(true);
        QVERIFY(button->property("text").toString() != checkText);
        QCOMPARE(findByName(about, "updateTips")->property("text").toString(), QStringLiteral("new!"));
        // red, darkened until it reads on the sheet
        const QColor tipsColor = findByName(about, "updateTips")->property("color").value<QColor>();
        QCOMPARE(tipsColor.green(), 0);
        QCOMPARE(tipsColor.blue(), 0);
        QVERIFY(ColorContrast::ratio(tipsColor, QColor(Qt::white)) >= ColorContrast::bodyText);

        fontThread::setFamilyLister({});
        for (const QQmlError& e : qAsConst(warnings))
            qWarning() << e.toString();
        QVERIFY(warnings.isEmpty());
    }
};

PENLARK_TEST_MAIN(TestCoreUi)
#include "tst_coreui.moc"
