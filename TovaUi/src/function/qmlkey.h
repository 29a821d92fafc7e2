#ifndef QMLKEY_H
#define QMLKEY_H

#include "TovaUi/tovaui.h"

// Application-wide key-event filter, the component library's entry object.
// It announces Enter and Backspace in the editor's text area and never
// consumes an event.
class QmlKey : public TovaUi
{
    Q_OBJECT

public:
    explicit QmlKey(QObject* parent = nullptr);
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void sKeyBackPress();
    void sKeyBackRelease();
    void sKeyEnter();
};

#endif
