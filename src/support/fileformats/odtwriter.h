#ifndef ODTWRITER_H
#define ODTWRITER_H

#include <QHash>
#include <QString>
#include <QXmlStreamWriter>

#include <functional>

class QIODevice;
class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;

// Writes a QTextDocument as OpenDocument text (ODF 1.2): a ZIP package or,
// with flat XML switched on, one XML file. One writer writes one document.
class OdtWriter : public QXmlStreamWriter
{
public:
    OdtWriter();

    void setFlatXML(bool flat) { m_flat = flat; }
    bool write(QIODevice* device, const QTextDocument* document);

private:
    bool writeCompressed(QIODevice* device, const QTextDocument* document);
    bool writeUncompressed(QIODevice* device, const QTextDocument* document);
    QByteArray writeDocument(const QTextDocument* document);
    QByteArray writeStylesDocument(const QTextDocument* document);
    QByteArray writeMemberDocument(const QString& root, bool withText, const std::function<void()>& content);
    void writeStyles(const QTextDocument* document);
    void writeAutomaticStyles(const QTextDocument* document);
    void writeBody(const QTextDocument* document);
    bool writeParagraphStyle(const QTextBlockFormat& format, const QString& name);
    bool writeTextStyle(const QTextCharFormat& format, const QString& name);
    void writeFragmentText(const QString& text);
    void startXml(QIODevice* device, bool withText);

    QHash<int, QString> m_styleNames;
    bool m_flat = false;
    // The last thing written in the paragraph is a character other than a
    // space: a space written now is kept by every reader.
    bool m_afterText = false;
};

#endif
