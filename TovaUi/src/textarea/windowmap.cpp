#include "windowmap.h"

#include <QtGlobal>

WindowMap::WindowMap(int firstLine, int lineCount, int start, int length)
    : m_firstLine(qMax(0, firstLine))
    , m_lineCount(qMax(1, lineCount))
    , m_start(qMax(0, start))
    , m_length(qMax(0, length))
{
}

int WindowMap::toWhole(int windowPosition) const
{
    return m_start + qBound(0, windowPosition, m_length);
}

int WindowMap::toWindow(int wholePosition) const
{
    return qBound(0, wholePosition - m_start, m_length);
}

WindowMap::Selection WindowMap::toWindow(const Selection& whole) const
{
    return Selection { toWindow(whole.anchor), toWindow(whole.cursor) };
}

WindowMap::Selection WindowMap::toWhole(const Selection& shown, const Selection& before) const
{
    const Selection was = toWindow(before);
    const Selection now { toWhole(shown.anchor), toWhole(shown.cursor) };
    // Nothing changed: the selection stays, beyond the window too; of a
    // selection nothing of which is shown, its cursor.
    if (shown == was)
        return was.isEmpty() ? at(before.cursor) : before;
    // Extended from the same anchor (Shift with a key or a click): an anchor
    // beyond the window stays where the writer set it.
    if (!shown.isEmpty() && shown.anchor == was.anchor)
        return Selection { before.anchor, now.cursor };
    return now;
}

WindowMap::Selection WindowMap::settled(const Selection& whole) const
{
    if (toWindow(whole).isEmpty())
        return at(whole.cursor);
    return whole;
}

void WindowMap::addAbove(int lines, int characters)
{
    m_firstLine -= lines;
    m_lineCount += lines;
    m_start -= characters;
    m_length += characters;
}

void WindowMap::dropAbove(int lines, int characters)
{
    m_firstLine += lines;
    m_lineCount -= lines;
    m_start += characters;
    m_length -= characters;
}

void WindowMap::addBelow(int lines, int characters)
{
    m_lineCount += lines;
    m_length += characters;
}

void WindowMap::dropBelow(int lines, int characters)
{
    m_lineCount -= lines;
    m_length -= characters;
}

void WindowMap::editInside(int removed, int added, int lineDelta)
{
    m_length += added - removed;
    m_lineCount += lineDelta;
}

bool WindowMap::editOutside(int position, int removed, int added, int lineDelta)
{
    if (position > end())
        return true; // below the window: nothing moves
    if (m_start > 0 && position + removed <= m_start - 1) {
        m_start += added - removed;
        m_firstLine += lineDelta;
        return true;
    }
    return false;
}

double WindowMap::lineHeight(double contentHeight) const
{
    return contentHeight > 0 ? contentHeight / m_lineCount : 0;
}

double WindowMap::scrollPosition(double contentY, double contentHeight, int totalLines) const
{
    const double h = lineHeight(contentHeight);
    const double total = h * totalLines;
    if (total <= 0)
        return 0;
    return qBound(0.0, (contentY + h * m_firstLine) / total, 1.0);
}

double WindowMap::viewShare(double viewHeight, double contentHeight, int totalLines) const
{
    const double total = lineHeight(contentHeight) * totalLines;
    if (total <= 0 || viewHeight <= 0)
        return 1;
    return qBound(0.0, viewHeight / total, 1.0);
}

double WindowMap::contentYFor(double position, double viewHeight, double contentHeight, int totalLines) const
{
    const double h = lineHeight(contentHeight);
    if (h <= 0)
        return -1;
    const double y = position * h * totalLines - h * m_firstLine;
    if (y < 0)
        return m_firstLine == 0 ? 0 : -1;
    if (y + viewHeight > contentHeight) {
        if (lastLine() < totalLines - 1)
            return -1;
        return qMax(0.0, contentHeight - viewHeight);
    }
    return y;
}

int WindowMap::lineAt(double position, int totalLines)
{
    if (totalLines <= 0)
        return 0;
    return qBound(0, int(position * totalLines), totalLines - 1);
}
