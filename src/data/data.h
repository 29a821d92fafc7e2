#ifndef DATA_H
#define DATA_H

#include <QAtomicPointer>
#include <QMutex>
#include <QObject>
#include <QUrl>
#include <QPointer>

// The writing-statistics singleton ("g_data"): today, week, month and year
// records, per-file counts and the writing-lock counters.
class WordCountModel;

class data : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool lockState READ lockState NOTIFY lockStateChanged)
    Q_PROPERTY(int lockWord READ lockWord WRITE setLockWord NOTIFY lockWordChanged)
    Q_PROPERTY(int lockSecond READ lockSecond WRITE setLockSecond NOTIFY lockSecondChanged)

public:
    bool lockState() const { return m_lockState; }
    void setLockState(bool value);
    int lockWord() const { return m_lockWord; }
    void setLockWord(int value);
    int lockSecond() const { return m_lockSecond; }
    void setLockSecond(int value);
    static data* instance();
    WordCountModel* wordCountModel();
    // The latest word total of an open document, reported by its counter.
    Q_INVOKABLE void setFileData(const QUrl& file, int words);

signals:
    void lockStateChanged(bool lockState);
    void lockWordChanged(int lockWord);
    void lockSecondChanged(int lockSecond);

private:
    bool m_lockState = false;
    int m_lockWord = 0;
    int m_lockSecond = 0;
    data();
    static QAtomicPointer<data> self;
    static QMutex mutex;
    QPointer<WordCountModel> m_wordCountModel;
};

#endif
