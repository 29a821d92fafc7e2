#include "qiactionsheet.h"

#include "function/qisystemdispatcher.h"

#include <QRectF>

QIActionSheet::QIActionSheet(QQuickItem* parent)
    : QQuickItem(parent)
    , m_cancelButtonTitle(tr("Cancel"))
{
}

void QIActionSheet::setTitle(const QString& title)
{
    m_title = title;
    emit titleChanged();
}

void QIActionSheet::setOtherButtonTitles(const QStringList& titles)
{
    m_otherButtonTitles = titles;
    emit otherButtonTitlesChanged();
}

void QIActionSheet::setClickedButtonIndex(int index)
{
    m_clickedButtonIndex = index;
    emit clickedButtonIndexChanged();
}

void QIActionSheet::setCancelButtonTitle(const QString& title)
{
    m_cancelButtonTitle = title;
    emit cancelButtonTitleChanged();
}

void QIActionSheet::show()
{
    if (m_running)
        return;
    m_running = true;
    QISystemDispatcher* dispatcher = QISystemDispatcher::instance();
    connect(dispatcher, &QISystemDispatcher::dispatched, this, &QIActionSheet::onReceived);

    const QRectF own { qreal(int(x())), qreal(int(y())), qreal(int(width())), qreal(int(height())) };
    const QRectF sourceRect = mapRectToScene(own);
    dispatcher->dispatch(QStringLiteral("actionSheetCreate"),
        { { QStringLiteral("title"), m_title },
            { QStringLiteral("otherButtonTitles"), m_otherButtonTitles },
            { QStringLiteral("cancelButtonTitle"), m_cancelButtonTitle },
            { QStringLiteral("sourceRect"), sourceRect } });
}

void QIActionSheet::onReceived(const QString& name, const QVariantMap& data)
{
    const bool click = name == QLatin1String("actionSheetClickedButtonAtIndex");
    const bool dismissal = name == QLatin1String("actionSheetDidDismissWithButtonIndex");
    if (!click && !dismissal)
        return;
    int index = data.value(QStringLiteral("buttonIndex")).toInt();
    if (index >= m_otherButtonTitles.size())
        index = -1;
    if (click) {
        setClickedButtonIndex(index);
        emit clicked(index);
    } else {
        m_running = false;
        disconnect(QISystemDispatcher::instance(), nullptr, this, nullptr);
        emit dismissed(index);
    }
}
