#include "makeuper.h"

#include "support/log.h"

#include <QRegularExpression>
#include <QSettings>
#include <QTextDocument>

const QString makeuper::deleteKey = QString(QChar(0x2423));

namespace {
const QChar kIdeographicSpace(0x3000);

bool isBlank(const QString& line) { return line.trimmed().isEmpty(); }
}

makeuper::makeuper(QObject* parent)
    : QThread(parent)
{
    QSettings settings;
    m_appendEmptyLineAtEnd = settings.value(QStringLiteral("makeup/appendEmptyLineAtEnd"), true).toBool();
    m_removeEmptyLines = settings.value(QStringLiteral("makeup/removeEmptyLines"), true).toBool();
    m_spacesAtFront = settings.value(QStringLiteral("makeup/spacesAtFront"), true).toBool();
    m_removeSpaces = settings.value(QStringLiteral("makeup/removeSpaces"), false).toBool();
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

void makeuper::setRules(bool appendEmptyLineAtEnd, bool removeEmptyLines, bool spacesAtFront, bool removeSpaces)
{
    m_appendEmptyLineAtEnd = appendEmptyLineAtEnd;
    m_removeEmptyLines = removeEmptyLines;
    m_spacesAtFront = spacesAtFront;
    m_removeSpaces = removeSpaces;
}

void makeuper::setTextList(const QStringList& textList)
{
    if (m_textList == textList)
        return;
    m_textList = textList;
    emit textListChanged(m_textList);
}

void makeuper::run()
{
    makeup();
}

void makeuper::makeup()
{
    if (m_document)
        makeupDocument();
    else
        makeupText();
}

void makeuper::makeupDocument()
{
    logDebug(lcEditor) << "makeup document";
    setTextList(m_document->toPlainText().split(QRegularExpression(QStringLiteral("[\r\n]"))));
    makeupText();
}

// Leading spaces go, spaces after non-ASCII text or after a space go; the
// first space after an ASCII character stays.
QString makeuper::removeSpaces(const QString& line)
{
    if (!line.contains(QLatin1Char(' ')) && !line.contains(kIdeographicSpace))
        return line;
    QString out;
    out.reserve(line.size());
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        const bool space = c == QLatin1Char(' ') || c == kIdeographicSpace;
        if (space) {
            if (i == 0)
                continue;
            const QChar before = line.at(i - 1);
            if (before.unicode() > 0x7f || before == QLatin1Char(' '))
                continue;
        }
        out.append(c);
        if (i > 0 && i % 512 == 0)
            QThread::usleep(1);
    }
    return out;
}

QString makeuper::removeEmptyLines(const QString& line)
{
    if (line == deleteKey || isBlank(line))
        return deleteKey;
    return line;
}

QString makeuper::spacesAtFront(const QString& line)
{
    if (line == deleteKey)
        return deleteKey;
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty())
        return QString();
    return QString(2, kIdeographicSpace) + trimmed;
}

QStringList makeuper::appendEmptyLineAtEnd(const QString& line)
{
    if (line == deleteKey)
        return { deleteKey };
    return { QString(), line };
}

void makeuper::makeupText()
{
    emit typesetStarted();
    const QStringList lines = m_textList;
    const int count = lines.size();
    QStringList result;
    QString previous;
    for (int number = 1; number <= count; ++number) {
        emit blockSetted(number);
        QString line = lines.at(number - 1);
        if (m_removeSpaces)
            line = removeSpaces(line);
        if (m_removeEmptyLines)
            line = removeEmptyLines(line);
        if (m_spacesAtFront)
            line = spacesAtFront(line);

        if (m_appendEmptyLineAtEnd && !isBlank(previous) && !isBlank(line) && line != deleteKey) {
            result << appendEmptyLineAtEnd(line);
            continue;
        }
        if (line == deleteKey)
            continue;
        if (number == count && isBlank(line))
            continue;
        previous = line;
        result << line;
    }
    emit makeupFinished(result);
}
