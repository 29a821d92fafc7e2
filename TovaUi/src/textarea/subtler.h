#ifndef SUBTLER_H
#define SUBTLER_H

#include <QMutex>
#include <QStringList>
#include <QThread>
#include <QUrl>

// One sensitive-word masking run on a worker thread. The text and the word
// list are copies taken on the GUI thread; the result comes back with the
// document's file URL so that only its own page applies it. The words are
// the application's sensitive-word pattern: literal (escaped) words joined
// by "|", so splitting it at "|" gives the words back as patterns.
class Subtler : public QThread
{
    Q_OBJECT

public:
    enum Style { RedOnly = 0, Dashes = 1, Asterisks = 2, Pinyin = 3, Meow = 4, Woof = 5 };

    Subtler(QString text, QUrl fileName, const QString& sensitiveWords);

    // The mask of a matched text by style.
    static QString maskOf(const QString& matched, int style);
    // The whole masking: lines split at every "\r" or "\n", masked, joined
    // with "\r\n". pause(ms) is called after each line (the thread sleeps
    // there; null for none).
    static QString maskText(const QString& text, const QStringList& words, int style,
                            void (*pause)(unsigned long) = nullptr);

signals:
    void SubtlerFinished();
    void SubtlerStart();
    void subtleFinish(QString text, QUrl fileName);

protected:
    void run() override;

private:
    QMutex m_mutex;
    QString m_text;
    QStringList m_words;
    QUrl m_fileName;
};

#endif
