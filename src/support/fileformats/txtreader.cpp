#include "txtreader.h"

#include "TovaUi/function/function.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QTextCodec>
#include <QTextStream>

int TxtReader::type() const
{
    return 1;
}

QString TxtReader::getCodecName(QIODevice* device)
{
    // The whole content decides, so text whose first bytes are ASCII and
    // later ones GBK is not taken for UTF-8.
    return function::getCodecName(device);
}

QString TxtReader::toHexString(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex());
}

void TxtReader::readData(QIODevice* device)
{
    if (!device || !device->isReadable()) {
        m_error = QCoreApplication::translate("TxtReader", "Unable to read the file.");
        return;
    }
    ReadSession session(this);
    const QString codecName = getCodecName(device);
    QTextStream stream(device);
    if (!device->isSequential())
        stream.seek(0);
    stream.setCodec(codecName.toLatin1().constData());
    stream.setAutoDetectUnicode(true);
    m_encoding = codecName.toUpper().toLatin1();

    QString pending;
    while (!stream.atEnd()) {
        QString chunk = pending + stream.read(16384);
        pending.clear();
        // Keep a trailing carriage return for the next chunk so that a
        // CR LF pair cut between chunks still makes one line break.
        if (chunk.endsWith(QLatin1Char('\r')) && !stream.atEnd()) {
            pending = QStringLiteral("\r");
            chunk.chop(1);
        }
        m_cursor.insertText(chunk);
        QCoreApplication::processEvents();
    }
    if (!pending.isEmpty())
        m_cursor.insertText(pending);
}
