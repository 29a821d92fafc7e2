#include "markupscanner.h"

void MarkupScanner::reset()
{
    *this = MarkupScanner();
}

bool MarkupScanner::scan(QStringView text, int limit)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        switch (m_state) {
        case State::Text: {
            // Character data is most of a document: jump to the next tag.
            const qsizetype next = text.indexOf(QLatin1Char('<'), i);
            if (next < 0)
                return true;
            i = next;
            m_state = State::Open;
            break;
        }
        case State::Open:
            if (c == QLatin1Char('/')) {
                m_state = State::EndTag;
            } else if (c == QLatin1Char('?')) {
                m_return = State::Text;
                m_run = 0;
                m_state = State::Instruction;
            } else if (c == QLatin1Char('!')) {
                m_state = State::Bang;
            } else {
                m_attributes = 0;
                m_state = c == QLatin1Char('>') ? State::Text : State::StartTag;
            }
            break;
        case State::EndTag:
            if (c == QLatin1Char('>'))
                m_state = State::Text;
            break;
        case State::StartTag:
            if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                // Every attribute has one quoted value.
                if (++m_attributes > limit)
                    return false;
                m_quote = c;
                m_return = State::StartTag;
                m_state = State::Quoted;
            } else if (c == QLatin1Char('>')) {
                m_state = State::Text;
            }
            break;
        case State::Quoted:
            if (c == m_quote)
                m_state = m_return;
            break;
        case State::Bang:
            m_return = m_inSubset ? State::Subset : State::Text;
            if (c == QLatin1Char('-'))
                m_state = State::BangDash;
            else if (c == QLatin1Char('[') && !m_inSubset)
                m_state = State::CData;
            else
                m_state = m_inSubset ? State::SubsetDeclaration : State::Declaration;
            m_run = 0;
            break;
        case State::BangDash:
            m_state = State::Comment;
            break;
        case State::Comment:
        case State::CData:
        case State::Instruction: {
            const QChar closing = m_state == State::Comment ? QLatin1Char('-')
                : m_state == State::CData                   ? QLatin1Char(']')
                                                            : QLatin1Char('?');
            const int needed = m_state == State::Instruction ? 1 : 2;
            if (c == QLatin1Char('>') && m_run >= needed)
                m_state = m_return;
            m_run = c == closing ? m_run + 1 : 0;
            break;
        }
        case State::Declaration:
        case State::SubsetDeclaration:
            if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                m_quote = c;
                m_return = m_state;
                m_state = State::Quoted;
            } else if (c == QLatin1Char('[') && m_state == State::Declaration) {
                m_inSubset = true;
                m_state = State::Subset;
            } else if (c == QLatin1Char('>')) {
                m_state = m_state == State::Declaration ? State::Text : State::Subset;
            }
            break;
        case State::Subset:
            if (c == QLatin1Char('<')) {
                m_state = State::SubsetOpen;
            } else if (c == QLatin1Char(']')) {
                m_inSubset = false;
                m_state = State::Declaration;
            }
            break;
        case State::SubsetOpen:
            if (c == QLatin1Char('!')) {
                m_state = State::Bang;
            } else if (c == QLatin1Char('?')) {
                m_return = State::Subset;
                m_run = 0;
                m_state = State::Instruction;
            } else {
                m_state = State::Subset;
            }
            break;
        }
    }
    return true;
}
