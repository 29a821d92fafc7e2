#include "fpslabel.h"

#include <QBrush>
#include <QDateTime>
#include <QFont>
#include <QPainter>

FPSLabel::FPSLabel(QQuickItem* parent)
    : QQuickPaintedItem(parent)
{
    setFlag(QQuickItem::ItemHasContents);
}

void FPSLabel::measure(qint64 nowMs)
{
    m_times.append(nowMs);
    while (!m_times.isEmpty() && m_times.first() < nowMs - 1000)
        m_times.removeFirst();
    const int count = m_times.size();
    m_value = (m_previousCount + count) / 2;
    if (count != m_previousCount)
        emit valueChanged(m_value);
    m_previousCount = count;
}

void FPSLabel::paint(QPainter* painter)
{
    measure(QDateTime::currentMSecsSinceEpoch());

    const int w = int(width());
    const int h = int(height());
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QBrush(Qt::yellow));
    painter->drawRoundedRect(0, 0, w, h, 0, 0);
    QFont font = painter->font();
    font.setPixelSize(qMax(1, int(qMin(width(), height()) * 0.6)));
    painter->setFont(font);
    painter->setPen(Qt::red);
    painter->drawText(QRectF(0, 0, w, h), Qt::AlignCenter, QStringLiteral("FPS:%1").arg(m_value));

    update();
}
