#include "httpdate.h"

#include <QLocale>

QByteArray HttpDate::format(const QDateTime& time)
{
    return QLocale::c().toString(time.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'")).toLatin1();
}

QDateTime HttpDate::parse(const QByteArray& text)
{
    QDateTime time = QLocale::c().toDateTime(QString::fromLatin1(text.trimmed()), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"));
    if (!time.isValid())
        return QDateTime();
    time.setTimeSpec(Qt::UTC);
    return time;
}

QByteArray HttpDate::iso(qint64 msecsSinceEpoch)
{
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, Qt::UTC).toString(QStringLiteral("yyyy-MM-ddThh:mm:ss.zzzZ")).toLatin1();
}
