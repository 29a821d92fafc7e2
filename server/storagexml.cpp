#include "storagexml.h"

#include "httpdate.h"
#include "objectstore.h"

#include <QXmlStreamWriter>

QByteArray StorageXml::error(const QString& code, const QString& message, const QByteArray& requestId,
                             const Fields& extra)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("Error"));
    xml.writeTextElement(QStringLiteral("Code"), code);
    xml.writeTextElement(QStringLiteral("Message"), message);
    xml.writeTextElement(QStringLiteral("RequestId"), QString::fromLatin1(requestId));
    for (const auto& field : extra)
        xml.writeTextElement(field.first, field.second);
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

QByteArray StorageXml::listing(const QByteArray& bucket, const QByteArray& prefix, const QByteArray& marker,
                               const QByteArray& delimiter, int maxKeys, const ListPage& page)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("ListBucketResult"));
    xml.writeTextElement(QStringLiteral("Name"), QString::fromUtf8(bucket));
    xml.writeTextElement(QStringLiteral("Prefix"), QString::fromUtf8(prefix));
    xml.writeTextElement(QStringLiteral("Marker"), QString::fromUtf8(marker));
    xml.writeTextElement(QStringLiteral("MaxKeys"), QString::number(maxKeys));
    xml.writeTextElement(QStringLiteral("Delimiter"), QString::fromUtf8(delimiter));
    xml.writeTextElement(QStringLiteral("IsTruncated"), page.truncated ? QStringLiteral("true") : QStringLiteral("false"));
    if (page.truncated)
        xml.writeTextElement(QStringLiteral("NextMarker"), QString::fromUtf8(page.nextMarker));
    for (const ObjectMeta& meta : page.contents) {
        xml.writeStartElement(QStringLiteral("Contents"));
        xml.writeTextElement(QStringLiteral("Key"), QString::fromUtf8(meta.key));
        xml.writeTextElement(QStringLiteral("LastModified"), QString::fromLatin1(HttpDate::iso(meta.modified)));
        xml.writeTextElement(QStringLiteral("ETag"), QString::fromLatin1(meta.quotedETag()));
        xml.writeTextElement(QStringLiteral("Type"), QStringLiteral("Normal"));
        xml.writeTextElement(QStringLiteral("Size"), QString::number(meta.size));
        xml.writeTextElement(QStringLiteral("StorageClass"), QStringLiteral("Standard"));
        xml.writeStartElement(QStringLiteral("Owner"));
        xml.writeTextElement(QStringLiteral("ID"), QString::fromUtf8(meta.owner));
        xml.writeTextElement(QStringLiteral("DisplayName"), QString::fromUtf8(meta.owner));
        xml.writeEndElement();
        xml.writeEndElement();
    }
    for (const QByteArray& common : page.commonPrefixes) {
        xml.writeStartElement(QStringLiteral("CommonPrefixes"));
        xml.writeTextElement(QStringLiteral("Prefix"), QString::fromUtf8(common));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}
