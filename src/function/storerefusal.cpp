#include "storerefusal.h"

#include "function/ossxml.h"

#include <QLocale>

namespace {
// An HTTP date ("Wed, 09 Dec 2026 19:08:32 GMT"); invalid when the text is none.
QDateTime httpDate(const QString& text)
{
    QDateTime time = QLocale::c().toDateTime(text.section(QLatin1Char(' '), 1, 4), QStringLiteral("dd MMM yyyy HH:mm:ss"));
    time.setTimeSpec(Qt::UTC);
    return time;
}
} // namespace

QString StoreRefusal::text(const NetworkData& answer)
{
    if (answer.kind != NetworkData::Kind::Answer || answer.statusCode < 400)
        return QString();
    const QString clock = clockText(answer);
    if (!clock.isEmpty())
        return clock;
    const QString code = OssXml::errorCode(answer.data);
    const QString status = QStringLiteral("HTTP ") + QString::number(answer.statusCode);
    return tr("服务器拒绝了请求 (%1)").arg(code.isEmpty() ? status : status + QLatin1Char(' ') + code);
}

QString StoreRefusal::clockText(const NetworkData& answer)
{
    if (answer.kind != NetworkData::Kind::Answer || answer.statusCode != 403
        || OssXml::errorCode(answer.data) != QLatin1String("RequestTimeTooSkewed"))
        return QString();
    // The device's time is its clock now, not the request's Date (which is
    // set a little ahead).
    return clockText(QDateTime::currentDateTime(), httpDate(OssXml::errorField(answer.data, QStringLiteral("ServerTime"))));
}

QString StoreRefusal::clockText(const QDateTime& device, const QDateTime& server)
{
    const QString format = QStringLiteral("yyyy-MM-dd HH:mm");
    const QString serverText = server.isValid() ? QLocale().toString(server.toLocalTime(), format) : tr("未知");
    return tr("本机时钟与服务器相差太多（本机时间 %1，服务器时间 %2），请校准本机时钟").arg(QLocale().toString(device.toLocalTime(), format), serverText);
}
