#include "qmlkey.h"

#include <QEvent>
#include <QKeyEvent>

QmlKey::QmlKey(QObject* parent)
    : TovaUi(parent)
{
}

bool QmlKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            emit enterPressed();
        else if (key == Qt::Key_Backspace)
            emit backspacePressed();
    }
    return TovaUi::eventFilter(watched, event);
}
