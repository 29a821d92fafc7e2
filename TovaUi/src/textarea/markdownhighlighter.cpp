#include "markdownhighlighter.h"

#include <QSettings>
#include <QTextDocument>

MarkdownHighlighter::MarkdownHighlighter(QObject* parent)
    : QSyntaxHighlighter(parent)
{
    readDefaults();
}

MarkdownHighlighter::MarkdownHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(document)
{
    readDefaults();
}

void MarkdownHighlighter::readDefaults()
{
    m_defaultFontSize = QSettings().value(QStringLiteral("Edit/FontSize"), 12).toDouble();
}

void MarkdownHighlighter::setWordColor(const QColor& color)
{
    if (m_wordColor == color)
        return;
    m_wordColor = color;
    emit wordColorChanged(color);
}

void MarkdownHighlighter::setSensitiveWords(const QString& words)
{
    if (m_sensitiveWords == words)
        return;
    m_sensitiveWords = words;
    emit sensitiveWordsChanged(words);
}

void MarkdownHighlighter::setIsMarkAutoChapter(bool value)
{
    if (m_isMarkAutoChapter == value)
        return;
    m_isMarkAutoChapter = value;
    emit isMarkAutoChapterChanged(value);
}

void MarkdownHighlighter::setIsTypewriter(bool value)
{
    if (m_isTypewriter == value)
        return;
    m_isTypewriter = value;
    emit isTypewriterChanged(value);
}

void MarkdownHighlighter::setTypewriterFocusedText(int value)
{
    if (m_typewriterFocusedText == value)
        return;
    m_typewriterFocusedText = value;
    emit typewriterFocusedTextChanged(value);
}

void MarkdownHighlighter::setAutoChapterKeys(const QStringList& keys)
{
    if (m_autoChapterKeys == keys)
        return;
    m_autoChapterKeys = keys;
    emit autoChapterKeysChanged(keys);
}

void MarkdownHighlighter::setDocument(QTextDocument* document)
{
    if (QSyntaxHighlighter::document() == document)
        return;
    QSyntaxHighlighter::setDocument(document);
    emit documentChanged(document);
}

void MarkdownHighlighter::setDefaultFontSize(double size)
{
    if (m_defaultFontSize == size)
        return;
    m_defaultFontSize = size;
    emit defaultFontSizeChanged(int(size));
}

void MarkdownHighlighter::setEventObjectName(const QString& name)
{
    if (m_eventObjectName == name)
        return;
    m_eventObjectName = name;
    emit eventObjectNameChanged(name);
}

void MarkdownHighlighter::setTitleColorSame(bool value)
{
    if (m_titleColorSame == value)
        return;
    m_titleColorSame = value;
    emit TitleColorSameChanged(value);
}

void MarkdownHighlighter::setTitleMultiple(double value)
{
    if (m_titleMultiple == value)
        return;
    m_titleMultiple = value;
    emit TitleMultipleChanged(value);
}

void MarkdownHighlighter::setTitleColor(const QString& color)
{
    if (m_titleColor == color)
        return;
    m_titleColor = color;
    emit TitleColorChanged(color);
}

void MarkdownHighlighter::setFileName(const QUrl& fileName)
{
    if (m_fileName == fileName)
        return;
    m_fileName = fileName;
    emit fileNameChanged();
}

void MarkdownHighlighter::setHoveredPosition(int position)
{
    if (m_hoveredPosition == position)
        return;
    m_hoveredPosition = position;
    emit hoveredPositionChanged();
    emit markTextHovered(QString());
}

void MarkdownHighlighter::setUseMark(bool value)
{
    if (m_useMark == value)
        return;
    m_useMark = value;
    emit useMarkChanged();
}

void MarkdownHighlighter::clickedPosition(int position)
{
    Q_UNUSED(position)
    emit markTextActivated(QString());
}

void MarkdownHighlighter::highlightBlock(const QString& text)
{
    Q_UNUSED(text)
}
