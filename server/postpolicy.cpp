#include "postpolicy.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QByteArray PostPolicy::make(const QByteArray& dir, qint64 expires, qint64 maxSize)
{
    const QJsonObject policy {
        { QStringLiteral("expiration"),
          QDateTime::fromSecsSinceEpoch(expires, Qt::UTC).toString(QStringLiteral("yyyy-MM-ddThh:mm:ss.zzzZ")) },
        { QStringLiteral("conditions"),
          QJsonArray { QJsonArray { QStringLiteral("content-length-range"), 0, double(maxSize) },
                       QJsonArray { QStringLiteral("starts-with"), QStringLiteral("$key"), QString::fromUtf8(dir) } } },
    };
    return QJsonDocument(policy).toJson(QJsonDocument::Compact).toBase64();
}

bool PostPolicy::admits(const QByteArray& policy, const QByteArray& key, qint64 size, qint64 now, QString* problem)
{
    const QJsonObject document = QJsonDocument::fromJson(QByteArray::fromBase64(policy)).object();
    QDateTime expiration = QDateTime::fromString(document.value(QStringLiteral("expiration")).toString(), Qt::ISODateWithMs);
    if (!expiration.isValid()) {
        *problem = QStringLiteral("The policy has no valid expiration.");
        return false;
    }
    if (expiration.toSecsSinceEpoch() <= now) {
        *problem = QStringLiteral("The policy has expired.");
        return false;
    }
    const QString keyText = QString::fromUtf8(key);
    for (const QJsonValue& value : document.value(QStringLiteral("conditions")).toArray()) {
        const QJsonArray c = value.toArray();
        const QString op = c.at(0).toString();
        if (op == QLatin1String("content-length-range") && c.size() == 3) {
            if (size < c.at(1).toDouble() || size > c.at(2).toDouble()) {
                *problem = QStringLiteral("The body size is outside the policy's range.");
                return false;
            }
        } else if (op == QLatin1String("starts-with") && c.size() == 3 && c.at(1).toString() == QLatin1String("$key")) {
            if (!keyText.startsWith(c.at(2).toString())) {
                *problem = QStringLiteral("The key is outside the policy's folder.");
                return false;
            }
        } else if (op == QLatin1String("eq") && c.size() == 3 && c.at(1).toString() == QLatin1String("$key")) {
            if (keyText != c.at(2).toString()) {
                *problem = QStringLiteral("The key is not the one the policy names.");
                return false;
            }
        } else {
            *problem = QStringLiteral("The policy holds a condition this server does not support.");
            return false;
        }
    }
    return true;
}
