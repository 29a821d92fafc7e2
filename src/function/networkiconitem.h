#ifndef NETWORKICONITEM_H
#define NETWORKICONITEM_H

#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QSslError>
#include <QStandardItem>

// A standard-model item whose icon comes from a web address: the default
// picture at once, then the downloaded one, cached under the temporary
// folder by the MD5 of its address.
class networkIconItem : public QObject, public QStandardItem
{
    Q_OBJECT
    Q_PROPERTY(QString iconFile READ iconFile WRITE setIconFile NOTIFY iconFileChanged)

public:
    networkIconItem();
    ~networkIconItem() override;

    void setHttpIcon(const QString& url);
    QString iconFile() const { return m_iconFile; }
    void setIconFile(const QString& file);
    QString iconPath() const { return m_iconPath; }

signals:
    void iconFileChanged(const QString& iconFile);

private slots:
    void getIconStandardItemFinished();
    void NetError(QNetworkReply::NetworkError netError);
    void sslErrors(const QList<QSslError>& errors);

private:
    QString m_iconPath;
    QPointer<QNetworkReply> m_reply;
    QString m_iconFile;
};

#endif
