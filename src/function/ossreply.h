#ifndef OSSREPLY_H
#define OSSREPLY_H

#include "function/networkreply.h"

#include <QObject>
#include <QPointer>

// Passes one NetworkReply's finished on unchanged; releases it when deleted.
class OssReply : public QObject
{
    Q_OBJECT

public:
    explicit OssReply(NetworkReply* reply)
        : QObject(nullptr)
        , m_reply(reply)
    {
        connect(reply, &NetworkReply::finished, this, &OssReply::finished);
    }
    ~OssReply() override
    {
        if (m_reply)
            m_reply->deleteLater();
    }

signals:
    void finished(NetworkData data);

private:
    QPointer<NetworkReply> m_reply;
};

#endif
