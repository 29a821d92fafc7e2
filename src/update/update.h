#ifndef UPDATE_H
#define UPDATE_H

#include <QObject>
#include <QString>
#include <QUrl>

// The new-version check: reads the release feed ("Updates.xml", Qt Installer
// Framework format) from the address in ServiceConfig, compares its version
// with the program's own and announces a newer one as an Update notice.
// Installing opens the installer's address in the browser. QML: "cUpdate".
class update : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool hasNewVerison READ hasNewVerison WRITE setHasNewVerison NOTIFY hasNewVerisonChanged)
    Q_PROPERTY(QString tips READ tips WRITE setTips NOTIFY tipsChanged)

public:
    explicit update(QObject* parent = nullptr);

    bool hasNewVerison() const { return m_hasNewVerison; }
    QString tips() const { return m_tips; }

    Q_INVOKABLE void checkNewVersion();
    Q_INVOKABLE void checkNewVersion(bool forceMySever);

    // The feed address for this build, on the configured update server
    // (empty while none is configured), and the installer package there.
    static QUrl feedUrl();
    static QUrl installerUrl();
    // True when the feed version is newer than the own one; components are
    // decimal numbers, missing or non-numeric ones read as 0.
    static bool isVersionBigger(const QString& feed, const QString& own);

public slots:
    void setHasNewVerison(bool value);
    void setTips(const QString& tips);
    void install();

signals:
    void hasNewVerisonChanged(bool hasNewVerison);
    void tipsChanged(const QString& tips);

private slots:
    void checkFinished();
    void showError(const QString& text);
    void thisIsNewVersion();

private:
    void connectFailed();

    bool m_hasNewVerison = false;
    QString m_tips;
    bool m_forceMySever = false;
};

#endif
