#include "readlimits.h"

#include <QCoreApplication>

#include <limits>

namespace {
// A limit's notice in the plural form its number takes; a limit beyond
// int's range is told as the largest int (the notice only says "more than").
QString overLimit(const char* text, qint64 limit)
{
    const int shown = int(qMin<qint64>(limit, std::numeric_limits<int>::max()));
    return QCoreApplication::translate("FormatReader", text, nullptr, shown);
}
} // namespace

void ReadMeter::start(const ReadLimits& limits)
{
    m_limits = limits;
    m_characters = 0;
    m_paragraphs = 0;
    m_emptyParagraphs = 0;
    m_markup = 0;
    m_markupAhead = 0;
    m_elements = 0;
    m_depth = 0;
    m_error.clear();
    m_timer.start();
    m_deadline = QDeadlineTimer(m_limits.maxMilliseconds);
}

QString ReadMeter::timeoutMessage() const
{
    return overLimit(QT_TRANSLATE_N_NOOP("FormatReader", "读取文档超时：超过 %n 秒，已停止读取。"),
                     m_limits.maxMilliseconds / 1000);
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
    return overLimit(QT_TRANSLATE_N_NOOP("FormatReader", "文档过大：超过 %n 个字符，已停止读取。"), limit);
}

bool ReadMeter::addParagraph(bool previousEmpty)
{
    if (failed())
        return false;
    if (++m_paragraphs > m_limits.maxParagraphs)
        return fail(overLimit(QT_TRANSLATE_N_NOOP("FormatReader", "文档段落过多：超过 %n 段，已停止读取。"),
                              m_limits.maxParagraphs));
    if (!previousEmpty)
        return true;
    ++m_emptyParagraphs;
    const qint64 withText = m_paragraphs - m_emptyParagraphs;
    if (m_emptyParagraphs > m_limits.emptyParagraphAllowance + m_limits.emptyParagraphsPerParagraph * withText)
        return fail(QCoreApplication::translate("FormatReader", "文档中的空段落远多于有文字的段落，已停止读取。"));
    return true;
}

bool ReadMeter::addMarkup(qint64 count)
{
    if (failed())
        return false;
    m_markup += count;
    if (m_markup > m_limits.markupAllowance + m_limits.markupPerCharacter * (m_characters + m_paragraphs))
        return fail(tooMuchMarkup());
    return true;
}

bool ReadMeter::addMarkupAhead(qint64 count)
{
    if (failed())
        return false;
    m_markupAhead += count;
    if (m_markupAhead > m_limits.markupAhead)
        return fail(tooMuchMarkup());
    return true;
}

QString ReadMeter::tooMuchMarkup()
{
    return QCoreApplication::translate("FormatReader", "文档解压后的内容远多于其中的文字，已停止读取。");
}

bool ReadMeter::addElement()
{
    if (failed())
        return false;
    if (++m_elements > m_limits.maxElements)
        return fail(overLimit(QT_TRANSLATE_N_NOOP("FormatReader", "文档元素过多：超过 %n 个，已停止读取。"),
                              m_limits.maxElements));
    // The first element checks too, so a limit of 0 ms stops at once.
    if (m_elements % 512 == 1 && m_timer.elapsed() >= m_limits.maxMilliseconds)
        return fail(timeoutMessage());
    return true;
}

bool ReadMeter::enter()
{
    if (failed())
        return false;
    if (++m_depth > m_limits.maxDepth)
        return fail(overLimit(QT_TRANSLATE_N_NOOP("FormatReader", "文档嵌套过深：超过 %n 层，已停止读取。"),
                              m_limits.maxDepth));
    return true;
}

void ReadMeter::leave()
{
    if (m_depth > 0)
        --m_depth;
}
