#ifndef REQUESTCONTEXT_H
#define REQUESTCONTEXT_H

#include <QByteArray>
#include <QString>

// The handlers' view of the HTTP library: its request and answer records.
namespace httplib {
struct Request;
struct Response;
} // namespace httplib

class RequestBody;

// What the server worked out about one request before its handler runs,
// and what the handler leaves for the log line.
struct RequestContext
{
    QByteArray path;    // percent-decoded path
    QByteArray query;   // query text as received
    QString publicBase; // "http://host:port" as the client reached the server
    QString remote;     // the client's address
    QByteArray range;   // a GET's Range header: the library never sees it, answers apply it (ByteRange)
    RequestBody* body = nullptr; // on routes that take their body piece by piece
    QString account;    // for the log: the account the request acted for
    QString note;       // for the log: an error code or a short remark
};

#endif
