#ifndef DOCXREADER_H
#define DOCXREADER_H

#include "formatreader.h"

#include <QHash>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QVector>
#include <QXmlStreamReader>

// Reads the text of an Office Open XML word-processing package
// ("word/styles.xml" and "word/document.xml") with a small subset of
// paragraph and character properties.
class DocxReader : public FormatReader
{
public:
    DocxReader();

    static bool canRead(QIODevice* device);
    int type() const override;
    void readData(QIODevice* device) override;

private:
    enum StyleType { ParagraphStyle, CharacterStyle };
    struct Style {
        StyleType type = ParagraphStyle;
        QTextBlockFormat blockFormat;
        QTextCharFormat charFormat;
    };

    void readContent();
    void readStyles();
    void readStyle();
    void readDocument();
    void readBody();
    void readParagraph();
    void readRun();
    void readText();
    void readParagraphProperties(Style& style, bool allowStyles);
    void readRunProperties(Style& style, bool allowStyles);
    void applyStyle(Style& target, const QString& id);
    void resolveWaiting(const QString& id, QStringList& visited);
    bool readBool() const;
    QString value() const;

    QXmlStreamReader m_xml;
    QHash<QString, Style> m_styles;
    QVector<Style> m_styleStack;
    Style m_current;
    bool m_inBlock = false;
    QHash<int, QString> m_defaultStyles;
    QHash<QString, QStringList> m_waiting;
};

#endif
