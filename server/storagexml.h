#ifndef STORAGEXML_H
#define STORAGEXML_H

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

struct ListPage;

// The XML documents of the storage's answers: error documents and listing
// pages ("ListBucketResult"), written with an escaping XML writer.
class StorageXml
{
public:
    using Fields = QList<QPair<QString, QString>>;

    static QByteArray error(const QString& code, const QString& message, const QByteArray& requestId,
                            const Fields& extra = Fields());
    static QByteArray listing(const QByteArray& bucket, const QByteArray& prefix, const QByteArray& marker,
                              const QByteArray& delimiter, int maxKeys, const ListPage& page);
};

#endif
