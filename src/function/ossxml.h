#ifndef OSSXML_H
#define OSSXML_H

#include "function/oss.h"

#include <QByteArray>
#include <QString>

// Readers of the object store's XML answers: a listing page
// ("ListBucketResult") and an error document ("Error"). They read as a
// stream, refuse a document type declaration, and give up on an answer
// larger than maxBytes or nested deeper than maxDepth, so a broken or
// hostile answer ends as "not a listing" instead of costing the stack or
// unbounded memory.
class OssXml
{
public:
    static constexpr int maxDepth = 16;
    static constexpr int maxBytes = 8 * 1024 * 1024;

    // Reads one listing page: appends its objects to list.contents and sets
    // list.isTruncated ("true" exactly) and list.nextMarker from it. False,
    // with list unchanged, when the body is not a whole, well-formed listing
    // within the limits.
    static bool readListPage(const QByteArray& xml, oss::OssList& list);

    // The "Code" of an error document ("NoSuchKey", "AccessDenied" ...), or
    // an empty text when the body is not one.
    static QString errorCode(const QByteArray& xml);
    // Any other field of an error document ("RequestTime", "ServerTime").
    static QString errorField(const QByteArray& xml, const QString& name);
};

#endif
