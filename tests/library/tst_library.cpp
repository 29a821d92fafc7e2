// Qt Quick Test of the TovaUi QML component library, and (with -gallery FILE)
// a window that shows the main components and saves a screenshot of itself.
#include "testenvironment.h"

#include "TovaUi/function/plainkeys.h"
#include "TovaUi/function/pointerrest.h"

#include <QApplication>
#include <QQmlComponent>
#include <QQmlError>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QImage>
#include <QRawFont>
#include <QTimer>
#include <QtQuickTest>

namespace {

// Every warning an engine reports (binding errors, type errors, qmlWarning
// of items) counts against the run.
QStringList qmlWarnings;

} // namespace

// File and font checks for the tests.
class FontCheck : public QObject
{
    Q_OBJECT
public:
    Q_INVOKABLE QString readFile(const QString& url) const
    {
        QFile file(url.startsWith(QLatin1String("qrc:")) ? url.mid(3) : url);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    // Code points of `text` that the font file does not cover.
    Q_INVOKABLE QStringList missingGlyphs(const QString& fontFile, const QString& text) const
    {
        QFile file(fontFile.startsWith(QLatin1String("qrc:")) ? fontFile.mid(3) : fontFile);
        QStringList missing;
        if (!file.open(QIODevice::ReadOnly))
            return { QStringLiteral("cannot open ") + fontFile };
        QRawFont font(file.readAll(), 16);
        if (!font.isValid())
            return { QStringLiteral("invalid font ") + fontFile };
        const QVector<uint> points = text.toUcs4();
        for (uint cp : points) {
            if (!font.supportsCharacter(cp)) {
                missing << QString::number(cp, 16);
                continue;
            }
            quint32 index = 0;
            int count = 1;
            const QChar ch(static_cast<ushort>(cp));
            if (!font.glyphIndexesForChars(&ch, 1, &index, &count) || font.pathForGlyph(index).isEmpty())
                missing << QString::number(cp, 16) + QStringLiteral(" (empty)");
        }
        return missing;
    }
    Q_INVOKABLE QString tempPath(const QString& name) const { return QDir::tempPath() + QLatin1Char('/') + name; }
    Q_INVOKABLE QSize imageSize(const QString& path) const { return QImage(path).size(); }
    Q_INVOKABLE QString familyOf(const QString& fontFile) const
    {
        QFile file(fontFile.startsWith(QLatin1String("qrc:")) ? fontFile.mid(3) : fontFile);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QRawFont(file.readAll(), 16).familyName();
    }
};

class Setup : public QObject
{
    Q_OBJECT
public slots:
    void qmlEngineAvailable(QQmlEngine* engine) { prepare(engine); }

public:
    QObject* standIns = nullptr;
    FontCheck fontCheck;

    void prepare(QQmlEngine* engine)
    {
        engine->addImportPath(QStringLiteral("qrc:///"));
        QObject::connect(engine, &QQmlEngine::warnings, engine, [](const QList<QQmlError>& errors) {
            for (const QQmlError& e : errors)
                qmlWarnings << e.toString();
        });
        QQmlComponent component(engine, QUrl::fromLocalFile(QStringLiteral(TEST_SOURCE_DIR "/StandIns.qml")));
        standIns = component.create();
        if (!standIns) {
            qFatal("stand-ins: %s", qPrintable(component.errorString()));
        }
        for (const char* name : { "g_theme", "functions", "message", "t", "keys", "qmlKey", "csettings" })
            engine->rootContext()->setContextProperty(QString::fromLatin1(name), standIns->property(name).value<QObject*>());
        engine->rootContext()->setContextProperty(QStringLiteral("standIns"), standIns);
        engine->rootContext()->setContextProperty(QStringLiteral("fontCheck"), &fontCheck);
    }
};

// Shows gallery/Gallery.qml (or the page named by GALLERY_PAGE; a window or
// an item) in a real window and saves a grab of it to `output`.
static int runGallery(const QString& output)
{
    const QString page = qEnvironmentVariableIsSet("GALLERY_PAGE") ? qEnvironmentVariable("GALLERY_PAGE")
                                                                   : QStringLiteral("Gallery.qml");
    Setup setup;
    QQmlEngine engine;
    setup.prepare(&engine);
    QQmlComponent component(&engine, QUrl::fromLocalFile(QStringLiteral(TEST_SOURCE_DIR "/gallery/") + page));
    QObject* root = component.create();
    if (!root) {
        fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return 2;
    }
    QQuickWindow* window = qobject_cast<QQuickWindow*>(root);
    QScopedPointer<QQuickView> view;
    if (!window) {
        view.reset(new QQuickView(&engine, nullptr));
        view->setContent(component.url(), &component, root);
        view->resize(qobject_cast<QQuickItem*>(root)->size().toSize());
        window = view.data();
    }
    window->show();
    int result = 1;
    QTimer::singleShot(2500, window, [&]() {
        if (!qmlWarnings.isEmpty())
            fprintf(stderr, "%s\n", qPrintable(qmlWarnings.join(QLatin1Char('\n'))));
        result = window->grabWindow().save(output) ? 0 : 1;
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    delete root;
    return result;
}

int main(int argc, char** argv)
{
    TestEnvironment environment;
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    // The one type of the library's own C++ that its windows use.
    qmlRegisterType<PlainKeys>("TovaUi", 0, 1, "PlainKeys");
    qmlRegisterType<PointerRest>("TovaUi", 0, 1, "PointerRest");
    if (argc == 3 && qstrcmp(argv[1], "-gallery") == 0)
        return runGallery(QString::fromLocal8Bit(argv[2]));

    Setup setup;
    int status = quick_test_main_with_setup(argc, argv, "library", TEST_SOURCE_DIR "/qml", &setup);
    if (!qmlWarnings.isEmpty()) {
        fprintf(stderr, "FAIL: %d QML warning(s) during the run:\n", int(qmlWarnings.size()));
        for (const QString& w : qAsConst(qmlWarnings))
            fprintf(stderr, "  %s\n", qPrintable(w));
        if (status == 0)
            status = 1;
    }
    return status;
}

#include "tst_library.moc"
