#ifndef RTFREADER_H
#define RTFREADER_H

#include "formatreader.h"
#include "rtftokenizer.h"

#include <QHash>
#include <QScopedPointer>
#include <QSet>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QVector>

class QTextCodec;
class QTextDecoder;

// Reads Rich Text Format: paragraphs, alignment, indent, direction,
// headings, bold, italic, underline, strike-out, super- and subscript,
// special, hexadecimal and Unicode characters, code pages and font
// character sets.
class RtfReader : public FormatReader
{
public:
    RtfReader();
    ~RtfReader() override;

    static bool canRead(QIODevice* device);
    int type() const override;
    void readData(QIODevice* device) override;

    struct FunctionTable {
        struct Function {
            void (RtfReader::*handler)(int) = nullptr;
            int value = 0;
            // False for words that only close something (a table row): they
            // open no new paragraph of their own.
            bool opensBlock = true;
        };
        void (RtfReader::*text)(const QString&) = nullptr;
        QHash<QByteArray, Function> words;
    };

private:
    struct State {
        QTextBlockFormat blockFormat;
        QTextCharFormat charFormat;
        bool ignoreControlWords = false;
        bool ignoreText = false;
        int skip = 1;
        int activeFont = 0;
        const FunctionTable* table = nullptr;
        int styleId = 0;
        // Which text the associated properties (\ab, \ai) apply to:
        // right-to-left (\rtlch) or double-byte East Asian (\dbch) text.
        bool rightToLeftChars = false;
        bool doubleByteChars = false;
    };
    struct Style {
        QTextBlockFormat blockFormat;
        QTextCharFormat charFormat;
        const FunctionTable* table = nullptr;
        QSet<int> children;
    };

    void pushState();
    void popState();
    void endGroup();
    void handleText(const QByteArray& bytes);
    void setActiveCodec(QTextCodec* codec);
    static QTextCodec* codecForPage(int page);

public:
    // Handlers named by the control-word tables.
    void endBlock(int);
    void ignoreGroup(int);
    void ignoreText(int);
    void setSkipCharacters(int value);
    void insertSymbol(int value);
    void insertHexSymbol(int);
    void insertUnicodeSymbol(int value);
    void resetBlockFormatting(int);
    void resetTextFormatting(int);
    void setBlockAlignment(int value);
    void setBlockIndent(int value);
    void setBlockDirection(int value);
    void setOutlineLevel(int value);
    void setTextBold(int value);
    void setTextItalic(int value);
    void setAssociatedBold(int value);
    void setAssociatedItalic(int value);
    void setRightToLeftChars(int value);
    void setDoubleByteChars(int value);
    void setTextStrikeOut(int value);
    void setTextUnderline(int value);
    void setTextVerticalAlignment(int value);
    void setCodepage(int value);
    void setFont(int value);
    void setFontCodepage(int value);
    void setFontCharset(int value);
    void startStyleSheet(int);
    void setStyle(int value);
    void setStyleId(int value);
    void setStyleParent(int value);
    void insertText(const QString& text);
    void setStyleName(const QString& text);
    void setStyleEnd();
    void setStyleSheetEnd();

private:
    void mergeBlock(const QTextBlockFormat& format);
    void mergeChar(const QTextCharFormat& format);
    bool openBlock();
    void flushText();

    RtfTokenizer m_tokenizer;
    bool m_inBlock = true;
    QVector<State> m_states;
    // Text waiting to be inserted in one piece, with its format: a run of
    // \u characters becomes one insertion, not one per character.
    QString m_pendingText;
    QTextCharFormat m_pendingFormat;
    QHash<int, Style> m_styles;
    State m_state;
    QTextBlockFormat m_defaultBlockFormat;
    QTextCodec* m_codec = nullptr;
    QScopedPointer<QTextDecoder> m_decoder;
    QTextCodec* m_defaultCodec = nullptr;
    // Font number to codec; a hash, so a file naming font 2000000000 costs
    // one entry, not a vector of that length.
    QHash<int, QTextCodec*> m_fontCodecs;
    // End-of-group handler of the style-sheet table, kept per reader so the
    // shared tables stay read-only.
    void (RtfReader::*m_styleSheetEnd)() = nullptr;
};

#endif
