#include "qmlkey.h"

#include <QEvent>
#include <QKeyEvent>

namespace {
// The editor text areas carry this object name.
bool isTextArea(const QObject* watched)
{
    return watched && watched->objectName() == QLatin1String("textArea");
}
} // namespace

QmlKey::QmlKey(QObject* parent)
    : TovaUi(parent)
{
}

bool QmlKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Return:
        if (isTextArea(watched))
            emit sKeyEnter();
        break;
    case Qt::Key_Enter:
        emit sKeyEnter();
        break;
    case Qt::Key_Backspace:
        if (isTextArea(watched))
            emit sKeyBackRelease();
        break;
    default:
        break;
    }
    return false;
}
