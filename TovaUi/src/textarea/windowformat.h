#ifndef WINDOWFORMAT_H
#define WINDOWFORMAT_H

#include "TovaUi/textarea/editorparts.h"

#include <QColor>
#include <QString>

class QTextCharFormat;

// The format of the window's text. The paragraph format (line spacing,
// paragraph spacing and first-line indent, as multiples of the font size)
// is applied to every block of the window whenever the window is filled or
// rebuilt; the whole document has none. The rich-text character format
// (bold ... alignment) is read at the window's cursor and applied to the
// text area's selection, or the character before its cursor; only rich
// documents use it.
class WindowFormat
{
public:
    explicit WindowFormat(const EditorParts& parts);

    double lineSpacing() const { return m_lineSpacing; }
    void setLineSpacing(double value);
    double paragraphHeight() const { return m_paragraphHeight; }
    void setParagraphHeight(double value);
    double textIndent() const { return m_textIndent; }
    void setTextIndent(double value);
    // Applies the paragraph format (the held one, or the one given).
    void apply();
    void apply(double lineSpacing, double paragraphHeight, double textIndent);

    bool bold() const;
    void setBold(bool value);
    bool italic() const;
    void setItalic(bool value);
    bool underline() const;
    void setUnderline(bool value);
    QString fontFamily() const;
    void setFontFamily(const QString& value);
    int fontSize() const;
    void setFontSize(int value);
    QColor textColor() const;
    void setTextColor(const QColor& value);
    Qt::Alignment alignment() const;
    void setAlignment(Qt::Alignment value);
    // The cursor moved: every character format may read differently.
    void cursorMoved();

private:
    void applyCharFormat(const QTextCharFormat& format);
    QTextCharFormat cursorFormat() const;

    const EditorParts& m_parts;
    double m_lineSpacing = 0.2;
    double m_paragraphHeight = 0.2;
    double m_textIndent = 0;
};

#endif
