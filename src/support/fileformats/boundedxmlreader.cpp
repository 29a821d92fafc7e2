#include "boundedxmlreader.h"

#include "readlimits.h"

void BoundedXmlReader::setDevice(QIODevice* device)
{
    GuardedXmlReader::setDevice(device);
    if (m_meter) {
        setTokenLimit(m_meter->limits().maxCharacters, ReadMeter::tooManyCharacters(m_meter->limits().maxCharacters));
        setDeadline(m_meter->deadline(), m_meter->timeoutMessage());
    }
}

QXmlStreamReader::TokenType BoundedXmlReader::readNext()
{
    if (m_meter && m_meter->failed() && !hasError())
        raiseError(m_meter->errorString());
    const TokenType token = GuardedXmlReader::readNext();
    if (!m_meter)
        return token;
    bool ok = true;
    if (token == StartElement)
        ok = m_meter->addElement() && m_meter->enter();
    else if (token == EndElement)
        m_meter->leave();
    if (!ok) {
        raiseError(m_meter->errorString());
        return Invalid;
    }
    return token;
}

bool BoundedXmlReader::readNextStartElement()
{
    while (readNext() != Invalid) {
        if (isEndElement())
            return false;
        if (isStartElement())
            return true;
    }
    return false;
}

void BoundedXmlReader::skipCurrentElement()
{
    int depth = 1;
    while (depth && readNext() != Invalid) {
        if (isEndElement())
            --depth;
        else if (isStartElement())
            ++depth;
    }
}
