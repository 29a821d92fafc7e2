#include "formatreader.h"

#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>

FormatReader::FormatReader() = default;
FormatReader::~FormatReader() = default;

int FormatReader::type() const
{
    return 0;
}

FormatReader::ReadSession::ReadSession(FormatReader* reader)
    : m_reader(reader)
    , m_document(reader->m_cursor.document())
{
    reader->m_meter.start(reader->m_limits);
    if (m_document) {
        m_undo = m_document->isUndoRedoEnabled();
        m_document->setUndoRedoEnabled(false);
    }
}

FormatReader::ReadSession::~ReadSession()
{
    if (m_reader->m_error.isEmpty() && m_reader->m_meter.failed())
        m_reader->m_error = m_reader->m_meter.errorString();
    if (m_document && m_undo)
        m_document->setUndoRedoEnabled(true);
}

bool FormatReader::insertText(const QString& text, const QTextCharFormat& format)
{
    if (!m_meter.addCharacters(text.size()))
        return false;
    m_cursor.insertText(text, format);
    return true;
}

bool FormatReader::insertBlock(const QTextBlockFormat& blockFormat, const QTextCharFormat& charFormat)
{
    if (!m_meter.addParagraph(m_cursor.block().length() <= 1))
        return false;
    m_cursor.insertBlock(blockFormat, charFormat);
    return true;
}

bool FormatReader::read(QIODevice* device, QTextDocument* document)
{
    m_cursor = QTextCursor(document);
    m_cursor.movePosition(QTextCursor::End);
    readData(device);
    return m_error.isEmpty();
}

void FormatReader::inherit(QTextBlockFormat& block, QTextCharFormat& chars, const QTextBlockFormat& baseBlock,
                           const QTextCharFormat& baseChars)
{
    QTextBlockFormat mergedBlock = baseBlock;
    mergedBlock.merge(block);
    QTextCharFormat mergedChars = baseChars;
    mergedChars.merge(chars);
    block = mergedBlock;
    chars = mergedChars;
}

namespace FormatHeading {

int level(const QTextBlockFormat& format)
{
    return format.intProperty(QTextFormat::UserProperty);
}

void setLevel(QTextBlockFormat& format, int level)
{
    format.setProperty(QTextFormat::UserProperty, level);
}

int levelFromStyleName(const QString& name, int digitAt)
{
    if (!name.startsWith(QLatin1String("Head")))
        return 0;
    const int index = name.size() - 1 - digitAt;
    if (index < 0)
        return 1;
    const int digit = name.at(index).digitValue();
    return qBound(1, digit, 6);
}

}

namespace FormatAlignment {

Edge edge(const QTextBlockFormat& format)
{
    const Qt::Alignment alignment = format.alignment();
    if (alignment & (Qt::AlignHCenter | Qt::AlignVCenter))
        return Centre;
    if (alignment & Qt::AlignJustify)
        return Justify;
    bool left = !(alignment & Qt::AlignRight);
    if (format.layoutDirection() == Qt::RightToLeft && !(alignment & Qt::AlignAbsolute))
        left = !left;
    return left ? LeftEdge : RightEdge;
}

}
