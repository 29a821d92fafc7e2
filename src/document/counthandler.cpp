#include "counthandler.h"

#include "TovaUi/function/function.h"

#include "chapter/autochaptermodel.h"
#include "chapter/wordcountmodel.h"
#include "data/data.h"
#include "data/global.h"
#include "document/count.h"
#include "document/lumocounter.h"
#include "support/log.h"
#include "TovaUi/textarea/lazytextdocument.h"

#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <private/qtextdocument_p.h>

namespace {

QStringList blockTexts(QTextBlock block, int count)
{
    QStringList texts;
    texts.reserve(count);
    for (int i = 0; i < count && block.isValid(); ++i, block = block.next())
        texts.append(block.text());
    return texts;
}

} // namespace

CountHandler::CountHandler(QObject* parent)
    : QObject(parent)
    , m_counter(new LumoCounter(this))
{
    connect(global::instance(), &global::countRulesChanged, this, [this]() { recountAll(true); });
}

CountHandler::~CountHandler() = default;

void CountHandler::setTextDocument(QTextDocument* value)
{
    if (m_textDocument == value)
        return;
    if (m_textDocument)
        disconnect(m_textDocument, &QTextDocument::contentsChange, this, &CountHandler::editContentsChange);
    m_textDocument = value;
    emit textDocumentChanged(value);
    if (!value)
        return;
    // A document reports its changes only once it has a layout.
    if (!value->docHandle()->layout())
        value->setDocumentLayout(new QPlainTextDocumentLayout(value));
    connect(value, &QTextDocument::contentsChange, this, &CountHandler::editContentsChange, Qt::DirectConnection);
    recountAll();
    // Counting starts with the document, so operations never pile up
    // unworked while the page has no file name yet.
    m_counter->start();
}

// The line table starts again from the document as it is now.
void CountHandler::recountAll(bool rebase)
{
    if (!m_textDocument)
        return;
    // A loaded text may come with its lines, split off the GUI thread:
    // asking a million blocks takes about a second.
    const QVariant given = m_textDocument->property(LazyTextDocument::lineTextsProperty);
    const QVariant revision = m_textDocument->property(LazyTextDocument::lineTextsRevisionProperty);
    bool taken = false;
    if (given.isValid() && revision.toInt() == m_textDocument->revision()) {
        m_lines = given.toStringList();
        taken = m_lines.size() == m_textDocument->blockCount();
    }
    if (!taken)
        m_lines = blockTexts(m_textDocument->begin(), m_textDocument->blockCount());
    m_counter->setList(m_lines, false, rebase);
}

void CountHandler::setSelectedText(const QString& value)
{
    if (m_selectedText == value)
        return;
    m_counter->setSelectText(value, false);
    m_selectedText = value;
    emit selectedTextChanged(value);
}

void CountHandler::setCursorPosition(int value)
{
    if (m_cursorPosition == value)
        return;
    m_cursorPosition = value;
    emit cursorPositionChanged(value);
}

void CountHandler::setFileName(const QUrl& value)
{
    if (m_fileName == value)
        return;
    AutoChapterModel* chapters = data::instance()->wordCountModel()->autoChapterModel(value);
    m_counter->setFileUrl(value);
    // Only this file's chapter list follows the counter from now on.
    disconnectChapters();
    m_chapterConnections = {
        connect(m_counter, &LumoCounter::update, chapters, &AutoChapterModel::update),
        connect(m_counter, &LumoCounter::resetList, chapters, &AutoChapterModel::resetList),
        connect(m_counter, &LumoCounter::insertList, chapters, &AutoChapterModel::insertList),
        connect(m_counter, &LumoCounter::removeList, chapters, &AutoChapterModel::removeList),
        connect(m_counter, &LumoCounter::appendList, chapters, &AutoChapterModel::appendList),
        connect(m_counter, &LumoCounter::setCurrentIndexByLine, chapters, &AutoChapterModel::setCurrentIndexByLine),
    };
    m_chapterModel = chapters;
    m_fileName = value;
    emit fileNameChanged(value);
    // The list of this file is built from the whole document.
    recountAll();
    m_counter->start();
}

void CountHandler::setCursorLineNumber(int value)
{
    if (m_cursorLineNumber == value)
        return;
    m_cursorLineNumber = value;
    emit cursorLineNumberChanged(value);
    if (m_cursorLinePostion != -1)
        m_counter->setCursorPostion(m_cursorLinePreText, m_cursorLinePostion, value);
}

void CountHandler::setcursorLinePostion(int value)
{
    if (m_cursorLinePostion == value)
        return;
    m_cursorLinePostion = value;
    emit cursorLinePostionChanged(value);
    if (m_cursorLineNumber != -1)
        m_counter->setCursorPostion(m_cursorLinePreText, value, m_cursorLineNumber);
}

void CountHandler::setCursorLinePreText(const QString& value)
{
    if (m_cursorLinePreText == value)
        return;
    m_cursorLinePreText = value;
    emit cursorLinePreTextChanged(value);
}

void CountHandler::setCounting(bool value)
{
    if (m_counting == value)
        return;
    m_counting = value;
    emit countingChanged(value);
}

void CountHandler::selectThisChapter()
{
    connect(m_counter, &LumoCounter::sendChapterLine, this, &CountHandler::selectLine, Qt::UniqueConnection);
    m_counter->selectChapter(m_cursorLineNumber);
}

int CountHandler::getNextTitleNumber(int editLineNumber)
{
    const QTextBlock block = m_textDocument ? m_textDocument->findBlockByNumber(editLineNumber) : QTextBlock();
    if (!block.isValid()) {
        logDebug(lcStats) << "getNextTitleNumber" << ":" << "editLineNumber:" << editLineNumber << "all line:"
             << (m_textDocument ? m_textDocument->blockCount() : 0);
        return 1;
    }
    const QStringList patterns = count::chapterPatterns();
    for (QTextBlock b = block.previous(); b.isValid(); b = b.previous()) {
        const QString text = b.text();
        if (!count::isChapterTitle(text, patterns))
            continue;
        const int number = function::getNumberFormString(text);
        if (number != -1)
            return number + 1;
    }
    return 1;
}

void CountHandler::exit()
{
    // Clears this page's own chapter list (a background tab may be closing);
    // no later hand-over refills it before the handler is gone.
    m_counter->setAutoDrain(false);
    disconnectChapters();
    if (m_chapterModel)
        m_chapterModel->clear();
    deleteLater();
}

void CountHandler::disconnectChapters()
{
    for (const QMetaObject::Connection& c : qAsConst(m_chapterConnections))
        disconnect(c);
    m_chapterConnections.clear();
}

void CountHandler::setInited(bool inited) { m_counter->setInitState(inited); }

// Turns one document change into line operations. Line numbers are block
// numbers; the line texts always come from the document's blocks.
void CountHandler::editContentsChange(int position, int charsRemoved, int charsAdded)
{
    QTextDocument* doc = m_textDocument;
    if (!doc || (charsRemoved == 0 && charsAdded == 0))
        return;
    if (charsRemoved < 0) {
        // The whole text replaced: the file read again (changed by another
        // program or by a sync). Not the writer's writing.
        m_counter->removeAll();
        recountAll(true);
        return;
    }
    // A text put into an empty document (a file loaded): one list for the
    // counter instead of an operation per line.
    if (charsRemoved == 0 && m_lines.size() == 1 && m_lines.first().isEmpty()) {
        recountAll();
        return;
    }
    const int lastPosition = doc->characterCount() - 1;
    const QTextBlock first = doc->findBlock(qBound(0, position, lastPosition));
    const int L = first.blockNumber();
    const int B = first.position();
    if (L < 0 || L >= m_lines.size()) {
        recountAll();
        return;
    }

    // n: the old lines the removed text touched; m: the new lines the added
    // text touches.
    int n = 1;
    if (charsRemoved > 0) {
        int offset = position - B;
        int remaining = charsRemoved;
        for (int i = L; i < m_lines.size() - 1; ++i) {
            if (remaining <= m_lines.at(i).size() - offset)
                break;
            remaining -= m_lines.at(i).size() - offset + 1;
            offset = 0;
            ++n;
        }
    }
    int m = 1;
    if (charsAdded > 0)
        m = doc->findBlock(qBound(0, position + charsAdded, lastPosition)).blockNumber() - L + 1;
    // A change reported past the end of the document (its last, implicit
    // line break) is held to what the block count says.
    const int delta = doc->blockCount() - m_lines.size();
    if (m - n != delta) {
        n = m - delta;
        if (n < 1) {
            n = 1;
            m = 1 + delta;
        }
    }
    if (m < 1 || L + n > m_lines.size() || L + m > doc->blockCount()) {
        logDebug(lcStats) << "editContentsChange" << ":" << "line table out of step, counting again";
        recountAll();
        return;
    }
    const QStringList added = blockTexts(first, m);

    if (charsRemoved == charsAdded && n == m) {
        // Only a format change when every touched line kept its text.
        bool same = true;
        for (int i = 0; i < n && same; ++i)
            same = m_lines.at(L + i) == added.at(i);
        if (same)
            return;
    }

    const QString& T = added.first();
    const bool atLineStart = position == B;
    if (charsRemoved > 0 || n > 1) {
        if (n == 1) {
            m_counter->setUpdate(T, L, false);
        } else if (n == 2) {
            m_counter->setUpdate(T, L, false);
            if (m != 2)
                m_counter->remove(L + 1);
        } else {
            m_counter->setIsRemoving(true);
            logDebug(lcStats) << "editContentsChange" << ":" << "remove list count" << n;
            for (int i = 0; i < n; ++i) {
                if ((i == 0 && !atLineStart) || (i == n - 1 && atLineStart))
                    m_counter->setUpdate(T, L, false);
                else
                    m_counter->remove(atLineStart ? L : L + 1);
            }
            m_counter->setIsRemoving(false);
        }
    }
    if (charsAdded > 0 || m > 1) {
        if (m == 1) {
            m_counter->setUpdate(T, L, true);
        } else if (m == 2) {
            m_counter->setUpdate(T, L, false);
            // Two lines replaced by two lines: the second one is recounted too.
            if (n == 2)
                m_counter->setUpdate(added.at(1), L + 1, true);
            else
                m_counter->insert(L + 1, added.at(1), true);
        } else {
            m_counter->setUpdate(T, L, false);
            for (int i = 1; i < m; ++i)
                m_counter->insert(L + i, added.at(i), i == m - 1);
        }
    }

    const int common = qMin(n, m);
    for (int i = 0; i < common; ++i)
        m_lines[L + i] = added.at(i);
    if (n > m) {
        m_lines.erase(m_lines.begin() + L + m, m_lines.begin() + L + n);
    } else if (m - n <= 16) {
        for (int i = n; i < m; ++i)
            m_lines.insert(L + i, added.at(i));
    } else {
        QStringList lines = m_lines.mid(0, L + n);
        lines.append(added.mid(n));
        lines.append(m_lines.mid(L + n));
        m_lines.swap(lines);
    }
}
