#ifndef TYPINGRULES_H
#define TYPINGRULES_H

#include "TovaUi/textarea/editorparts.h"
#include "TovaUi/textarea/typingrun.h"

#include <QObject>
#include <QStringList>

// What the editor makes of the writer's typing: a run of typing or
// deleting is one undo step, as in Qt's own text editing (a key that moves
// the cursor, a click or a jump ends it); by the writer's settings, after
// Enter's line break an empty line and the first-line indentation (two
// U+3000), one undo step with the break, and a count of consecutive Enters
// (the page inserts a chapter name on the fifth); the chapter name at the
// cursor unless the line is a title already (the application's
// chapter-title test); and the same spacing for the whole text at once
// (one-key typesetting, on a worker thread), with the masked text taken in
// whole as well.
class TypingRules : public QObject
{
    Q_OBJECT
public:
    TypingRules(const EditorParts& parts, QObject* parent);

    bool addEmptyLineAtEndByEnter() const { return m_addEmptyLineAtEndByEnter; }
    void setAddEmptyLineAtEndByEnter(bool value);
    bool add2SpaceAtFrontByEnter() const { return m_add2SpaceAtFrontByEnter; }
    void setAdd2SpaceAtFrontByEnter(bool value);
    int autoAddChapterName() const { return m_autoAddChapterName; }
    void setAutoAddChapterName(int value);
    int seriseEnterNumber() const { return m_seriseEnterNumber; }
    void setSeriseEnterNumber(int value);
    QStringList chapterKeys() const { return m_chapterKeys; }
    void setChapterKeys(const QStringList& value);

    // Whether an edit of the text area joins the undo step of the typing
    // before it.
    bool joinsTypingRun(int position, int removed, const QString& inserted);
    // Keys that move the cursor, and clicks, end a run of typing.
    void endTypingRunOn(const QEvent* event);
    void endTypingRun() { m_typingRun.end(); }

    // Enter: the key is announced before the text area inserts its line
    // break; the window does not move until the Enter is completed.
    void enterPressed();
    bool isEnterPending() const { return m_enterPressed; }
    // The window's text changed (the mirror tells): newText is what came in.
    void windowEdited(const QString& newText);
    void windowChanged();
    void doRealTimeSave(int blockCount);
    // Inserts text at the text area's cursor as if typed (mirrored like
    // typing).
    void insertAtEditCursor(const QString& text);
    void addChapterName(int nextTitleIndex);

    void makeup();
    void makeupFinished(const QStringList& list);
    bool subtleFinish(const QString& text);
    // The whole text replaced by a copy from the history, the text before
    // it kept there first; refused (told) when that snapshot fails.
    bool restoreText(const QString& text);

private:
    bool replaceAfterSnapshot(const QString& text, const QString& refusal);
    const EditorParts& m_parts;
    bool m_addEmptyLineAtEndByEnter = true;
    bool m_add2SpaceAtFrontByEnter = true;
    int m_autoAddChapterName = 0;
    int m_seriseEnterNumber = 0;
    QStringList m_chapterKeys;
    TypingRun m_typingRun;
    bool m_enterPressed = false;
    bool m_enterBreak = false;
    bool m_inserting = false;
    bool m_makeupRunning = false;
    quint64 m_makeupRevision = 0;
};

#endif
