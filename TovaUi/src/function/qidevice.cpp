#include "qidevice.h"

#include <QGuiApplication>
#include <QScreen>
#include <qpa/qplatformnativeinterface.h>
#include <QPointer>
#include <QVariantMap>

namespace {
// Values a platform layer would report about the device; none on the desktop.
QVariantMap platformDeviceValues()
{
    return QVariantMap();
}
} // namespace

QIDevice::QIDevice(QObject* parent)
    : QObject(parent)
{
    const QVariantMap values = platformDeviceValues();
    static const char* const fetched[] = { "identifierForVendor" };
    for (const char* name : fetched) {
        const QString key = QString::fromLatin1(name);
        if (values.contains(key))
            setProperty(name, values.value(key));
    }
}

QIDevice* QIDevice::instance()
{
    static QPointer<QIDevice> device;
    if (!device)
        device = new QIDevice(QCoreApplication::instance());
    return device;
}

void QIDevice::setScreenFillStatusBar(bool value)
{
    m_screenFillStatusBar = value;
    emit screenFillStatusBarChanged();
}

void QIDevice::setScreenWidth(int value)
{
    m_screenWidth = value;
    emit screenWidthChanged();
}

void QIDevice::setScreenHeight(int value)
{
    m_screenHeight = value;
    emit screenHeightChanged();
}

void QIDevice::setIdentifierForVendor(const QString& value)
{
    m_identifierForVendor = value;
    emit identifierForVendorChanged();
}

int QIDevice::statusBarHeight()
{
    return 0;
}

bool QIDevice::windowsShowThrough()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    QScreen* screen = QGuiApplication::primaryScreen();
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    // The X11 layer answers for the screen's _NET_WM_CM_S<n> selection.
    return !screen || !native || native->nativeResourceForScreen(QByteArrayLiteral("compositingenabled"), screen);
}
