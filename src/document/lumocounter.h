#ifndef LUMOCOUNTER_H
#define LUMOCOUNTER_H

#include "document/wordstype.h"

#include <QAtomicInt>
#include <QList>
#include <QMutex>
#include <QPointer>
#include <QStringList>
#include <QThread>
#include <QVector>
#include <QUrl>
#include <QWaitCondition>

class QTimer;
class WordsTypeClass;

// The counting thread behind one counting handler. It keeps one count record
// per document line and the running totals, applies the line operations the
// handler queues, and hands its results back to the GUI thread: a 500 ms
// timer there drains them into the file's chapter list, its WordsTypeClass
// and the statistics. Nothing that QML sees is written from this thread.
class LumoCounter : public QThread
{
    Q_OBJECT
    Q_PROPERTY(bool isRemoving READ isRemoving WRITE setIsRemoving NOTIFY isRemovingChanged)

public:
    enum CountType {
        CursorType = 1,
        SelectType = 2,
        SelectAllType = 3,
        UpdateType = 4,
        AppendType = 5,
        InsertType = 6,
        ListType = 7,
        RemoveType = 8,
        ResetType = 9,
        RemoveAllType = 10,
        InitType = 11,
    };

    // One queued operation.
    struct CountStruct
    {
        bool flag = false; // counting it marks the document as loaded
        bool rebase = false; // a whole list counted by new rules: no writing
        QStringList list;
        QString text;
        int line = -1;
        QString text2;
        int type = 0;
        int cursor = -1;
    };

    // One chapter-change record for the GUI thread.
    struct SendType
    {
        int index = -1;
        wordsType oldType;
        wordsType newType;
        int type = 0;
    };

    explicit LumoCounter(QObject* parent = nullptr);
    ~LumoCounter() override;

    // Queueing, on the GUI thread.
    void setCursorPostion(const QString& text, int cursor, int line);
    void setSelectText(const QString& text, bool all);
    void setUpdate(const QString& text, int line, bool flag);
    void append(const QString& text, bool flag);
    void insert(int line, const QString& text, bool flag);
    // With rebase, the total counted is handed to the statistics as the
    // document's new baseline: counting by other rules writes nothing.
    void setList(const QStringList& list, bool flag = true, bool rebase = false);
    void setAllText(const QString& text);
    void remove(int line);
    void removeAll();
    void reset();
    void setInitState(bool flag);

    // Chapter queries over the line table (counting thread).
    int getChapterFront(int line) const;
    int getChapterWords(int line) const;
    // Asks for the chapter around a line to be selected (GUI thread).
    void selectChapter(int line);

    void setFileUrl(const QUrl& url);
    QUrl fileUrl() const { return m_fileUrl; }
    bool isRemoving() const { return m_isRemoving.loadAcquire() != 0; }
    bool isInited() const { return m_inited.loadAcquire() != 0; }

    // For tests and measurements: whether every queued operation has been
    // counted, consistent copies of the table and the totals, and the
    // hand-over timer switched off so that the caller drains by hand.
    bool isIdle() const;
    QList<wordsType> table() const;
    wordsType total() const;
    void setAutoDrain(bool on);
    // How many times the GUI thread has woken the counting thread for
    // queued operations.
    int wakes() const { return m_wakes; }

public slots:
    void chapterfileNameChanged(const QUrl& filename);
    void setIsRemoving(bool isRemoving);
    void doSentData();

signals:
    void countValueChanged(const QList<wordsType>& wordsTypeList, const wordsType& letterType, int chapterCount);
    void sendChapterLine(int start, int end);
    void update(int index, const wordsType& oldType, const wordsType& newType);
    void insertList(int index, const QList<wordsType>& list);
    void appendList(const QList<wordsType>& list);
    void removeList(int index, const QList<wordsType>& list);
    void setCurrentIndexByLine(int line);
    void resetList();
    void checkModel(const QList<wordsType>& chapterList);
    void isRemovingChanged(bool isRemoving);

protected:
    void run() override;

private:
    void enqueue(CountStruct op);
    void wakeCounter();
    void queueLine(int type, const QString& text, int line, bool flag);
    bool hasQueued() const;
    void waitForWork();
    void checkCount();
    void countOperation(const CountStruct& op);
    void countCursor(const QString& text, int cursor, int line);
    void publishCursor();
    wordsType countText(const QString& text) const;
    // The words of every row above a line, from the kept sum.
    int wordsAbove(int line);
    // Keeps that sum right when a row changes by delta words, or when rows
    // are inserted or removed at a row.
    void rowChanged(int row, int delta);
    void rowsMoved(int row);
    void appendLine(const wordsType& fresh, bool replaceTitle);
    void sentData();
    void sendAutoChapterData(int index, int type, const wordsType& oldType, const wordsType& newType);
    void sendRecords(const QVector<SendType>& records);
    void emitCheckModel();
    void doSendTmpData(const QVector<SendType>& records);
    void emitGroup(int kind, const QVector<SendType>& records, const QVector<int>& group);

    // Process-wide: the operation queues of all counters, their hand-over
    // lists, and the flag that lets one counter count at a time.
    static QMutex s_queueMutex;
    static QMutex s_sendMutex;
    static QAtomicInt s_counting;

    // Guarded by s_queueMutex.
    QList<CountStruct> m_queue;
    int m_queuedCursorOps = 0;
    int m_queuedSelectOps = 0;
    QWaitCondition m_wake;
    QAtomicInt m_busy = 0;

    // Written by the counting thread only; writes and GUI-thread reads take
    // m_tableMutex.
    mutable QMutex m_tableMutex;
    QList<wordsType> m_table;
    wordsType m_total;
    // Counting thread only: the words of the rows above m_prefixLine, kept
    // for the cursor's line so that typing in one line costs one row, not
    // the whole table (-1: to be summed again).
    int m_prefixLine = -1;
    int m_prefixSum = 0;

    // Counting thread only: the words before the cursor in its line, and
    // whether the table changed since the cursor's figures were worked out.
    int m_cursorPreWords = 0;
    bool m_cursorStale = false;
    // The last cursor counted.
    QAtomicInt m_lastLine = -1;
    QAtomicInt m_lastCursor = -1;
    QAtomicInt m_inited = 0;
    QAtomicInt m_isRemoving = 0;
    QAtomicInt m_stopped = 0;
    QAtomicInt m_autoDrain = 1; // what setAutoDrain() last said

    // Guarded by s_sendMutex: results waiting for the GUI thread.
    QVector<SendType> m_sendList;
    wordsType m_pendingTotal;
    bool m_hasPendingTotal = false;
    // The document's count as loaded, counted anew or read again (-1: none).
    int m_pendingBaseline = -1;
    // GUI thread only: the baseline not yet reported; the key last reported.
    int m_baselineDue = -1;
    QString m_reportedKey;
    struct CursorFigures
    {
        int front = 0;
        int line = -1;
        int chapterWords = -1;
    } m_pendingCursor;
    bool m_hasPendingCursor = false;
    int m_pendingSelection = 0;
    bool m_hasPendingSelection = false;

    // GUI thread only.
    QUrl m_fileUrl;
    QString m_fileKey; // the document's key in the statistics, made once per address
    QPointer<WordsTypeClass> m_countClass;
    int m_lastAll = -1;
    QTimer* m_sendTimer = nullptr; // object name "sendTimer"
    bool m_wakePosted = false;     // a wake waits for the current event to end
    int m_wakes = 0;
};

#endif
