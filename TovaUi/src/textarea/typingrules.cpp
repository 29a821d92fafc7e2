#include "typingrules.h"

#include "function/message.h"
#include "textarea/documentediting.h"
#include "textarea/editorfile.h"
#include "textarea/editwindow.h"
#include "textarea/historysnapshots.h"
#include "textarea/lazytextdocument.h"
#include "textarea/makeuper.h"
#include "textarea/saveschedule.h"
#include "textarea/textrules.h"
#include "textarea/wholedocument.h"
#include "textarea/windowscroller.h"
#include "textarea/writerselection.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

TypingRules::TypingRules(const EditorParts& parts, QObject* parent)
    : QObject(parent)
    , m_parts(parts)
{
}

bool TypingRules::joinsTypingRun(int position, int removed, const QString& inserted)
{
    // Enter's line break starts no run, and what it adds joins its own step.
    if (m_parts.whole->joinsUndo() || m_inserting) {
        m_typingRun.end();
        return false;
    }
    return m_typingRun.extend(m_parts.whole->revision(), position, removed, inserted);
}

void TypingRules::endTypingRunOn(const QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        m_typingRun.end();
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const bool typing = !key->text().isEmpty() && key->text().at(0).isPrint()
            && !(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_CapsLock:
            break;
        default:
            if (!typing)
                m_typingRun.end();
        }
    }
}

void TypingRules::enterPressed()
{
    m_enterPressed = true;
    // Should the text area not insert the line break, the flag must not
    // keep the window from moving.
    QTimer::singleShot(0, m_parts.document, [this] { m_enterPressed = false; });
}

void TypingRules::windowEdited(const QString& newText)
{
    // The line break of Enter (also one that replaced a selection of whole
    // lines and so left the number of lines as it was).
    if (m_enterPressed && !m_inserting && newText.contains(QChar(QChar::ParagraphSeparator)))
        m_enterBreak = true;
}

void TypingRules::windowChanged()
{
    if (!m_enterPressed)
        setSeriseEnterNumber(0);
    // Enter is completed once the text area's edit is over (its cursor has
    // moved on), not from inside the edit.
    if (m_enterBreak && !m_inserting) {
        m_enterBreak = false;
        doRealTimeSave(m_parts.window->document()->blockCount());
    }
}

void TypingRules::doRealTimeSave(int blockCount)
{
    Q_UNUSED(blockCount)
    if (!m_enterPressed || m_inserting)
        return;
    QString text;
    if (m_addEmptyLineAtEndByEnter)
        text += QStringLiteral("\r\n");
    if (m_add2SpaceAtFrontByEnter)
        text += QStringLiteral("\u3000\u3000");
    if (!text.isEmpty()) {
        m_parts.whole->setJoinUndo(true);
        insertAtEditCursor(text);
        m_parts.whole->setJoinUndo(false);
    }
    setSeriseEnterNumber(m_seriseEnterNumber + 1);
    m_enterPressed = false;
    // The save is handed over before the window is kept in shape, so that
    // the writer thread works while the window does.
    m_parts.saves->enterCompleted();
    m_parts.scroller->scheduleMaintenance();
}

void TypingRules::insertAtEditCursor(const QString& text)
{
    QTextDocument* window = m_parts.window->document();
    if (!window || !m_parts.file->mayEdit())
        return;
    WriterSelection* selection = m_parts.selection;
    selection->take();
    m_parts.window->returnToCursor();
    QTextCursor cursor(window);
    cursor.setPosition(selection->shown().cursor);
    m_inserting = true;
    cursor.insertText(text);
    m_inserting = false;
    selection->take();
}

void TypingRules::addChapterName(int nextTitleIndex)
{
    if (!m_parts.file->mayEdit())
        return;
    m_parts.editing->deselect();
    QTextDocument* window = m_parts.window->document();
    if (!window)
        return;
    const QString line = window->findBlock(m_parts.selection->shown().cursor).text();
    if (TextRules::isChapterTitle(line, m_chapterKeys)) {
        message::show(Message::Tips, LazyTextDocument::tr("已经是章节标题了"), 5000);
        return;
    }
    insertAtEditCursor(LazyTextDocument::tr("第%1章").arg(nextTitleIndex));
}

void TypingRules::makeup()
{
    if (m_makeupRunning || !m_parts.file->mayEdit())
        return;
    m_makeupRunning = true;
    m_parts.saves->beforeTypesetting();
    m_parts.history->saveTmpFile();
    auto* worker = new makeuper(nullptr);
    // The lines are taken here, on the GUI thread; the worker never reads
    // the document while it can change.
    worker->setTextList(m_parts.whole->text().split(QRegularExpression(QStringLiteral("[\r\n]"))));
    m_makeupRevision = m_parts.whole->revision();
    connect(worker, &makeuper::makeupFinished, m_parts.document, &LazyTextDocument::makeupFinished);
    worker->start();
}

void TypingRules::makeupFinished(const QStringList& list)
{
    WholeDocument* whole = m_parts.whole;
    m_makeupRunning = false;
    // A reload under way, or edits made while the worker ran, would be
    // lost under its result.
    if (m_makeupRevision != whole->revision() || !m_parts.file->editable()) {
        message::show(Message::Tips, LazyTextDocument::tr("排版期间文档已被修改，排版结果未应用。"), 5000);
        return;
    }
    m_parts.selection->setWhole(WindowMap::at(0));
    whole->replaceAll(list.join(QStringLiteral("\r\n")));
    whole->document()->setModified(true);
    whole->announce(0, -1, whole->length());
    m_parts.window->rebuildAt(0);
    m_parts.scroller->gotoEnd();
}

bool TypingRules::subtleFinish(const QString& text)
{
    // The text before masking goes into the history first (the masking
    // sheet tells the writer it can be found there); without that snapshot
    // the masking is not applied.
    return replaceAfterSnapshot(text, LazyTextDocument::tr("无法保存过滤前的历史记录，过滤结果未应用。"));
}

bool TypingRules::restoreText(const QString& text)
{
    return replaceAfterSnapshot(text, LazyTextDocument::tr("无法保存当前内容的历史记录，未恢复。"));
}

bool TypingRules::replaceAfterSnapshot(const QString& text, const QString& refusal)
{
    if (!m_parts.file->mayEdit())
        return false;
    // A blank text has nothing to keep.
    if (!m_parts.whole->text().trimmed().isEmpty() && !m_parts.history->saveTmpFile()) {
        message::show(Message::Warn, refusal, 5000);
        return false;
    }
    WholeDocument* whole = m_parts.whole;
    WriterSelection* selection = m_parts.selection;
    selection->take();
    const int cursor = selection->whole().cursor;
    selection->setWhole(WindowMap::at(0));
    whole->replaceAll(text);
    whole->document()->setModified(true);
    whole->announce(0, -1, whole->length());
    m_parts.window->rebuildAt(qBound(0, cursor, whole->length()));
    m_parts.scroller->scheduleMaintenance();
    return true;
}

void TypingRules::setAddEmptyLineAtEndByEnter(bool value)
{
    if (value == m_addEmptyLineAtEndByEnter)
        return;
    m_addEmptyLineAtEndByEnter = value;
    emit m_parts.document->addEmptyLineAtEndByEnterChanged();
}

void TypingRules::setAdd2SpaceAtFrontByEnter(bool value)
{
    if (value == m_add2SpaceAtFrontByEnter)
        return;
    m_add2SpaceAtFrontByEnter = value;
    emit m_parts.document->add2SpaceAtFrontByEnterChanged();
}

void TypingRules::setAutoAddChapterName(int value)
{
    if (value == m_autoAddChapterName)
        return;
    m_autoAddChapterName = value;
    emit m_parts.document->autoAddChapterNameChanged();
}

void TypingRules::setSeriseEnterNumber(int value)
{
    if (value == m_seriseEnterNumber)
        return;
    m_seriseEnterNumber = value;
    emit m_parts.document->seriseEnterNumberChanged();
}

void TypingRules::setChapterKeys(const QStringList& value)
{
    if (value == m_chapterKeys)
        return;
    m_chapterKeys = value;
    emit m_parts.document->chapterKeysChanged();
}
