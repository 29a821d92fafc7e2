#ifndef NGINXPROXY_H
#define NGINXPROXY_H

// nginx from Debian in front of a test's penlark-server, with the site
// configuration the README gives (server/nginx/penlark.conf), changed only
// in its addresses and certificate: TLS on 127.0.0.1 with a self-signed
// certificate made for the test, in a folder of its own under /tmp (open
// to nginx's unprivileged workers), stopped and removed again.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QtDebug>

#include <cstdlib>
#include <sys/stat.h>

class NginxProxy
{
public:
    ~NginxProxy()
    {
        if (m_nginx.state() != QProcess::NotRunning) {
            m_nginx.terminate();
            m_nginx.waitForFinished(10000);
        }
        if (!m_folder.isEmpty())
            QDir(m_folder).removeRecursively();
    }

    // A folder, a free port and a certificate for 127.0.0.1.
    bool prepare()
    {
        char pattern[] = "/tmp/penlark-nginx-XXXXXX";
        if (!::mkdtemp(pattern) || ::chmod(pattern, 0755) != 0)
            return false;
        m_folder = QString::fromLocal8Bit(pattern);
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost))
            return false;
        m_port = probe.serverPort();
        probe.close();
        return QProcess::execute(QStringLiteral("openssl"),
                                 { QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                                   QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                                   QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                                   QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1"), QStringLiteral("-keyout"),
                                   m_folder + QStringLiteral("/key.pem"), QStringLiteral("-out"), certificate() })
            == 0;
    }

    QString url() const { return QStringLiteral("https://127.0.0.1:%1").arg(m_port); }
    QString certificate() const { return m_folder + QStringLiteral("/certificate.pem"); }

    // Starts nginx with the site file, its upstream at upstreamPort.
    bool start(const QString& siteFile, quint16 upstreamPort)
    {
        QFile in(siteFile);
        if (!in.open(QIODevice::ReadOnly))
            return false;
        QByteArray site = in.readAll();
        const QList<QPair<QByteArray, QByteArray>> changes {
            { "listen 443 ssl;", "listen 127.0.0.1:" + QByteArray::number(m_port) + " ssl;" },
            { "server 127.0.0.1:8080;", "server 127.0.0.1:" + QByteArray::number(upstreamPort) + ";" },
            { "/etc/ssl/certs/penlark.pem", QFile::encodeName(certificate()) },
            { "/etc/ssl/private/penlark.key", QFile::encodeName(m_folder + QStringLiteral("/key.pem")) },
        };
        for (const auto& change : changes) {
            if (!site.contains(change.first)) {
                qWarning() << "the site file no longer holds" << change.first;
                return false;
            }
            site.replace(change.first, change.second);
        }
        const QByteArray folder = QFile::encodeName(m_folder);
        QByteArray main = "pid " + folder + "/nginx.pid;\nworker_processes 1;\nevents { worker_connections 256; }\nhttp {\n"
                          "    access_log " + folder + "/access.log;\n";
        for (const char* temporary : { "client_body", "proxy", "fastcgi", "uwsgi", "scgi" })
            main += QByteArray("    ") + temporary + "_temp_path " + folder + "/" + temporary + ";\n";
        main += "    include " + folder + "/site.conf;\n}\n";
        QFile siteOut(m_folder + QStringLiteral("/site.conf"));
        QFile mainOut(m_folder + QStringLiteral("/nginx.conf"));
        if (!siteOut.open(QIODevice::WriteOnly) || siteOut.write(site) != site.size() || !mainOut.open(QIODevice::WriteOnly)
            || mainOut.write(main) != main.size())
            return false;
        siteOut.close();
        mainOut.close();
        m_nginx.setProcessChannelMode(QProcess::MergedChannels);
        m_nginx.start(QStringLiteral("/usr/sbin/nginx"), { QStringLiteral("-p"), m_folder, QStringLiteral("-c"), m_folder + QStringLiteral("/nginx.conf"),
                                                          QStringLiteral("-e"), m_folder + QStringLiteral("/error.log"),
                                                          QStringLiteral("-g"), QStringLiteral("daemon off;") });
        m_nginx.waitForStarted(10000);
        for (int i = 0; i < 200 && m_nginx.state() == QProcess::Running; ++i) {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, m_port);
            if (probe.waitForConnected(100))
                return true;
            m_nginx.waitForFinished(50);
        }
        qWarning().noquote() << "nginx did not start:" << m_nginx.readAll() << log();
        return false;
    }

    QString log() const
    {
        QFile file(m_folder + QStringLiteral("/error.log"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    QString m_folder;
    quint16 m_port = 0;
    QProcess m_nginx;
};

#endif
