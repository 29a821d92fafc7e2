#include "boundedxmlreader.h"

#include "readlimits.h"

void BoundedXmlReader::setDevice(QIODevice* device, bool unpacked)
{
    GuardedXmlReader::setDevice(device);
    m_unpacked = unpacked;
    m_counting = false;
    if (m_meter) {
        setTokenLimit(m_meter->limits().maxCharacters, ReadMeter::tooManyCharacters(m_meter->limits().maxCharacters));
        setDeadline(m_meter->deadline(), m_meter->timeoutMessage());
    }
}

void BoundedXmlReader::countMarkup()
{
    m_counting = m_unpacked;
    m_counted = characterOffset();
}

QXmlStreamReader::TokenType BoundedXmlReader::readNext()
{
    if (m_meter && m_meter->failed() && !hasError())
        raiseError(m_meter->errorString());
    const TokenType token = GuardedXmlReader::readNext();
    if (!m_meter)
        return token;
    bool ok = true;
    if (token == StartElement) {
        ok = m_meter->addElement() && m_meter->enter();
        // The markup up to here, measured at each element.
        if (ok && m_counting) {
            const qint64 offset = characterOffset();
            ok = m_meter->addMarkup(offset - m_counted);
            m_counted = offset;
        }
    }
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
