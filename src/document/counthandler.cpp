#include "counthandler.h"

CountHandler::CountHandler(QObject* parent)
    : QObject(parent)
{
}

void CountHandler::setTextDocument(QTextDocument* value)
{
    if (m_textDocument == value)
        return;
    m_textDocument = value;
    emit textDocumentChanged(value);
}

void CountHandler::setSelectedText(const QString& value)
{
    if (m_selectedText == value)
        return;
    m_selectedText = value;
    emit selectedTextChanged(value);
}

void CountHandler::setFileName(const QUrl& value)
{
    if (m_fileName == value)
        return;
    m_fileName = value;
    emit fileNameChanged(value);
}

void CountHandler::setCursorLineNumber(int value)
{
    if (m_cursorLineNumber == value)
        return;
    m_cursorLineNumber = value;
    emit cursorLineNumberChanged(value);
}

void CountHandler::setCursorLinePostion(int value)
{
    if (m_cursorLinePostion == value)
        return;
    m_cursorLinePostion = value;
    emit cursorLinePostionChanged(value);
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

void CountHandler::setCursorPosition(int value)
{
    if (m_cursorPosition == value)
        return;
    m_cursorPosition = value;
    emit cursorPositionChanged(value);
}

void CountHandler::setInited(bool inited) { m_inited = inited; }
void CountHandler::selectThisChapter() { emit selectLine(-1, -1); }
int CountHandler::getNextTitleNumber(int editLineNumber)
{
    Q_UNUSED(editLineNumber)
    return 1;
}
void CountHandler::exit() { deleteLater(); }
