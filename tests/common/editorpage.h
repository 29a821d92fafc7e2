#ifndef EDITORPAGE_H
#define EDITORPAGE_H

// The real editor page (LazyEdit.qml) alone in a window, on a file written
// for it; keys sent to the window (QTest::sendKeyEvent) reach its text area
// as a writer's would. The engine is set up as in mainengine.h.

#include "testfiles.h"

#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

struct EditorPage
{
    QScopedPointer<QQuickWindow> window;
    QObject* page = nullptr;
    QObject* document = nullptr; // its LazyTextDocument

    // Writes the file, opens it and waits for its text; false on failure.
    bool open(QQmlEngine* engine, const QString& path, const QString& text)
    {
        QQmlComponent component(engine);
        component.setData("import QtQuick 2.15\nimport QtQuick.Window 2.15\nimport \"qrc:/qml/page\"\n"
                          "Window { width: 640; height: 480; visible: true; property alias editor: editor\n"
                          "  LazyEdit { id: editor; anchors.fill: parent; isMainEdit: false } }",
            QUrl(QStringLiteral("qrc:/qml/page/editorpagetest.qml")));
        window.reset(qobject_cast<QQuickWindow*>(component.create()));
        if (!window || !writeTestFile(path, text.toUtf8()))
            return false;
        page = window->property("editor").value<QObject*>();
        document = page->property("document").value<QObject*>();
        page->setProperty("fileName", QUrl::fromLocalFile(path));
        const bool loaded = QTest::qWaitFor(
            [this] { return document->property("textLoaded").toBool() && !document->property("loading").toBool(); }, 20000);
        page->property("textArea").value<QQuickItem*>()->property("textEdit").value<QQuickItem*>()->forceActiveFocus();
        return loaded;
    }
};

#endif
