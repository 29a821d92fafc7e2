#include "osinfo.h"

#include "support/log.h"

#include <QGuiApplication>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QOperatingSystemVersion>
#include <QScreen>
#include <QSysInfo>

osInfo::osInfo(QObject* parent)
    : QObject(parent)
{
}

QString osInfo::osName()
{
    switch (QOperatingSystemVersion::current().type()) {
    case QOperatingSystemVersion::Unknown: return QStringLiteral("Linux");
    case QOperatingSystemVersion::Windows: return QStringLiteral("Windows");
    case QOperatingSystemVersion::MacOS: return QStringLiteral("MacOS");
    case QOperatingSystemVersion::IOS: return QStringLiteral("IOS");
    case QOperatingSystemVersion::TvOS: return QStringLiteral("TvOS");
    case QOperatingSystemVersion::WatchOS: return QStringLiteral("WatchOS");
    case QOperatingSystemVersion::Android: return QStringLiteral("Android");
    }
    return QSysInfo::productType();
}

QString osInfo::osVersion()
{
    const QOperatingSystemVersion current = QOperatingSystemVersion::current();
    QString pattern;
    switch (current.type()) {
    case QOperatingSystemVersion::Windows: pattern = QStringLiteral("Windows %1.%2.%3"); break;
    case QOperatingSystemVersion::MacOS: pattern = QStringLiteral("Mac OS %1.%2.%3"); break;
    case QOperatingSystemVersion::IOS: pattern = QStringLiteral("IOS %1.%2.%3"); break;
    case QOperatingSystemVersion::TvOS: pattern = QStringLiteral("TvOs %1.%2.%3"); break;
    case QOperatingSystemVersion::WatchOS: pattern = QStringLiteral("WatchOs %1.%2.%3"); break;
    case QOperatingSystemVersion::Android: pattern = QStringLiteral("Android %1.%2.%3"); break;
    default: pattern = QStringLiteral("Unknown %1.%2.%3"); break;
    }
    return pattern.arg(current.majorVersion()).arg(current.minorVersion()).arg(current.microVersion());
}

QScreen* osInfo::thisScreen()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    return screens.isEmpty() ? nullptr : screens.first();
}

QRect osInfo::screenRect()
{
    QScreen* screen = thisScreen();
    return screen ? screen->geometry() : QRect();
}

QString osInfo::IP()
{
    QString result = QHostAddress(QHostAddress::LocalHost).toString();
    const QList<QHostAddress> addresses = QNetworkInterface::allAddresses();
    for (const QHostAddress& address : addresses) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && address != QHostAddress(QHostAddress::LocalHost)) {
            result = address.toString();
            break;
        }
    }
    logDebug(lcUi) << "IP" << result;
    return result;
}
