#ifndef MAINENGINE_H
#define MAINENGINE_H

// Sets a QML engine up the way main() does: the component library's context
// objects, the interface language, the import path and the application's
// own registrations. The language is pinned to the source language because
// the tests compare the source texts.

#include "TovaUi/function/qmlkey.h"
#include "i18n/i18n.h"
#include "registertype/registertype.h"
#include "support/filenamecodec.h"

#include <QCoreApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QSettings>

inline void setUpMainEngine(QQmlApplicationEngine& engine, QObject* qmlKeyParent = nullptr)
{
    FileNameCodec::install();
    auto* qmlKey = new QmlKey(qmlKeyParent);
    qmlKey->registerTypes(&engine);
    QSettings().setValue(QStringLiteral("Language/language"), QStringLiteral("中文简体"));
    engine.rootContext()->setContextProperty(QStringLiteral("i18n"), new I18n(QCoreApplication::instance(), &engine));
    engine.addImportPath(QStringLiteral("qrc:///"));
    RegisterType::Register(&engine);
}

#endif
