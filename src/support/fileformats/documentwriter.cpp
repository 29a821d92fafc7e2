#include "documentwriter.h"

#include "docxwriter.h"
#include "odtwriter.h"
#include "rtfwriter.h"
#include "support/log.h"

#include "support/userfile.h"

#include <QBuffer>
#include <QTextCodec>
#include <QTextDocument>
#include <QTextStream>

DocumentWriter::DocumentWriter() = default;
DocumentWriter::~DocumentWriter() = default;

bool DocumentWriter::write()
{
    if (!m_document || m_fileName.isEmpty())
        return false;
    // The writers stream into memory; the bytes then replace the file whole
    // through the one checked writer.
    QByteArray bytes;
    QBuffer file(&bytes);
    file.open(QIODevice::WriteOnly);

    bool ok = false;
    if (m_type == QLatin1String("odt") || m_type == QLatin1String("fodt")) {
        OdtWriter writer;
        writer.setFlatXML(m_type == QLatin1String("fodt"));
        ok = writer.write(&file, m_document);
    } else if (m_type == QLatin1String("docx")) {
        DocxWriter writer;
        ok = writer.write(&file, m_document);
    } else if (m_type == QLatin1String("rtf")) {
        file.setTextModeEnabled(true);
        RtfWriter writer(m_encoding);
        ok = writer.write(&file, m_document);
        if (m_encoding.isEmpty())
            m_encoding = writer.encoding();
    } else {
        file.setTextModeEnabled(true);
        const QByteArray name = m_encoding.isEmpty() ? QByteArray("UTF-8") : m_encoding;
        QTextCodec* codec = QTextCodec::codecForName(name);
        if (codec) {
            QTextStream stream(&file);
            stream.setCodec(codec);
            stream.setGenerateByteOrderMark(m_writeByteOrderMark || codec->name() != "UTF-8");
            stream << m_document->toPlainText();
            stream.flush();
            ok = stream.status() == QTextStream::Ok;
        } else {
            logDebug(lcFiles) << "unknown encoding:" << name;
        }
    }

    file.close();
    return ok && UserFile::write(m_fileName, bytes, UserFile::NoOptions);
}
