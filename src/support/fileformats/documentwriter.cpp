#include "documentwriter.h"

#include "docxwriter.h"
#include "odtwriter.h"
#include "rtfwriter.h"
#include "support/log.h"

#include <QSaveFile>
#include <QTextCodec>
#include <QTextDocument>
#include <QTextStream>

DocumentWriter::DocumentWriter() = default;
DocumentWriter::~DocumentWriter() = default;

bool DocumentWriter::write()
{
    if (!m_document || m_fileName.isEmpty())
        return false;
    // No direct-write fallback: writing in place could leave a half-written
    // document behind, so a folder without room for a temporary file is a
    // failure.
    QSaveFile file(m_fileName);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        PLOG << "can not open the file:" << m_fileName << " error:" << file.errorString();
        return false;
    }

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
            PLOG << "unknown encoding:" << name;
        }
    }

    if (ok && file.error() == QFileDevice::NoError)
        return file.commit();
    file.cancelWriting();
    return false;
}
