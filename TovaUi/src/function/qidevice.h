#ifndef QIDEVICE_H
#define QIDEVICE_H

#include <QObject>
#include <QString>

// Device information for the component library's layouts. On the desktop
// there is no status bar to fill and no vendor identifier; the screen size is
// set when the QML engine first asks for the singleton.
class QIDevice : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool screenFillStatusBar READ screenFillStatusBar WRITE setScreenFillStatusBar NOTIFY screenFillStatusBarChanged)
    Q_PROPERTY(int screenWidth READ screenWidth WRITE setScreenWidth NOTIFY screenWidthChanged)
    Q_PROPERTY(int screenHeight READ screenHeight WRITE setScreenHeight NOTIFY screenHeightChanged)
    Q_PROPERTY(QString identifierForVendor READ identifierForVendor WRITE setIdentifierForVendor NOTIFY identifierForVendorChanged)

public:
    // Created on first use as a child of the application object; a destroyed
    // object is replaced on the next call. GUI thread only.
    static QIDevice* instance();

    bool screenFillStatusBar() const { return m_screenFillStatusBar; }
    int screenWidth() const { return m_screenWidth; }
    int screenHeight() const { return m_screenHeight; }
    QString identifierForVendor() const { return m_identifierForVendor; }

    // The setters announce every write, also of the held value.
    void setScreenFillStatusBar(bool value);
    void setScreenWidth(int value);
    void setScreenHeight(int value);
    void setIdentifierForVendor(const QString& value);

    Q_INVOKABLE int statusBarHeight();
    // Whether what lies behind a window shows through its transparent
    // pixels: false only on X11 without a compositing manager, where they
    // show black.
    Q_INVOKABLE static bool windowsShowThrough();

signals:
    void screenFillStatusBarChanged();
    void screenHeightChanged();
    void screenWidthChanged();
    void identifierForVendorChanged();

private:
    explicit QIDevice(QObject* parent = nullptr);

    bool m_screenFillStatusBar = false;
    int m_screenWidth = -1;
    int m_screenHeight = -1;
    QString m_identifierForVendor;
};

#endif
