#include "readlimits.h"

#include <QCoreApplication>

void ReadMeter::start(const ReadLimits& limits)
{
    m_limits = limits;
    m_characters = 0;
    m_paragraphs = 0;
    m_elements = 0;
    m_depth = 0;
    m_error.clear();
    m_timer.start();
}

bool ReadMeter::fail(const QString& message)
{
    if (m_error.isEmpty())
        m_error = message;
    return false;
}

bool ReadMeter::addCharacters(qint64 count)
{
    if (failed())
        return false;
    m_characters += count;
    if (m_characters > m_limits.maxCharacters)
        return fail(tooManyCharacters(m_limits.maxCharacters));
    return true;
}

QString ReadMeter::tooManyCharacters(qint64 limit)
{
    return QCoreApplication::translate("FormatReader", "文档过大：超过 %1 个字符，已停止读取。").arg(limit);
}

bool ReadMeter::addParagraph()
{
    if (failed())
        return false;
    if (++m_paragraphs > m_limits.maxParagraphs)
        return fail(QCoreApplication::translate("FormatReader", "文档段落过多：超过 %1 段，已停止读取。")
                        .arg(m_limits.maxParagraphs));
    return true;
}

bool ReadMeter::addElement()
{
    if (failed())
        return false;
    if (++m_elements > m_limits.maxElements)
        return fail(QCoreApplication::translate("FormatReader", "文档元素过多：超过 %1 个，已停止读取。")
                        .arg(m_limits.maxElements));
    // The first element checks too, so a limit of 0 ms stops at once.
    if (m_elements % 512 == 1 && m_timer.elapsed() >= m_limits.maxMilliseconds)
        return fail(QCoreApplication::translate("FormatReader", "读取文档超时：超过 %1 秒，已停止读取。")
                        .arg(m_limits.maxMilliseconds / 1000.0));
    return true;
}

bool ReadMeter::enter()
{
    if (failed())
        return false;
    if (++m_depth > m_limits.maxDepth)
        return fail(QCoreApplication::translate("FormatReader", "文档嵌套过深：超过 %1 层，已停止读取。")
                        .arg(m_limits.maxDepth));
    return true;
}

void ReadMeter::leave()
{
    if (m_depth > 0)
        --m_depth;
}
