#include "typingrun.h"

namespace {
bool breaksLine(const QString& text)
{
    for (const QChar c : text) {
        if (c == QChar::ParagraphSeparator || c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator)
            return true;
    }
    return false;
}
} // namespace

bool TypingRun::extend(quint64 revision, int position, int removed, const QString& inserted)
{
    const qint64 now = m_clock.elapsed();
    const Kind kind = !inserted.isEmpty() ? (breaksLine(inserted) ? Kind::None : Kind::Typing)
                    : removed > 0 ? Kind::Deleting : Kind::None;
    const bool continues = kind != Kind::None && kind == m_kind && revision == m_revision && now - m_last <= pauseMs
        && (kind == Kind::Typing ? removed == 0 && position == m_end
                                 : removed == 1 && (position == m_end || position + 1 == m_end));
    m_kind = kind;
    m_end = position + inserted.size();
    m_last = now;
    m_revision = revision + 1;
    return continues;
}
