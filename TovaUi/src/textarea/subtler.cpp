#include "subtler.h"

#include "textarea/chineseletterhelper.h"

#include <QRegularExpression>
#include <QSettings>

namespace {
// Passes over one word in one line; also ends patterns that keep matching.
constexpr int kMaxPasses = 101;

void sleepMs(unsigned long ms) { QThread::msleep(ms); }
}

Subtler::Subtler(QString text, QUrl fileName, const QString& sensitiveWords)
    : m_text(std::move(text))
    , m_words(sensitiveWords.split(QLatin1Char('|')))
    , m_fileName(std::move(fileName))
{
}

QString Subtler::maskOf(const QString& matched, int style)
{
    switch (style) {
    case Dashes: {
        QString out;
        for (int i = 0; i < matched.size(); ++i) {
            if (i > 0)
                out.append(QLatin1Char('-'));
            out.append(matched.at(i));
        }
        return out;
    }
    case Asterisks:
        return QString(matched.size(), QLatin1Char('*'));
    case Pinyin:
        return ChineseLetterHelper::GetPinyins(matched);
    case Meow:
        return QString(matched.size(), QChar(0x55B5));
    case Woof:
        return QString(matched.size(), QChar(0x6C6A));
    default:
        return matched;
    }
}

QString Subtler::maskText(const QString& text, const QStringList& words, int style, void (*pause)(unsigned long))
{
    QStringList scan = text.split(QRegularExpression(QStringLiteral("[\r\n]")));
    QStringList output = scan;
    if (!text.isEmpty() && style != RedOnly) {
        // One expression per word, built once; words that are not valid
        // expressions match nothing.
        QList<QRegularExpression> expressions;
        for (const QString& word : words) {
            if (word.isEmpty())
                continue;
            QRegularExpression expression(word);
            if (expression.isValid())
                expressions << expression;
        }
        for (int i = 0; i < scan.size(); ++i) {
            QString& scanLine = scan[i];
            QString& outLine = output[i];
            if (scanLine.isEmpty()) {
                if (pause)
                    pause(1);
                continue;
            }
            for (const QRegularExpression& expression : expressions) {
                QRegularExpressionMatch match = expression.match(scanLine);
                // A match of no text has nothing to mask.
                if (!match.hasMatch() || match.capturedLength() == 0)
                    continue;
                const QString matched = match.captured(0);
                const QString mask = maskOf(matched, style);
                // Every occurrence of the matched text, taken literally, once:
                // replacing again could grow a mask that contains the text.
                outLine.replace(matched, mask);
                if (style != Dashes)
                    continue;
                // With dashes the scan line is masked as well, so that a later
                // word cannot match inside a word already split.
                int passes = 0;
                while (match.hasMatch() && match.capturedLength() > 0 && passes++ < kMaxPasses) {
                    const int q = match.capturedStart();
                    const QString here = maskOf(match.captured(0), style);
                    scanLine.replace(q, match.capturedLength(), here);
                    match = expression.match(scanLine, q + here.size());
                }
            }
            if (pause)
                pause(2);
        }
    }
    return output.join(QStringLiteral("\r\n"));
}

void Subtler::run()
{
    QMutexLocker locker(&m_mutex);
    emit SubtlerStart();
    const int style = QSettings().value(QStringLiteral("Subtle/Type"), 0).toInt();
    const QString result = maskText(m_text, m_words, style, &sleepMs);
    emit subtleFinish(result, m_fileName);
    emit SubtlerFinished();
}
