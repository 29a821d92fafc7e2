#ifndef TYPINGRUN_H
#define TYPINGRUN_H

#include <QElapsedTimer>
#include <QString>

// Which edits of the text join the undo step before them: a run of typing,
// or of deleting, is taken back by one undo, as Qt's own text editing groups
// them. An edit continues the run when it is of the same kind (typing is an
// insertion without a line break, deleting a removal of one character
// beside the last), starts where the last one left the cursor, comes within
// the pause and no other change of the text came in between (the caller's
// revision counts the changes). A cursor move, Enter, a paste and every
// other change end the run (end()).
class TypingRun
{
public:
    // A longer pause than this between two keys starts a new step.
    static constexpr qint64 pauseMs = 2000;

    TypingRun() { m_clock.start(); }

    // Records an edit made at revision `revision` of the text (the edit
    // makes it revision + 1); true when it joins the run before it.
    bool extend(quint64 revision, int position, int removed, const QString& inserted);
    void end() { m_kind = Kind::None; }

private:
    enum class Kind { None, Typing, Deleting };

    QElapsedTimer m_clock;
    Kind m_kind = Kind::None;
    // Where the run left the cursor, when, and the revision it made.
    int m_end = 0;
    qint64 m_last = 0;
    quint64 m_revision = 0;
};

#endif
