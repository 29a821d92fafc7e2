#include "windowmirror.h"

#include "textarea/editwindow.h"
#include "textarea/lazytextdocument.h"
#include "textarea/typingrules.h"
#include "textarea/wholedocument.h"
#include "textarea/windowscroller.h"
#include "textarea/writerselection.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {

// Lengths of the common beginning and the common end of two texts (not
// overlapping), so that only what differs between them is edited.
void commonEnds(const QString& a, const QString& b, int* prefix, int* suffix)
{
    const int shortest = qMin(a.size(), b.size());
    int p = 0;
    while (p < shortest && a.at(p) == b.at(p))
        ++p;
    int s = 0;
    while (s < shortest - p && a.at(a.size() - 1 - s) == b.at(b.size() - 1 - s))
        ++s;
    *prefix = p;
    *suffix = s;
}

} // namespace

WindowMirror::WindowMirror(const EditorParts& parts, QObject* parent)
    : QObject(parent)
    , m_parts(parts)
{
}

void WindowMirror::editContentsChange(int position, int charsRemoved, int charsAdded)
{
    EditWindow* window = m_parts.window;
    WholeDocument* whole = m_parts.whole;
    if (!window->document())
        return;
    WindowMap& map = window->map();
    const int oldLength = map.length();
    const int newLength = window->length();
    const int windowStart = map.start();

    int pos = qBound(0, position, oldLength);
    int removed = qBound(0, charsRemoved, oldLength - pos);
    int added = qBound(0, charsAdded, newLength - pos);
    if (oldLength - removed + added != newLength) {
        // The report does not describe the change (it can count the
        // document's implicit last separator): compare the window with its
        // segment of the whole document instead.
        const QString before = whole->range(windowStart, windowStart + oldLength);
        const QString after = window->range(0, newLength);
        int prefix = 0;
        int suffix = 0;
        commonEnds(before, after, &prefix, &suffix);
        pos = prefix;
        removed = before.size() - prefix - suffix;
        added = after.size() - prefix - suffix;
    }
    QString newText = window->range(pos, pos + added);

    // A selection that reaches beyond the window (select-all, a chapter, a
    // selection whose anchor the window left behind): when the text area
    // replaced the part it shows (the text around it is as it was and its
    // own selection is gone), the whole selection is what is replaced.
    WriterSelection* writer = m_parts.selection;
    const WindowMap::Selection selection = writer->whole();
    const bool beyond = !selection.isEmpty()
        && (selection.start() < windowStart || selection.end() > windowStart + oldLength);
    bool replacesSelection = false;
    WindowMap::Selection live;
    if (beyond && writer->read(&live) && live.isEmpty()) {
        const int shownStart = qBound(0, selection.start() - windowStart, oldLength);
        const int shownEnd = qBound(0, selection.end() - windowStart, oldLength);
        const int tail = oldLength - shownEnd;
        const QString before = whole->range(windowStart, windowStart + oldLength);
        const QString after = window->range(0, newLength);
        if (newLength >= shownStart + tail && after.leftRef(shownStart) == before.leftRef(shownStart)
            && after.rightRef(tail) == before.rightRef(tail)) {
            replacesSelection = true;
            newText = after.mid(shownStart, newLength - shownStart - tail);
        }
    }
    m_parts.typing->windowEdited(newText);
    LazyTextDocument* document = m_parts.document;

    if (replacesSelection) {
        const int before = whole->length();
        const bool everything = selection.start() == 0 && selection.end() >= before;
        m_parts.typing->joinsTypingRun(selection.start(), selection.end() - selection.start(), newText); // starts a run
        const int inserted = whole->replace(selection.start(), selection.end(), newText);
        const int newStart = qMin(selection.start(), windowStart);
        const QTextBlock first = whole->document()->findBlock(newStart);
        const QTextBlock last = whole->document()->findBlock(newStart + newLength);
        const bool aligned = first.position() == newStart && last.isValid()
            && last.position() + last.length() - 1 == newStart + newLength;
        map = WindowMap(first.blockNumber(), window->document()->blockCount(), newStart, newLength);
        if (newStart != windowStart)
            emit document->startPositionChanged();
        writer->setWhole(WindowMap::at(selection.start() + inserted));
        writer->take();
        if (!aligned)
            window->requestRealign();
        if (everything)
            whole->announce(0, -1, inserted);
        else
            whole->announce(selection.start(), selection.end() - selection.start(), inserted);
        // What is left of the window (nothing, when the selection covered
        // it) is filled again around the cursor once the edit is over.
        m_parts.scroller->scheduleMaintenance();
        return;
    }

    const QString oldText = whole->range(windowStart + pos, windowStart + pos + removed);
    int prefix = 0;
    int suffix = 0;
    commonEnds(oldText, newText, &prefix, &suffix);
    if (prefix == oldText.size() && prefix == newText.size())
        return; // a format-only change
    const int at = windowStart + pos + prefix;
    const int gone = oldText.size() - prefix - suffix;
    const int blocks = map.lineCount();
    // The run is told the edit as the text area made it (a key typed over
    // a selection is typing, whatever both texts have in common).
    const bool joins = m_parts.typing->joinsTypingRun(windowStart + pos, removed, newText);
    const int inserted = whole->replace(at, at + gone, newText.mid(prefix, newText.size() - prefix - suffix), joins);
    map.editInside(removed, added, window->document()->blockCount() - blocks);
    Q_ASSERT(map.length() == newLength);
    writer->setWhole(writer->whole().shifted(at, gone, inserted));
    writer->take();
    whole->announce(at, gone, inserted);
    // An emptied window is filled again once the edit is over.
    if (newLength == 0 && whole->length() > 0)
        m_parts.scroller->scheduleMaintenance();
}

void WindowMirror::windowChanged()
{
    QTextDocument* window = m_parts.window->document();
    if (!window)
        return;
    LazyTextDocument* document = m_parts.document;
    document->setStartLineText(window->firstBlock().text());
    m_parts.scroller->updateScrollPostion();
    emit document->lineCountChanged();
    m_parts.typing->windowChanged();
}
