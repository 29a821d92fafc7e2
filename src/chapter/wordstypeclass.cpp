#include "wordstypeclass.h"

WordsTypeClass::WordsTypeClass(QObject* parent)
    : QObject(parent)
{
}

void WordsTypeClass::setAll(int value)
{
    if (m_All == value)
        return;
    m_All = value;
    emit AllChanged(value);
}

void WordsTypeClass::setNoBc(int value)
{
    if (m_NoBc == value)
        return;
    m_NoBc = value;
    emit NoBcChanged(value);
}

void WordsTypeClass::setNoSpace(int value)
{
    if (m_NoSpace == value)
        return;
    m_NoSpace = value;
    emit NoSpaceChanged(value);
}

void WordsTypeClass::setChars(int value)
{
    if (m_Chars == value)
        return;
    m_Chars = value;
    emit CharsChanged(value);
}

void WordsTypeClass::setWords(int value)
{
    if (m_Words == value)
        return;
    m_Words = value;
    emit WordsChanged(value);
}

void WordsTypeClass::setNumbers(int value)
{
    if (m_Numbers == value)
        return;
    m_Numbers = value;
    emit NumbersChanged(value);
}

void WordsTypeClass::setLetters(int value)
{
    if (m_Letters == value)
        return;
    m_Letters = value;
    emit LettersChanged(value);
}

void WordsTypeClass::setBC(int value)
{
    if (m_BC == value)
        return;
    m_BC = value;
    emit BCChanged(value);
}

void WordsTypeClass::setFullWidthSpace(int value)
{
    if (m_FullWidthSpace == value)
        return;
    m_FullWidthSpace = value;
    emit FullWidthSpaceChanged(value);
}

void WordsTypeClass::setHalfWidthSpace(int value)
{
    if (m_HalfWidthSpace == value)
        return;
    m_HalfWidthSpace = value;
    emit HalfWidthSpaceChanged(value);
}

void WordsTypeClass::setParagraphs(int value)
{
    if (m_Paragraphs == value)
        return;
    m_Paragraphs = value;
    emit ParagraphsChanged(value);
}

void WordsTypeClass::setSelection(int value)
{
    if (m_Selection == value)
        return;
    m_Selection = value;
    emit SelectionChanged(value);
}

void WordsTypeClass::setFront(int value)
{
    if (m_Front == value)
        return;
    m_Front = value;
    emit FrontChanged(value);
}

void WordsTypeClass::setTitle(const QString& value)
{
    if (m_title == value)
        return;
    m_title = value;
    emit titleChanged(value);
}

void WordsTypeClass::setFileName(const QString& value)
{
    if (m_fileName == value)
        return;
    m_fileName = value;
    emit fileNameChanged(value);
}
