#ifndef BENCH_MAINWINDOW_H
#define BENCH_MAINWINDOW_H

// Shared by the benchmarks that measure the real program: its main window,
// 1200 x 800, opening a file as its current file.
#include "data/global.h"
#include "data/settings.h"
#include "TovaUi/function/qmlkey.h"
#include "i18n/i18n.h"
#include "registertype/registertype.h"

#include <QApplication>
#include <QFile>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QUrl>

#include <cstdlib>

// Keeps every path the program computes (history, settings) inside a
// temporary folder, never in the real home folder; offscreen with the
// software renderer unless told (the offscreen platform has no OpenGL to
// render with). Before the application object exists.
inline void useHome(const QString& home)
{
    ::setenv("HOME", QFile::encodeName(home).constData(), 1);
    ::setenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")).constData(), 1);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        ::setenv("QT_QUICK_BACKEND", "software", 1);
}

inline QQuickWindow* openMainWindow(QQmlApplicationEngine& engine, const QString& currentFile)
{
    global::instance()->settings()->setCurrentFile(QUrl::fromLocalFile(currentFile).toString());
    auto* qmlKey = new QmlKey(&engine);
    qmlKey->registerTypes(&engine);
    engine.rootContext()->setContextProperty(QStringLiteral("i18n"), new I18n(qApp, &engine));
    engine.addImportPath(QStringLiteral("qrc:///"));
    RegisterType::Register(&engine);
    global::instance()->setEngine(&engine);
    engine.load(QUrl(QStringLiteral("qrc:/qml/main.qml")));
    if (engine.rootObjects().isEmpty())
        return nullptr;
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    if (window)
        window->resize(1200, 800);
    return window;
}

#endif
