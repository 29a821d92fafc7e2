#include "ossxml.h"

#include <QHash>
#include <QStringList>
#include <QXmlStreamReader>

namespace {
// One pass over a document within the limits: start(path) for each start
// element, with the names of its open ancestors and its own (returns false
// to refuse the document); text(path, chars) for character data; end(path)
// before an element closes. False on any error or limit.
template <typename Start, typename Text, typename End>
bool walk(const QByteArray& xml, Start start, Text text, End end)
{
    if (xml.size() > OssXml::maxBytes)
        return false;
    QXmlStreamReader reader(xml);
    QStringList path;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            return false;
        case QXmlStreamReader::StartElement:
            path << reader.name().toString();
            if (path.size() > OssXml::maxDepth || !start(path))
                return false;
            break;
        case QXmlStreamReader::Characters:
            // Layout between elements is no part of any value.
            if (!reader.isWhitespace())
                text(path, reader.text());
            break;
        case QXmlStreamReader::EndElement:
            end(path);
            path.removeLast();
            break;
        default:
            break;
        }
    }
    return !reader.hasError();
}
} // namespace

bool OssXml::readListPage(const QByteArray& xml, oss::OssList& list)
{
    using Content = oss::OssListContent;
    static const QHash<QString, QString Content::*> fields {
        { QStringLiteral("Key"), &Content::Key },
        { QStringLiteral("LastModified"), &Content::LastModified },
        { QStringLiteral("ETag"), &Content::ETag },
        { QStringLiteral("Type"), &Content::Type },
        { QStringLiteral("Size"), &Content::Size },
        { QStringLiteral("StorageClass"), &Content::StorageClass },
        { QStringLiteral("Owner"), &Content::Owner },
    };
    QList<Content> contents;
    Content current;
    QString value; // the text of the element being read, descendants included
    bool truncated = list.isTruncated;
    bool sawTruncated = false;
    QString marker = list.nextMarker;

    const auto start = [&](const QStringList& path) {
        if (path.size() == 1)
            return path.first() == QLatin1String("ListBucketResult");
        if (path.size() == 2 && path.last() == QLatin1String("Contents"))
            current = Content();
        if (path.size() == 2 || (path.size() == 3 && path.at(1) == QLatin1String("Contents")))
            value.clear();
        return true;
    };
    const auto text = [&](const QStringList& path, const QStringRef& chars) {
        if (path.size() >= 2)
            value += chars;
    };
    const auto end = [&](const QStringList& path) {
        if (path.size() == 3 && path.at(1) == QLatin1String("Contents")) {
            // The last child of a name wins; Owner runs its children's texts together.
            if (const auto field = fields.value(path.last()))
                current.*field = value;
        } else if (path.size() == 2) {
            const QString& name = path.last();
            if (name == QLatin1String("Contents")) {
                contents << current;
            } else if (name == QLatin1String("IsTruncated")) {
                truncated = value == QLatin1String("true");
                sawTruncated = true;
            } else if (name == QLatin1String("NextMarker")) {
                marker = value;
            }
        }
    };
    if (!walk(xml, start, text, end))
        return false;
    list.contents << contents;
    list.isTruncated = sawTruncated ? truncated : list.isTruncated;
    list.nextMarker = marker;
    return true;
}

QString OssXml::errorCode(const QByteArray& xml)
{
    return errorField(xml, QStringLiteral("Code"));
}

QString OssXml::errorField(const QByteArray& xml, const QString& name)
{
    QString field;
    QString value;
    const auto start = [&](const QStringList& path) {
        value.clear();
        return path.size() > 1 || path.first() == QLatin1String("Error");
    };
    const auto text = [&](const QStringList&, const QStringRef& chars) { value += chars; };
    const auto end = [&](const QStringList& path) {
        if (path.size() == 2 && path.last() == name)
            field = value;
    };
    return walk(xml, start, text, end) ? field : QString();
}
