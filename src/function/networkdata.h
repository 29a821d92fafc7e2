#ifndef NETWORKDATA_H
#define NETWORKDATA_H

#include <QByteArray>
#include <QMetaType>
#include <QString>

// The outcome of one HTTP exchange, passed by value. A record built by hand
// (a failure that never reached the network) keeps complete false.
// kind says whether statusCode is the server's answer; every other kind has
// statusCode 0 and its reason in errorString. An exchange that failed below
// HTTP after a success status had arrived (a body cut short, a dropped
// connection, a time limit) is NoAnswer: such a body is never a complete
// answer.
class NetworkData
{
public:
    enum class Kind {
        Answer, // statusCode is the server's, success or not
        NoAnswer, // failed below HTTP
        Unverified, // an answer that did not check out (length, digest, not the store's)
        NoCredentials, // no storage credentials could be had; nothing was sent
        NoKey, // an object operation without a key; nothing was sent
        OutsidePolicy, // an upload key the storage policy does not allow; nothing was sent
        TooLarge, // a body over the caller's limit: refused by its listed or announced size, or stopped as it came
    };

    Kind kind = Kind::Answer;
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
