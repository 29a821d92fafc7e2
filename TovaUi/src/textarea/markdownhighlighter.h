#ifndef MARKDOWNHIGHLIGHTER_H
#define MARKDOWNHIGHLIGHTER_H

#include <QColor>
#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QStringList>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include "TovaUi/mark/markmodel.h"
class MarkdownEvent;
class QTimer;


// Highlights the editor window document: Markdown syntax, chapter titles,
// sensitive words and marked words, and tells which marked word lies under
// a position. Lines that depend on the next line (setext titles) are
// highlighted again on a 1000 ms tick, never from inside another line.
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
    Q_PROPERTY(MarkModel* markModel READ markModel WRITE setMarkModel NOTIFY markModelChanged)

public:
    enum HighlighterState {
        StateNone = -1,
        StateLink = 0,
        StateImage = 3,
        StateCodeBlock = 4,
        StateEmphasis = 7,
        StateStrong = 8,
        StateListItem = 9,
        StateComment = 11,
        StateHeading1 = 12,
        StateHeading2 = 13,
        StateHeading3 = 14,
        StateHeading4 = 15,
        StateHeading5 = 16,
        StateHeading6 = 17,
        StateQuote = 18,
        StateRule = 21,
        StateTable = 22,
        StateInlineCode = 23,
        StateMarkup = 24,
        StateCodeFenceEnd = 100,
        StateSetextUnderline = 101,
        StateSensitiveWord = 102,
        StateMarkedWord = 105
    };
    Q_ENUM(HighlighterState)

    struct HighlightingRule {
        QRegularExpression pattern;
        // The pattern matches only lines holding one of these ASCII
        // characters; other lines skip it. Empty: every line is tried.
        QByteArray markers;
        int state = 0;
        int formatGroup = 0;
        int markupGroup = 0;
        bool setsBlockState = false;
        QColor color = QColor(Qt::red);
    };

    // Bit 0: the block-quote rule takes the whole quoted text.
    enum HighlightingOption { FullyHighlightedBlockQuote = 0x01 };

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
    MarkModel* markModel() const { return m_markModel; }
    void setMarkModel(MarkModel* model);

    Q_INVOKABLE void clickedPosition(int position);
    // The marked word under a position of the highlighted document, or "".
    QString checkMarkText(int position) const;

    QHash<int, QTextCharFormat> textFormats() const { return m_formats; }
    void setTextFormats(const QHash<int, QTextCharFormat>& formats) { m_formats = formats; }
    void setTextFormat(int state, const QTextCharFormat& format) { m_formats[state] = format; }
    void setHighlightingOptions(int options);
    void setTypeCursor(const QTextCursor& cursor) { m_typeCursor = cursor; }
    void clearDirtyBlocks() { m_dirtyBlocks.clear(); }
    void addDirtyBlock(const QTextBlock& block);
    void reHighlightDirtyBlocks();
    int dirtyBlockCount() const { return m_dirtyBlocks.size(); }
    // The Markdown syntax rules, in the order they are applied.
    QList<HighlightingRule> syntaxRules() const { return m_firstRules + m_secondRules; }

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

public slots:
    void onMarkModelChanged();
    void timerTick();

protected:
    void highlightBlock(const QString& text) override;

private:
    struct LineChars;
    void init();
    void initTextFormats(double size);
    void initHighlightingRules();
    void rebuildAll();
    void rebuildFormats();
    void applyRules(const QList<HighlightingRule>& rules, const QString& text, const LineChars& chars);
    void highlightHeadline(const QString& text);
    void highlightCommentBlock(const QString& text);
    void highlightCodeBlock(const QString& text);
    QTextCharFormat& formatOf(int state);
    static void sizeMarkup(QTextCharFormat& markup, const QTextCharFormat& like);

    QList<HighlightingRule> m_firstRules;
    QList<HighlightingRule> m_secondRules;
    QList<HighlightingRule> m_markRules;
    QHash<int, QTextCharFormat> m_formats;
    QList<QTextBlock> m_dirtyBlocks;
    QTimer* m_timer = nullptr;
    bool m_highlightedSinceTick = false;
    MarkModel* m_markModel = nullptr;
    MarkdownEvent* m_event = nullptr;
    int m_options = 0;
    QTextCursor m_typeCursor;

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
