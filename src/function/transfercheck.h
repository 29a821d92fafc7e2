#ifndef TRANSFERCHECK_H
#define TRANSFERCHECK_H

#include "function/networkdata.h"

#include <QByteArray>
#include <QString>

// Whether a transfer moved the whole object, byte for byte. A downloaded
// body is checked against the answer's Content-Length and against an MD5
// from the answer (Content-MD5, or an ETag that is the MD5 of the content,
// as the store gives for objects it received whole) or, when the answer has
// no ETag, from the listing. An upload is confirmed by an answer whose ETag
// is the MD5 of the bytes sent. A body that cannot be checked counts as a
// failure, like one that does not match.
class TransferCheck
{
public:
    enum Outcome { Verified, WrongLength, WrongDigest, Unverifiable };

    struct Result
    {
        Outcome outcome = Unverifiable;
        QString reason; // empty when verified
        bool ok() const { return outcome == Verified; }
    };

    static Result download(const NetworkData& answer, const QString& listedETag = QString());
    static Result upload(const NetworkData& answer, const QByteArray& sent);

    // The lower-case hexadecimal MD5 that an ETag stands for ("\"9E10...\""
    // or without quotes), or an empty text when it is no plain MD5 (a weak
    // tag, a multipart tag "...-3", anything else).
    static QString md5OfETag(const QString& etag);
    static QString md5Hex(const QByteArray& bytes);
};

#endif
