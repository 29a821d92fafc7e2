#include "wordstypeclass.h"

WordsTypeClass::WordsTypeClass(QObject* parent)
    : QObject(parent)
{
}

// Every setter stores and signals only on a change.
#define PENLARK_SETTER(Type, Name, Setter)   \
    void WordsTypeClass::Setter(Type value)   \
    {                                         \
        if (m_##Name == value)                \
            return;                           \
        m_##Name = value;                     \
        emit Name##Changed(m_##Name);         \
    }

PENLARK_SETTER(int, All, setAll)
PENLARK_SETTER(int, Selection, setSelection)
PENLARK_SETTER(int, Numbers, setNumbers)
PENLARK_SETTER(int, FullWidthSpace, setFullWidthSpace)
PENLARK_SETTER(int, HalfWidthSpace, setHalfWidthSpace)
PENLARK_SETTER(int, Chars, setChars)
PENLARK_SETTER(int, Words, setWords)
PENLARK_SETTER(int, BC, setBC)
PENLARK_SETTER(bool, isTitle, setIsTitle)
PENLARK_SETTER(const QString&, title, setTitle)
PENLARK_SETTER(int, Letters, setLetters)
PENLARK_SETTER(int, Paragraphs, setParagraphs)
PENLARK_SETTER(int, Front, setFront)
PENLARK_SETTER(const QUrl&, fileName, setFileName)
PENLARK_SETTER(int, thisChapterWords, setThisChapterWords)
PENLARK_SETTER(int, thisChapterIndex, setThisChapterIndex)
PENLARK_SETTER(QList<ChapterType>*, chapterList, setChapterList)
PENLARK_SETTER(int, NoBc, setNoBc)
PENLARK_SETTER(int, NoSpace, setNoSpace)

#undef PENLARK_SETTER
