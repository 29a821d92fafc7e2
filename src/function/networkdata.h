#ifndef NETWORKDATA_H
#define NETWORKDATA_H

#include <QByteArray>
#include <QMetaType>
#include <QString>

// The outcome of one HTTP exchange, passed by value. A record built by hand
// (a failure that never reached the network) keeps complete false.
class NetworkData
{
public:
    int statusCode = 200;
    QString errorString;
    QByteArray data;
    QString eTag;
    QString lastModified;
    bool complete = false;
};

Q_DECLARE_METATYPE(NetworkData)

#endif
