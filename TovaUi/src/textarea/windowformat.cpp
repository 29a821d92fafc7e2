#include "windowformat.h"

#include "textarea/editwindow.h"
#include "textarea/lazytextdocument.h"
#include "textarea/writerselection.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

WindowFormat::WindowFormat(const EditorParts& parts)
    : m_parts(parts)
{
}

void WindowFormat::setLineSpacing(double value)
{
    if (qFuzzyCompare(value, m_lineSpacing))
        return;
    m_lineSpacing = value;
    apply();
    emit m_parts.document->lineSpacingChanged();
}

void WindowFormat::setParagraphHeight(double value)
{
    if (qFuzzyCompare(value, m_paragraphHeight))
        return;
    m_paragraphHeight = value;
    apply();
    emit m_parts.document->paragraphHeightChanged();
}

void WindowFormat::setTextIndent(double value)
{
    if (qFuzzyCompare(value, m_textIndent))
        return;
    m_textIndent = value;
    apply();
    emit m_parts.document->textIndentChanged();
}

void WindowFormat::apply()
{
    apply(m_lineSpacing, m_paragraphHeight, m_textIndent);
}

void WindowFormat::apply(double lineSpacing, double paragraphHeight, double textIndent)
{
    EditWindow* window = m_parts.window;
    QTextDocument* document = window->document();
    if (!document)
        return;
    double size = 0;
    if (!window->cursor().isNull()) {
        const QTextCharFormat format = window->cursor().charFormat();
        size = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : 0;
        if (size <= 0) {
            const QFont font = document->defaultFont();
            size = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
        }
    }
    QTextBlockFormat format;
    format.setLineHeight((lineSpacing - 0.2) * size, QTextBlockFormat::LineDistanceHeight);
    format.setTextIndent(size * textIndent);
    format.setTopMargin((paragraphHeight - 0.2) * size);
    format.setBottomMargin((paragraphHeight - 0.2) * size);
    const bool wasConnected = window->isConnected();
    window->connectEditAndAllDocument(false);
    QTextCursor cursor(document);
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(format);
    if (wasConnected)
        window->connectEditAndAllDocument(true);
}

void WindowFormat::cursorMoved()
{
    LazyTextDocument* document = m_parts.document;
    emit document->boldChanged();
    emit document->italicChanged();
    emit document->underlineChanged();
    emit document->fontFamilyChanged();
    emit document->fontSizeChanged();
    emit document->textColorChanged();
    emit document->alignmentChanged();
}

QTextCharFormat WindowFormat::cursorFormat() const
{
    return m_parts.window->cursor().charFormat();
}

void WindowFormat::applyCharFormat(const QTextCharFormat& format)
{
    if (!m_parts.window->document())
        return;
    QTextCursor cursor = m_parts.selection->shownCursor();
    if (!cursor.hasSelection())
        cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
}

bool WindowFormat::bold() const
{
    return !m_parts.window->cursor().isNull() && cursorFormat().fontWeight() == QFont::Bold;
}

void WindowFormat::setBold(bool value)
{
    QTextCharFormat format;
    format.setFontWeight(value ? QFont::Bold : QFont::Normal);
    applyCharFormat(format);
    emit m_parts.document->boldChanged();
}

bool WindowFormat::italic() const
{
    return !m_parts.window->cursor().isNull() && cursorFormat().fontItalic();
}

void WindowFormat::setItalic(bool value)
{
    QTextCharFormat format;
    format.setFontItalic(value);
    applyCharFormat(format);
    emit m_parts.document->italicChanged();
}

bool WindowFormat::underline() const
{
    return !m_parts.window->cursor().isNull() && cursorFormat().fontUnderline();
}

void WindowFormat::setUnderline(bool value)
{
    QTextCharFormat format;
    format.setFontUnderline(value);
    applyCharFormat(format);
    emit m_parts.document->underlineChanged();
}

QString WindowFormat::fontFamily() const
{
    return m_parts.window->cursor().isNull() ? QString() : cursorFormat().font().family();
}

void WindowFormat::setFontFamily(const QString& value)
{
    QTextCharFormat format;
    format.setFontFamily(value);
    applyCharFormat(format);
    emit m_parts.document->fontFamilyChanged();
}

int WindowFormat::fontSize() const
{
    return m_parts.window->cursor().isNull() ? 0 : int(cursorFormat().font().pointSize());
}

void WindowFormat::setFontSize(int value)
{
    if (value <= 0 || value == fontSize() || !m_parts.window->document())
        return;
    QTextCharFormat format;
    format.setFontPointSize(value);
    QTextCursor cursor = m_parts.selection->shownCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    cursor.mergeCharFormat(format);
    emit m_parts.document->fontSizeChanged();
}

QColor WindowFormat::textColor() const
{
    if (m_parts.window->cursor().isNull())
        return QColor(Qt::black);
    return cursorFormat().foreground().color();
}

void WindowFormat::setTextColor(const QColor& value)
{
    QTextCharFormat format;
    format.setForeground(value);
    applyCharFormat(format);
    emit m_parts.document->textColorChanged();
}

Qt::Alignment WindowFormat::alignment() const
{
    if (m_parts.window->cursor().isNull())
        return Qt::AlignLeft;
    const Qt::Alignment value = m_parts.window->cursor().blockFormat().alignment();
    return value ? value : Qt::AlignLeft;
}

void WindowFormat::setAlignment(Qt::Alignment value)
{
    if (!m_parts.window->document())
        return;
    QTextBlockFormat format;
    format.setAlignment(value);
    QTextCursor cursor = m_parts.selection->shownCursor();
    cursor.mergeBlockFormat(format);
    emit m_parts.document->alignmentChanged();
}
