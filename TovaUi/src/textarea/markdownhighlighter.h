#ifndef MARKDOWNHIGHLIGHTER_H
#define MARKDOWNHIGHLIGHTER_H

#include <QColor>
#include <QStringList>
#include <QSyntaxHighlighter>
#include <QTextDocument>
#include <QUrl>


// Highlights the editor window document: Markdown syntax, chapter titles,
// sensitive words and marked words. This class carries its QML interface;
// the highlighting rules come with the editor's Markdown support.
class MarkdownHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT
    Q_PROPERTY(QColor wordColor READ wordColor WRITE setWordColor NOTIFY wordColorChanged)
    Q_PROPERTY(QString sensitiveWords READ sensitiveWords WRITE setSensitiveWords NOTIFY sensitiveWordsChanged)
    Q_PROPERTY(bool isMarkAutoChapter READ isMarkAutoChapter WRITE setIsMarkAutoChapter NOTIFY isMarkAutoChapterChanged)
    Q_PROPERTY(bool isTypewriter READ isTypewriter WRITE setIsTypewriter NOTIFY isTypewriterChanged)
    Q_PROPERTY(int typewriterFocusedText READ typewriterFocusedText WRITE setTypewriterFocusedText NOTIFY typewriterFocusedTextChanged)
    Q_PROPERTY(QStringList autoChapterKeys READ autoChapterKeys WRITE setAutoChapterKeys NOTIFY autoChapterKeysChanged)
    Q_PROPERTY(QTextDocument* document READ document WRITE setDocument NOTIFY documentChanged)
    Q_PROPERTY(double defaultFontSize READ defaultFontSize WRITE setDefaultFontSize NOTIFY defaultFontSizeChanged)
    Q_PROPERTY(QString eventObjectName READ eventObjectName WRITE setEventObjectName NOTIFY eventObjectNameChanged)
    Q_PROPERTY(bool TitleColorSame READ titleColorSame WRITE setTitleColorSame NOTIFY TitleColorSameChanged)
    Q_PROPERTY(double TitleMultiple READ titleMultiple WRITE setTitleMultiple NOTIFY TitleMultipleChanged)
    Q_PROPERTY(QString TitleColor READ titleColor WRITE setTitleColor NOTIFY TitleColorChanged)
    Q_PROPERTY(QUrl fileName READ fileName WRITE setFileName NOTIFY fileNameChanged)
    Q_PROPERTY(int hoveredPosition READ hoveredPosition WRITE setHoveredPosition NOTIFY hoveredPositionChanged)
    Q_PROPERTY(bool useMark READ useMark WRITE setUseMark NOTIFY useMarkChanged)

public:
    explicit MarkdownHighlighter(QObject* parent = nullptr);
    explicit MarkdownHighlighter(QTextDocument* document);

    QColor wordColor() const { return m_wordColor; }
    void setWordColor(const QColor& color);
    QString sensitiveWords() const { return m_sensitiveWords; }
    void setSensitiveWords(const QString& words);
    bool isMarkAutoChapter() const { return m_isMarkAutoChapter; }
    void setIsMarkAutoChapter(bool value);
    bool isTypewriter() const { return m_isTypewriter; }
    void setIsTypewriter(bool value);
    int typewriterFocusedText() const { return m_typewriterFocusedText; }
    void setTypewriterFocusedText(int value);
    QStringList autoChapterKeys() const { return m_autoChapterKeys; }
    void setAutoChapterKeys(const QStringList& keys);
    QTextDocument* document() const { return QSyntaxHighlighter::document(); }
    void setDocument(QTextDocument* document);
    double defaultFontSize() const { return m_defaultFontSize; }
    void setDefaultFontSize(double size);
    QString eventObjectName() const { return m_eventObjectName; }
    void setEventObjectName(const QString& name);
    bool titleColorSame() const { return m_titleColorSame; }
    void setTitleColorSame(bool value);
    double titleMultiple() const { return m_titleMultiple; }
    void setTitleMultiple(double value);
    QString titleColor() const { return m_titleColor; }
    void setTitleColor(const QString& color);
    QUrl fileName() const { return m_fileName; }
    void setFileName(const QUrl& fileName);
    int hoveredPosition() const { return m_hoveredPosition; }
    void setHoveredPosition(int position);
    bool useMark() const { return m_useMark; }
    void setUseMark(bool value);

    Q_INVOKABLE void clickedPosition(int position);

signals:
    void highlightingFinished();
    void sensitiveWordsChanged(QString sensitiveWords);
    void wordColorChanged(QColor wordColor);
    void isMarkAutoChapterChanged(bool isMarkAutoChapter);
    void isTypewriterChanged(bool isTypewriter);
    void typewriterFocusedTextChanged(int typewriterFocusedText);
    void autoChapterKeysChanged(QStringList autoChapterKeys);
    void documentChanged(QTextDocument* document);
    void defaultFontSizeChanged(int defaultFontSize);
    void eventObjectNameChanged(QString eventObjectName);
    void markModelChanged();
    void fileNameChanged();
    void hoveredPositionChanged();
    void markTextHovered(QString markText);
    void markTextActivated(QString markText);
    void TitleColorChanged(QString TitleColor);
    void TitleMultipleChanged(double TitleMultiple);
    void TitleColorSameChanged(bool TitleColorSame);
    void useMarkChanged();

protected:
    void highlightBlock(const QString& text) override;

private:
    void readDefaults();

    QColor m_wordColor = QColor(Qt::black);
    QString m_sensitiveWords;
    bool m_isMarkAutoChapter = false;
    bool m_isTypewriter = false;
    int m_typewriterFocusedText = 0;
    QStringList m_autoChapterKeys;
    double m_defaultFontSize = 12;
    QString m_eventObjectName;
    bool m_titleColorSame = true;
    double m_titleMultiple = 1.5;
    QString m_titleColor = QStringLiteral("black");
    QUrl m_fileName;
    int m_hoveredPosition = 0;
    bool m_useMark = true;
};

#endif
