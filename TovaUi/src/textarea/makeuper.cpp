#include "makeuper.h"

#include "support/log.h"

#include <QRegularExpression>
#include <QTextDocument>

makeuper::makeuper(QObject* parent)
    : QThread(parent)
{
    connect(this, &QThread::finished, this, &QObject::deleteLater);
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
    PLOG << "makeup document";
    setTextList(m_document->toPlainText().split(QRegularExpression(QStringLiteral("[\r\n]"))));
    makeupText();
}

// The typesetting rules themselves are not built yet: the lines come back
// as they went in, so a request leaves the text unchanged.
void makeuper::makeupText()
{
    emit typesetStarted();
    const QStringList lines = m_textList;
    for (int i = 0; i < lines.size(); ++i)
        emit blockSetted(i + 1);
    emit makeupFinished(lines);
}
