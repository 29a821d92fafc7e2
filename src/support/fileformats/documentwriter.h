#ifndef DOCUMENTWRITER_H
#define DOCUMENTWRITER_H

#include <QByteArray>
#include <QString>

class QTextDocument;

// Saves a QTextDocument as "odt", "fodt", "docx", "rtf" or plain text.
// The file is replaced atomically: a failed write leaves it as it was.
// The document stays owned by the caller.
class DocumentWriter
{
public:
    DocumentWriter();
    ~DocumentWriter();

    QString fileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }
    QString type() const { return m_type; }
    void setType(const QString& type) { m_type = type; }
    QByteArray encoding() const { return m_encoding; }
    void setEncoding(const QByteArray& encoding) { m_encoding = encoding; }
    QTextDocument* document() const { return m_document; }
    void setDocument(QTextDocument* document) { m_document = document; }
    bool writeByteOrderMark() const { return m_writeByteOrderMark; }
    void setWriteByteOrderMark(bool write) { m_writeByteOrderMark = write; }

    bool write();

private:
    QString m_fileName;
    QString m_type = QStringLiteral("fodt");
    QByteArray m_encoding;
    QTextDocument* m_document = nullptr;
    bool m_writeByteOrderMark = false;
};

#endif
