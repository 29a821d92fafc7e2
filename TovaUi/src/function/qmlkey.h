#ifndef QMLKEY_H
#define QMLKEY_H

#include "tovaui.h"

// Application-wide key-event filter that announces Enter and Backspace to QML.
class QmlKey : public TovaUi
{
    Q_OBJECT

public:
    explicit QmlKey(QObject* parent = nullptr);
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void enterPressed();
    void backspacePressed();

private:
};

#endif
