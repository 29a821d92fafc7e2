#include "boundedxmlreader.h"

#include "readlimits.h"

void BoundedXmlReader::setDevice(QIODevice* device, bool unpacked)
{
    GuardedXmlReader::setDevice(device);
    m_unpacked = unpacked;
    m_counting = false;
    m_ahead = false;
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

void BoundedXmlReader::setMarkupAhead(bool ahead)
{
    if (ahead != m_ahead && !countToHere() && !hasError())
        raiseError(m_meter->errorString());
    m_ahead = ahead;
}

bool BoundedXmlReader::countToHere()
{
    if (!m_meter || !m_counting)
        return true;
    const qint64 offset = characterOffset();
    const qint64 count = offset - m_counted;
    m_counted = offset;
    return m_ahead ? m_meter->addMarkupAhead(count) : m_meter->addMarkup(count);
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
        ok = ok && countToHere();
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
