#include "markdownhighlighter.h"

#include "mark/markmodel.h"
#include "textarea/markdownevent.h"
#include "textarea/sensitivepattern.h"
#include "textarea/textrules.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QSettings>
#include <QTextDocument>
#include <QTimer>

namespace {
bool autoMarkSensitiveWords()
{
    return QSettings().value(QStringLiteral("Subtle/AutoMark"), true).toBool();
}

MarkdownHighlighter::HighlightingRule rule(const QString& pattern, const char* markers, int state,
                                           int formatGroup = 0, int markupGroup = 0,
                                           bool setsBlockState = false)
{
    MarkdownHighlighter::HighlightingRule r;
    r.pattern = QRegularExpression(pattern);
    r.markers = markers;
    r.state = state;
    r.formatGroup = formatGroup;
    r.markupGroup = markupGroup;
    r.setsBlockState = setsBlockState;
    return r;
}
}

MarkdownHighlighter::MarkdownHighlighter(QObject* parent)
    : QSyntaxHighlighter(parent)
{
    init();
}

MarkdownHighlighter::MarkdownHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(document)
{
    init();
}

void MarkdownHighlighter::init()
{
    // The mark model reaches QML through the markModel property.
    qRegisterMetaType<MarkModel*>("MarkModel*");
    m_defaultFontSize = QSettings().value(QStringLiteral("Edit/FontSize"), 12).toDouble();
    m_markModel = new MarkModel(this);
    m_event = new MarkdownEvent(this);
    m_timer = new QTimer(this);
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &MarkdownHighlighter::timerTick);
    m_timer->start();
    initTextFormats(int(m_defaultFontSize));
    initHighlightingRules();
    connect(m_markModel, &MarkModel::markModelChanged, this, &MarkdownHighlighter::onMarkModelChanged);
}

// ---- formats and rules -----------------------------------------------------

QTextCharFormat& MarkdownHighlighter::formatOf(int state)
{
    return m_formats[state];
}

void MarkdownHighlighter::initTextFormats(double size)
{
    // A size of 0 is no font size at all; formats keep what they had.
    if (size <= 0)
        return;
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    QTextCharFormat format;
    format.setForeground(m_wordColor);
    format.setFontPointSize(size);

    format.setFontPointSize(size * m_titleMultiple);
    format.setForeground(m_titleColorSame ? m_wordColor : QColor(m_titleColor));
    m_formats[StateHeading1] = format;
    format.setFontPointSize(size * 6);
    m_formats[StateHeading2] = format;
    format.setFontPointSize(size * 4);
    m_formats[StateHeading3] = format;
    format.setFontPointSize(size * 3);
    m_formats[StateHeading4] = format;
    format.setFontPointSize(size + 2);
    m_formats[StateHeading5] = format;
    format.setFontPointSize(size);
    m_formats[StateHeading6] = format;

    format = QTextCharFormat();
    format.setForeground(QColor(Qt::darkGray));
    format.setBackground(QColor(Qt::lightGray));
    m_formats[StateRule] = format;

    format = QTextCharFormat();
    format.setForeground(QColor(163, 0, 123));
    m_formats[StateListItem] = format;

    format = QTextCharFormat();
    format.setForeground(QColor(QStringLiteral("blue")));
    m_formats[StateLink] = format;

    format = QTextCharFormat();
    format.setForeground(QColor(0, 191, 0));
    format.setBackground(QColor(228, 255, 228));
    m_formats[StateImage] = format;

    format = QTextCharFormat();
    format.setFont(fixed);
    format.setFontPointSize(size);
    format.setForeground(QColor(Qt::darkGreen));
    format.setBackground(QColor(217, 231, 217));
    m_formats[StateCodeBlock] = format;
    m_formats[StateInlineCode] = format;

    format = QTextCharFormat();
    format.setFontWeight(1);
    format.setForeground(QColor(0, 87, 174));
    m_formats[StateEmphasis] = format;

    format = QTextCharFormat();
    format.setFontWeight(QFont::Bold);
    format.setForeground(QColor(0, 66, 138));
    m_formats[StateStrong] = format;

    format = QTextCharFormat();
    format.setForeground(QColor(Qt::gray));
    m_formats[StateComment] = format;

    format = QTextCharFormat();
    format.setForeground(QColor(QStringLiteral("#cccccc")));
    m_formats[StateMarkup] = format;

    format = QTextCharFormat();
    format.setFont(fixed);
    format.setFontPointSize(size);
    format.setForeground(QColor(QStringLiteral("#649449")));
    m_formats[StateTable] = format;

    format = QTextCharFormat();
    format.setForeground(QColor(Qt::darkRed));
    m_formats[StateQuote] = format;

    if (autoMarkSensitiveWords()) {
        format = QTextCharFormat();
        format.setForeground(QColor(Qt::darkRed));
        m_formats[StateSensitiveWord] = format;
    }
    if (m_useMark) {
        format = QTextCharFormat();
        format.setFont(fixed);
        format.setFontUnderline(true);
        format.setFontPointSize(size);
        m_formats[StateMarkedWord] = format;
    }
}

void MarkdownHighlighter::initHighlightingRules()
{
    m_firstRules.clear();
    m_secondRules.clear();
    m_markRules.clear();

    m_firstRules << rule(QStringLiteral("^\\[.+?\\]: \\w+://.+$"), "[", StateMarkup)
                 << rule(QStringLiteral("^\\s*[-*+]\\s"), "-*+", StateListItem, 0, 0, true)
                 << rule(QStringLiteral("^\\s*\\d+\\.\\s"), ".", StateListItem, 0, 0, true)
                 << rule((m_options & FullyHighlightedBlockQuote) ? QStringLiteral("^\\s*(>\\s*.+)")
                                                                   : QStringLiteral("^\\s*(>\\s*)+"),
                         ">", StateQuote)
                 << rule(QStringLiteral("^([*\\-_]\\s?){3,}$"), "*-_", StateRule);

    m_secondRules << rule(QStringLiteral("(^|[^\\*\\b])(\\*([^\\* ][^\\*]*?)\\*)([^\\*\\b]|$)"), "*", StateEmphasis, 3, 2)
                  << rule(QStringLiteral("\\b_([^_]+)_\\b"), "_", StateEmphasis, 1)
                  << rule(QStringLiteral("\\B\\*{2}(.+?)\\*{2}\\B"), "*", StateStrong, 1)
                  << rule(QStringLiteral("\\b__(.+?)__\\b"), "_", StateStrong, 1)
                  << rule(QStringLiteral("\\b\\w+?:\\/\\/[^\\s]+"), ":", StateLink)
                  << rule(QStringLiteral("<([^\\s`][^`]*?[^\\s`])>"), "<", StateLink, 1)
                  << rule(QStringLiteral("\\[([^\\[\\]]+)\\]\\((\\S+|.+?)\\)\\B"), "[", StateLink, 1)
                  << rule(QStringLiteral("\\[\\]\\((.+?)\\)"), "[", StateLink, 1)
                  << rule(QStringLiteral("<(.+?@.+?)>"), "<", StateLink, 1)
                  << rule(QStringLiteral("\\[(.+?)\\]\\s?\\[.+?\\]"), "[", StateLink, 1)
                  << rule(QStringLiteral("!\\[(.+?)\\]\\(.+?\\)"), "[", StateImage, 1)
                  << rule(QStringLiteral("!\\[\\]\\((.+?)\\)"), "[", StateImage, 1)
                  << rule(QStringLiteral("\\[!\\[(.+?)\\]\\(.+?\\)\\]\\(.+?\\)"), "[", StateLink, 1)
                  << rule(QStringLiteral("\\[!\\[\\]\\(.+?\\)\\]\\((.+?)\\)"), "[", StateLink, 1)
                  << rule(QStringLiteral("`(.+?)`"), "`", StateInlineCode, 1)
                  << rule(QStringLiteral("<!\\-\\-(.+?)\\-\\->"), "<", StateComment, 1)
                  << rule(QStringLiteral("^\\[.+?\\]: # \\(.+?\\)$"), "[", StateComment, 1)
                  << rule(QStringLiteral("^\\|.+?\\|$"), "|", StateTable);

    // The sensitive-word pattern is built from literal words; an empty or
    // invalid pattern colours nothing, so no rule is made for it.
    if (autoMarkSensitiveWords() && !m_sensitiveWords.isEmpty()) {
        // Grouped, the hundreds of words cost one try at each character of a
        // line instead of one each; the highlighter runs on every key.
        HighlightingRule sensitive = rule(SensitivePattern::groupedByFirstCharacter(m_sensitiveWords), "", StateSensitiveWord);
        if (sensitive.pattern.isValid())
            m_secondRules << sensitive;
    }

    if (m_useMark && m_markModel) {
        for (const QString& word : m_markModel->wordList()) {
            if (word.isEmpty())
                continue;
            HighlightingRule mark = rule(QRegularExpression::escape(word), "", StateMarkedWord);
            mark.color = QColor(m_markModel->getColor(word));
            m_markRules << mark;
        }
    }
}

void MarkdownHighlighter::rebuildAll()
{
    initTextFormats(int(m_defaultFontSize));
    initHighlightingRules();
    rehighlight();
}

void MarkdownHighlighter::rebuildFormats()
{
    initTextFormats(int(m_defaultFontSize));
    rehighlight();
}

void MarkdownHighlighter::setHighlightingOptions(int options)
{
    m_options = options;
    initHighlightingRules();
}

// ---- highlighting ------------------------------------------------------------

void MarkdownHighlighter::sizeMarkup(QTextCharFormat& markup, const QTextCharFormat& like)
{
    // Formats without a size leave the markup at the text's own size
    // (a point size of 0 is not a font size).
    if (like.hasProperty(QTextFormat::FontPointSize) && like.fontPointSize() > 0)
        markup.setFontPointSize(like.fontPointSize());
    else
        markup.clearProperty(QTextFormat::FontPointSize);
}

// The ASCII characters a line holds, one bit each, found in one pass so
// that the rules whose markers are absent (most rules on most lines of
// prose) cost nothing.
struct MarkdownHighlighter::LineChars {
    quint64 bits[2] = {0, 0};

    explicit LineChars(const QString& text)
    {
        for (const QChar c : text) {
            const ushort u = c.unicode();
            if (u < 128)
                bits[u >> 6] |= quint64(1) << (u & 63);
        }
    }

    bool mayMatch(const HighlightingRule& rule) const
    {
        if (rule.markers.isEmpty())
            return true;
        for (const char c : rule.markers) {
            const uchar u = uchar(c);
            if (u < 128 && (bits[u >> 6] & (quint64(1) << (u & 63))))
                return true;
        }
        return false;
    }
};

void MarkdownHighlighter::highlightBlock(const QString& text)
{
    setCurrentBlockState(StateNone);
    if (!text.isEmpty()) {
        const LineChars chars(text);
        applyRules(m_firstRules, text, chars);
        highlightHeadline(text);
        applyRules(m_secondRules, text, chars);
        applyRules(m_markRules, text, chars);
    }
    highlightCommentBlock(text);
    highlightCodeBlock(text);
    m_highlightedSinceTick = true;
}

void MarkdownHighlighter::applyRules(const QList<HighlightingRule>& rules, const QString& text,
                                     const LineChars& chars)
{
    QTextCharFormat markup = formatOf(StateMarkup);
    for (const HighlightingRule& r : rules) {
        if (!chars.mayMatch(r))
            continue;
        QTextCharFormat format = formatOf(r.state);
        QRegularExpressionMatchIterator it = r.pattern.globalMatch(text);
        if (it.hasNext() && r.setsBlockState)
            setCurrentBlockState(r.state);
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            if (r.formatGroup > 0) {
                sizeMarkup(markup, format);
                if (match.capturedStart(r.markupGroup) >= 0)
                    setFormat(match.capturedStart(r.markupGroup), match.capturedLength(r.markupGroup), markup);
            }
            if (r.state == StateMarkedWord)
                format.setForeground(r.color);
            if (match.capturedStart(r.formatGroup) >= 0)
                setFormat(match.capturedStart(r.formatGroup), match.capturedLength(r.formatGroup), format);
        }
    }
}

void MarkdownHighlighter::highlightHeadline(const QString& text)
{
    QTextCharFormat markup = formatOf(StateMarkup);

    if (m_isMarkAutoChapter && TextRules::isCountedTitle(text, m_autoChapterKeys)) {
        sizeMarkup(markup, formatOf(StateHeading1));
        setFormat(0, text.length(), markup);
        setFormat(0, text.length(), formatOf(StateHeading1));
        setCurrentBlockState(StateHeading1);
        return;
    }

    // Each pattern below starts with a fixed character: lines that start
    // otherwise (nearly all of them) skip it.
    const QChar first = text.at(0);
    static const QRegularExpression atx(QStringLiteral("^(#+)\\s+(.+?)$"));
    const QRegularExpressionMatch heading = first == QLatin1Char('#') ? atx.match(text) : QRegularExpressionMatch();
    if (heading.hasMatch()) {
        const int level = heading.capturedLength(1);
        const int state = level >= 6 ? StateHeading6 : StateComment + level;
        sizeMarkup(markup, formatOf(state));
        setFormat(heading.capturedStart(0), heading.capturedLength(0), markup);
        setFormat(heading.capturedStart(2), heading.capturedLength(2), formatOf(state));
        setCurrentBlockState(state);
        return;
    }

    static const QRegularExpression equals(QStringLiteral("^=+$"));
    static const QRegularExpression dashes(QStringLiteral("^-+$"));
    const bool isEquals = first == QLatin1Char('=') && equals.match(text).hasMatch();
    if (isEquals || (first == QLatin1Char('-') && dashes.match(text).hasMatch())) {
        const int state = isEquals ? StateHeading1 : StateHeading2;
        QTextBlock previous = currentBlock().previous();
        if (previous.isValid()) {
            QString previousText = previous.text().trimmed();
            previousText.remove(QLatin1Char('=')).remove(QLatin1Char('-'));
            const int previousState = previous.userState();
            if ((previousState == state || previousState == StateNone) && !previousText.trimmed().isEmpty()) {
                sizeMarkup(markup, formatOf(state));
                setFormat(0, text.length(), markup);
                setCurrentBlockState(StateSetextUnderline);
                previous.setUserState(state);
                addDirtyBlock(previous);
            }
        }
        return;
    }

    const QTextBlock next = currentBlock().next();
    const QChar nextFirst = next.isValid() && next.length() > 1 ? document()->characterAt(next.position()) : QChar();
    if (nextFirst == QLatin1Char('=') || nextFirst == QLatin1Char('-')) {
        const QString nextText = next.text();
        const bool nextDashes = dashes.match(nextText).hasMatch();
        if (nextDashes || equals.match(nextText).hasMatch()) {
            setFormat(0, text.length(), formatOf(StateHeading1));
            setCurrentBlockState(StateHeading1);
            if (nextDashes) {
                setFormat(0, text.length(), formatOf(StateHeading2));
                setCurrentBlockState(StateHeading2);
            }
        }
    }
}

void MarkdownHighlighter::highlightCommentBlock(const QString& text)
{
    const QString trimmed = text.trimmed();
    const QString open = QStringLiteral("<!--");
    const QString close = QStringLiteral("-->");
    if (trimmed.startsWith(open) && trimmed.contains(close))
        return;
    if (trimmed.startsWith(open) || (!trimmed.endsWith(close) && previousBlockState() == StateComment)) {
        setCurrentBlockState(StateComment);
        setFormat(0, trimmed.length(), formatOf(StateComment));
    } else if (trimmed.endsWith(close)) {
        setFormat(0, trimmed.length(), formatOf(StateComment));
    }
}

void MarkdownHighlighter::highlightCodeBlock(const QString& text)
{
    static const QRegularExpression fence(QStringLiteral("^```\\w*?$"));
    if (text.startsWith(QLatin1Char('`')) && fence.match(text).hasMatch()) {
        setCurrentBlockState(previousBlockState() == StateCodeBlock ? StateCodeFenceEnd : StateCodeBlock);
        QTextCharFormat markup = formatOf(StateMarkup);
        sizeMarkup(markup, formatOf(StateCodeBlock));
        setFormat(0, text.length(), markup);
    } else if (previousBlockState() == StateCodeBlock) {
        setCurrentBlockState(StateCodeBlock);
        setFormat(0, text.length(), formatOf(StateCodeBlock));
    }
}

// ---- dirty blocks and the tick ---------------------------------------------

void MarkdownHighlighter::addDirtyBlock(const QTextBlock& block)
{
    if (!m_dirtyBlocks.contains(block))
        m_dirtyBlocks.append(block);
}

void MarkdownHighlighter::reHighlightDirtyBlocks()
{
    while (!m_dirtyBlocks.isEmpty()) {
        const QTextBlock block = m_dirtyBlocks.first();
        if (block.isValid() && block.document() == document())
            rehighlightBlock(block);
        m_dirtyBlocks.removeFirst();
    }
}

void MarkdownHighlighter::timerTick()
{
    reHighlightDirtyBlocks();
    if (m_highlightedSinceTick) {
        m_highlightedSinceTick = false;
        emit highlightingFinished();
    }
}

// ---- marked words under the mouse --------------------------------------------

QString MarkdownHighlighter::checkMarkText(int position) const
{
    QTextDocument* doc = document();
    if (!doc || !m_markModel || position < 0)
        return QString();
    const QTextBlock block = doc->findBlock(position);
    if (!block.isValid() || block.text().isEmpty())
        return QString();
    const QString pattern = m_markModel->markTextRegex();
    if (pattern.isEmpty())
        return QString();
    const int offset = position - block.position();
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(block.text());
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        if (match.capturedStart() <= offset && offset <= match.capturedEnd())
            return match.captured(0);
    }
    return QString();
}

void MarkdownHighlighter::clickedPosition(int position)
{
    emit markTextActivated(checkMarkText(position));
}

void MarkdownHighlighter::onMarkModelChanged()
{
    rebuildAll();
    emit markModelChanged();
}

// ---- properties ----------------------------------------------------------------

void MarkdownHighlighter::setWordColor(const QColor& color)
{
    if (m_wordColor == color)
        return;
    m_wordColor = color;
    emit wordColorChanged(color);
    rebuildAll();
}

void MarkdownHighlighter::setSensitiveWords(const QString& words)
{
    if (m_sensitiveWords == words)
        return;
    m_sensitiveWords = words;
    emit sensitiveWordsChanged(words);
    rebuildAll();
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
    m_dirtyBlocks.clear();
    QSyntaxHighlighter::setDocument(document);
    emit documentChanged(document);
}

void MarkdownHighlighter::setDefaultFontSize(double size)
{
    if (m_defaultFontSize == size)
        return;
    m_defaultFontSize = size;
    initTextFormats(size);
    initHighlightingRules();
    rehighlight();
    emit defaultFontSizeChanged(int(size));
}

void MarkdownHighlighter::setEventObjectName(const QString& name)
{
    if (m_eventObjectName == name)
        return;
    m_eventObjectName = name;
    if (!name.isEmpty()) {
        m_event->setEventObjectName(name);
        if (QCoreApplication* app = QCoreApplication::instance()) {
            app->removeEventFilter(m_event);
            app->installEventFilter(m_event);
        }
    }
    emit eventObjectNameChanged(name);
}

void MarkdownHighlighter::setTitleColorSame(bool value)
{
    if (m_titleColorSame == value)
        return;
    m_titleColorSame = value;
    emit TitleColorSameChanged(value);
    rebuildFormats();
}

void MarkdownHighlighter::setTitleMultiple(double value)
{
    if (m_titleMultiple == value)
        return;
    m_titleMultiple = value;
    emit TitleMultipleChanged(value);
    rebuildFormats();
}

void MarkdownHighlighter::setTitleColor(const QString& color)
{
    if (m_titleColor == color)
        return;
    m_titleColor = color;
    emit TitleColorChanged(color);
    rebuildFormats();
}

void MarkdownHighlighter::setFileName(const QUrl& fileName)
{
    if (m_fileName == fileName)
        return;
    m_fileName = fileName;
    if (m_markModel)
        m_markModel->setFileName(fileName);
    emit fileNameChanged();
}

void MarkdownHighlighter::setHoveredPosition(int position)
{
    if (m_hoveredPosition == position)
        return;
    m_hoveredPosition = position;
    emit hoveredPositionChanged();
    emit markTextHovered(checkMarkText(position));
}

void MarkdownHighlighter::setUseMark(bool value)
{
    if (m_useMark == value)
        return;
    m_useMark = value;
    emit useMarkChanged();
    rebuildAll();
}

void MarkdownHighlighter::setMarkModel(MarkModel* model)
{
    if (m_markModel == model)
        return;
    m_markModel = model;
    emit markModelChanged();
}
