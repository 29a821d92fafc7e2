#ifndef NETWORKDATA_H
#define NETWORKDATA_H

#include <QByteArray>
#include <QMetaType>
#include <QString>

// The outcome of one HTTP exchange, passed by value. A record built by hand
// (a failure that never reached the network) keeps complete false.
// statusCode is 0 whenever the exchange failed below HTTP, also after a
// success status had arrived (a body cut short, a dropped connection, a time
// limit): such a body is never a complete answer.
class NetworkData
{
public:
    int statusCode = 200;
    QString errorString;
    QByteArray data;
    QString eTag;
    QString lastModified;
    bool complete = false;
    // The "Content-Length" header (-1 when absent) and the "Content-MD5"
    // header as received, for checking the body against them.
    qint64 contentLength = -1;
    QString contentMd5;
};

Q_DECLARE_METATYPE(NetworkData)

#endif
