#include "qiactivityindicator.h"

#include "function/qisystemdispatcher.h"

QIActivityIndicator::QIActivityIndicator(QQuickItem* parent)
    : QQuickItem(parent)
{
}

void QIActivityIndicator::setIsAnimating(bool value)
{
    m_isAnimating = value;
    emit isAnimatingChanged();
}

void QIActivityIndicator::setStyle(Style style)
{
    m_style = style;
    emit styleChanged();
}

void QIActivityIndicator::startAnimation()
{
    if (m_isAnimating)
        return;
    QISystemDispatcher::instance()->dispatch(QStringLiteral("activityIndicatorStartAnimation"),
        { { QStringLiteral("style"), int(m_style) } });
    setIsAnimating(true);
}

void QIActivityIndicator::stopAnimation()
{
    if (!m_isAnimating)
        return;
    QISystemDispatcher::instance()->dispatch(QStringLiteral("activityIndicatorStopAnimation"), QVariantMap());
    setIsAnimating(false);
}
