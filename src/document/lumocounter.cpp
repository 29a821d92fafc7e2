#include "lumocounter.h"

#include "chapter/chaptertype.h"
#include "chapter/wordcountmodel.h"
#include "chapter/wordstypeclass.h"
#include "data/data.h"
#include "data/global.h"
#include "document/count.h"
#include "TovaUi/function/message.h"
#include "support/log.h"

#include <QElapsedTimer>
#include <QMetaMethod>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QTimer>

QMutex LumoCounter::s_queueMutex;
QMutex LumoCounter::s_sendMutex;
QAtomicInt LumoCounter::s_counting = 0;

namespace {

constexpr int kSendInterval = 500;
constexpr int kIdleSleep = 1000;

bool isCursorOp(int type) { return type == LumoCounter::CursorType; }
bool isSelectOp(int type) { return type == LumoCounter::SelectType || type == LumoCounter::SelectAllType; }

} // namespace

LumoCounter::LumoCounter(QObject* parent)
    : QThread(parent)
{
    qRegisterMetaType<wordsType>("wordsType");
    qRegisterMetaType<QList<wordsType>>("QList<wordsType>");
    qRegisterMetaType<QList<ChapterType>>("QList<ChapterType>");
    m_sendTimer = new QTimer(this);
    m_sendTimer->setObjectName(QStringLiteral("sendTimer"));
    m_sendTimer->setInterval(kSendInterval);
    connect(m_sendTimer, &QTimer::timeout, this, &LumoCounter::doSentData);
    m_sendTimer->start();
}

LumoCounter::~LumoCounter()
{
    // The operation being counted finishes (a whole-list count stops between
    // lines); whatever is still queued is dropped.
    requestInterruption();
    m_stopped.storeRelease(1);
    {
        QMutexLocker lock(&s_queueMutex);
        m_wake.wakeAll();
    }
    quit();
    wait();
}

void LumoCounter::setAutoDrain(bool on)
{
    m_autoDrain.storeRelease(on ? 1 : 0);
    if (on)
        m_sendTimer->start();
    else
        m_sendTimer->stop();
}

void LumoCounter::setFileUrl(const QUrl& url)
{
    m_fileUrl = url;
    m_fileKey = url.isLocalFile() ? data::fileKey(url.toLocalFile()) : QString();
    m_baselineDue = -1; // one taken under another address is not this one's
    // The registry entry is made here, on the GUI thread, before the thread
    // runs; a file closed later is not brought back by a late hand-over.
    m_countClass = url.isEmpty() ? nullptr : data::instance()->wordCountModel()->countClass(url);
}

// ---- queueing (GUI thread) ------------------------------------------------------

void LumoCounter::enqueue(CountStruct op)
{
    const bool whole = op.type == ListType;
    {
        QMutexLocker lock(&s_queueMutex);
        if (isCursorOp(op.type))
            ++m_queuedCursorOps;
        else if (isSelectOp(op.type))
            ++m_queuedSelectOps;
        m_queue.append(std::move(op));
    }
    // A keystroke queues a line update and a cursor move from inside one
    // event: with an event loop running, the counter is woken once when that
    // event is done. A whole text wakes it at once, as the GUI thread may be
    // busy for a while after a load.
    if (QThread::currentThread() != thread()) {
        m_wake.wakeAll();
    } else if (whole || thread()->loopLevel() == 0) {
        wakeCounter();
    } else if (!m_wakePosted) {
        m_wakePosted = true;
        QMetaObject::invokeMethod(this, &LumoCounter::wakeCounter, Qt::QueuedConnection);
    }
}

void LumoCounter::wakeCounter()
{
    m_wakePosted = false;
    ++m_wakes;
    m_wake.wakeAll();
}

void LumoCounter::setCursorPostion(const QString& text, int cursor, int line)
{
    CountStruct op;
    op.type = CursorType;
    op.text = text;
    op.cursor = cursor;
    op.line = line;
    enqueue(std::move(op));
}

void LumoCounter::setSelectText(const QString& text, bool all)
{
    CountStruct op;
    op.type = all ? SelectAllType : SelectType;
    op.text2 = text;
    enqueue(std::move(op));
}

void LumoCounter::queueLine(int type, const QString& text, int line, bool flag)
{
    CountStruct op;
    op.type = type;
    op.text = text;
    op.line = line;
    op.flag = flag;
    enqueue(std::move(op));
}

void LumoCounter::setUpdate(const QString& text, int line, bool flag) { queueLine(UpdateType, text, line, flag); }
void LumoCounter::append(const QString& text, bool flag) { queueLine(AppendType, text, -1, flag); }
void LumoCounter::insert(int line, const QString& text, bool flag) { queueLine(InsertType, text, line, flag); }

void LumoCounter::setList(const QStringList& list, bool flag, bool rebase)
{
    CountStruct op;
    op.type = ListType;
    op.list = list;
    op.flag = flag;
    op.rebase = rebase;
    enqueue(std::move(op));
}

void LumoCounter::setAllText(const QString& text)
{
    setList(text.split(QRegularExpression(QStringLiteral("[\r\n]"))));
}

void LumoCounter::remove(int line) { queueLine(RemoveType, QString(), line, false); }

void LumoCounter::removeAll()
{
    logDebug(lcStats) << "removeAll";
    queueLine(RemoveAllType, QString(), -1, false);
}

void LumoCounter::reset() { queueLine(ResetType, QString(), -1, false); }
void LumoCounter::setInitState(bool flag) { queueLine(InitType, QString(), -1, flag); }

bool LumoCounter::isIdle() const
{
    QMutexLocker lock(&s_queueMutex);
    return m_queue.isEmpty() && m_busy.loadAcquire() == 0;
}

QList<wordsType> LumoCounter::table() const
{
    QMutexLocker lock(&m_tableMutex);
    QList<wordsType> copy = m_table;
    copy.detach();
    return copy;
}

wordsType LumoCounter::total() const
{
    QMutexLocker lock(&m_tableMutex);
    return m_total;
}

// ---- the thread -------------------------------------------------------------------

bool LumoCounter::hasQueued() const
{
    QMutexLocker lock(&s_queueMutex);
    return !m_queue.isEmpty();
}

void LumoCounter::waitForWork()
{
    QMutexLocker lock(&s_queueMutex);
    if (m_queue.isEmpty() && !m_stopped.loadAcquire())
        m_wake.wait(&s_queueMutex, kIdleSleep);
}

void LumoCounter::run()
{
    while (!m_stopped.loadAcquire() && !isInterruptionRequested()) {
        if (s_counting.loadAcquire()) {
            // Another counter is counting: take nothing until it is done.
            if (hasQueued())
                QThread::msleep(1);
            else
                waitForWork();
            continue;
        }
        checkCount();
        if (!hasQueued())
            waitForWork();
    }
}

void LumoCounter::checkCount()
{
    CountStruct op;
    bool superseded = false;
    {
        QMutexLocker lock(&s_queueMutex);
        if (m_queue.isEmpty() || !s_counting.testAndSetAcquire(0, 1))
            return;
        m_busy.storeRelease(1);
        op = m_queue.takeFirst();
        // A whole-list count followed by another one is replaced by it.
        while (op.type == ListType && !m_queue.isEmpty() && m_queue.first().type == ListType)
            op = m_queue.takeFirst();
        if (isCursorOp(op.type))
            superseded = --m_queuedCursorOps > 0;
        else if (isSelectOp(op.type))
            superseded = --m_queuedSelectOps > 0;
    }
    // Cursor and selection figures are only wanted for the latest request.
    if (!superseded)
        countOperation(op);
    // The cursor's figures are worked out once the table is as the editor's
    // last change left it: the editor reports the cursor before the change
    // that moved it, and a burst of line operations changes the table many
    // times.
    if (m_cursorStale && m_lastLine.loadAcquire() >= 0 && !hasQueued())
        publishCursor();
    m_busy.storeRelease(0);
    s_counting.storeRelease(0);
    // A whole text counted (a file just opened): its chapter list and
    // totals are handed over now, not at the next tick of the drain.
    if (op.type == ListType && !superseded && m_autoDrain.loadAcquire())
        QMetaObject::invokeMethod(this, &LumoCounter::doSentData, Qt::QueuedConnection);
}

// The cursor as the editor reported it; its figures follow once the
// queue is worked through. Runs on the counting thread.
void LumoCounter::countCursor(const QString& text, int cursor, int line)
{
    m_cursorPreWords = countText(cursor < 0 ? text : text.left(cursor)).all();
    m_lastLine.storeRelease(line);
    m_lastCursor.storeRelease(cursor);
    m_cursorStale = true;
}

// Words before the cursor and in its chapter, from the table as it is now,
// handed over with the next drain.
void LumoCounter::publishCursor()
{
    QElapsedTimer timer;
    timer.start();
    m_cursorStale = false;
    const int line = m_lastLine.loadAcquire();
    const int front = m_cursorPreWords + wordsAbove(line);
    const int chapterWords = getChapterWords(line);
    if (timer.elapsed() > 1)
        logDebug(lcStats) << "cursor count time:" << timer.elapsed();
    {
        QMutexLocker lock(&s_sendMutex);
        m_pendingCursor.front = front;
        m_pendingCursor.line = line;
        m_pendingCursor.chapterWords = chapterWords;
        m_hasPendingCursor = true;
    }
    sendAutoChapterData(line, CursorType, wordsType(), wordsType());
    emitCheckModel();
}

wordsType LumoCounter::countText(const QString& text) const
{
    return ::count::countString(text, global::instance()->wordCountChart(), ::count::chapterPatterns());
}

int LumoCounter::getChapterFront(int line) const
{
    if (line < 1 || line > m_table.size())
        return 0;
    int start = 0;
    for (int r = line - 1; r >= 0; --r) {
        if (m_table.at(r).hasTitle()) {
            start = r;
            break;
        }
    }
    int sum = 0;
    for (int r = start; r < line; ++r)
        sum += m_table.at(r).all();
    return sum;
}

int LumoCounter::getChapterWords(int line) const
{
    if (line < 0 || line >= m_table.size())
        return 0;
    int start = 0;
    for (int r = line; r >= 0; --r) {
        if (m_table.at(r).hasTitle()) {
            start = r;
            break;
        }
    }
    int sum = 0;
    for (int r = start; r < m_table.size(); ++r) {
        if (r > line && m_table.at(r).hasTitle())
            break;
        sum += m_table.at(r).all();
    }
    return sum;
}

void LumoCounter::countOperation(const CountStruct& op)
{
    const bool wasInited = isInited();
    if (op.flag)
        m_inited.storeRelease(1);
    QElapsedTimer timer;
    timer.start();
    switch (op.type) {
    case CursorType:
        countCursor(op.text, op.cursor, op.line);
        break;
    case SelectType:
    case SelectAllType: {
        const int selection = op.type == SelectType ? countText(op.text2).all() : m_total.all();
        QMutexLocker lock(&s_sendMutex);
        m_pendingSelection = selection;
        m_hasPendingSelection = true;
        break;
    }
    case UpdateType: {
        if (op.line < 0)
            break;
        wordsType fresh = countText(op.text);
        if (op.line < m_table.size()) {
            const wordsType old = m_table.at(op.line);
            {
                QMutexLocker lock(&m_tableMutex);
                m_total.subtract(old);
                m_total.title.clear();
                m_total.add(fresh);
                m_table[op.line] = fresh;
                rowChanged(op.line, fresh.all() - old.all());
            }
            if (fresh.hasTitle())
                fresh.chapterFront = getChapterFront(op.line);
            sendAutoChapterData(op.line, UpdateType, old, fresh);
        } else {
            appendLine(fresh, true);
        }
        sentData();
        emitCheckModel();
        break;
    }
    case AppendType:
        appendLine(countText(op.text), false);
        sentData();
        emitCheckModel();
        break;
    case InsertType: {
        wordsType fresh = countText(op.text);
        const int row = qBound(0, op.line, m_table.size());
        {
            QMutexLocker lock(&m_tableMutex);
            m_total.add(fresh);
            m_table.insert(row, fresh);
            rowsMoved(row);
        }
        if (fresh.hasTitle())
            fresh.chapterFront = getChapterFront(row);
        sendAutoChapterData(row, InsertType, fresh, wordsType());
        sentData();
        break;
    }
    case ListType: {
        logDebug(lcStats) << "check list Type";
        QList<wordsType> rows;
        rows.reserve(op.list.size());
        wordsType sum;
        for (const QString& text : op.list) {
            if (m_stopped.loadAcquire())
                break;
            const wordsType fresh = countText(text);
            sum.add(fresh);
            rows.append(fresh);
        }
        if (m_stopped.loadAcquire())
            break;
        {
            QMutexLocker lock(&m_tableMutex);
            m_table = rows;
            m_total = sum;
            m_prefixLine = -1;
        }
        // The chapter list starts again from nothing and gets every line.
        QVector<SendType> records;
        records.reserve(rows.size() + 1);
        SendType reset;
        reset.type = RemoveAllType;
        records.append(reset);
        for (int i = 0; i < rows.size(); ++i) {
            SendType r;
            r.index = i;
            r.oldType = rows.at(i);
            r.type = AppendType;
            records.append(r);
        }
        sendRecords(records);
        sentData();
        // A cursor placed before the whole text was counted: its line's text
        // is the one in the list now.
        if (m_lastLine.loadAcquire() >= 0)
            countCursor(op.list.value(m_lastLine.loadAcquire()), m_lastCursor.loadAcquire(), m_lastLine.loadAcquire());
        emitCheckModel();
        break;
    }
    case RemoveType: {
        const bool inTable = op.line >= 0 && op.line < m_table.size();
        const wordsType old = inTable ? m_table.at(op.line) : wordsType();
        if (inTable) {
            {
                QMutexLocker lock(&m_tableMutex);
                m_total.subtract(old);
                m_total.title.clear();
                m_table.removeAt(op.line);
                rowsMoved(op.line);
            }
            sendAutoChapterData(op.line, RemoveType, old, wordsType());
            sentData();
        }
        // The table never stays empty after a removal: a document always
        // has one line.
        if (m_table.isEmpty()) {
            appendLine(wordsType(), false);
            sentData();
        }
        emitCheckModel();
        if (timer.elapsed() > 10)
            logDebug(lcStats) << "remove time:" << timer.elapsed();
        break;
    }
    case ResetType:
    case RemoveAllType: {
        if (op.type == RemoveAllType)
            logDebug(lcStats) << "removeAllType";
        {
            QMutexLocker lock(&m_tableMutex);
            m_table.clear();
            m_total = wordsType();
            m_prefixLine = -1;
        }
        sentData();
        sendAutoChapterData(op.line, RemoveAllType, wordsType(), wordsType());
        emitCheckModel();
        break;
    }
    case InitType:
        m_inited.storeRelease(op.flag ? 1 : 0);
        break;
    default:
        break;
    }
    if (op.type >= UpdateType && op.type <= RemoveAllType)
        m_cursorStale = true;
    // The text as its load ends (keys typed after it are queued behind), or
    // counted anew, is the document's baseline.
    if ((op.flag && !wasInited) || (op.type == ListType && op.rebase)) {
        QMutexLocker lock(&s_sendMutex);
        m_pendingBaseline = m_total.all();
    }
}

int LumoCounter::wordsAbove(int line)
{
    line = qBound(0, line, m_table.size());
    if (m_prefixLine < 0 || m_prefixLine > m_table.size()) {
        m_prefixLine = 0;
        m_prefixSum = 0;
    }
    while (m_prefixLine < line)
        m_prefixSum += m_table.at(m_prefixLine++).all();
    while (m_prefixLine > line)
        m_prefixSum -= m_table.at(--m_prefixLine).all();
    return m_prefixSum;
}

void LumoCounter::rowChanged(int row, int delta)
{
    if (row < m_prefixLine)
        m_prefixSum += delta;
}

void LumoCounter::rowsMoved(int row)
{
    if (row < m_prefixLine)
        m_prefixLine = -1;
}

// A line after the last one; a changed line's title replaces the total's.
void LumoCounter::appendLine(const wordsType& fresh, bool replaceTitle)
{
    int row;
    {
        QMutexLocker lock(&m_tableMutex);
        if (replaceTitle)
            m_total.title.clear();
        m_total.add(fresh);
        m_table.append(fresh);
        row = m_table.size() - 1;
    }
    sendAutoChapterData(row, AppendType, fresh, wordsType());
}

void LumoCounter::emitCheckModel()
{
    // A copy of a large table is only made for someone who listens.
    static const QMetaMethod signal = QMetaMethod::fromSignal(&LumoCounter::checkModel);
    if (isSignalConnected(signal))
        emit checkModel(table());
}

// ---- hand-over to the GUI thread --------------------------------------------------

void LumoCounter::sentData()
{
    QMutexLocker lock(&s_sendMutex);
    m_pendingTotal = m_total;
    m_hasPendingTotal = true;
}

void LumoCounter::setIsRemoving(bool isRemoving)
{
    const int value = isRemoving ? 1 : 0;
    if (m_isRemoving.fetchAndStoreOrdered(value) != value)
        emit isRemovingChanged(isRemoving);
}

void LumoCounter::sendAutoChapterData(int index, int type, const wordsType& oldType, const wordsType& newType)
{
    SendType record;
    record.index = index;
    record.oldType = oldType;
    record.newType = newType;
    record.type = type;
    sendRecords({ record });
}

void LumoCounter::sendRecords(const QVector<SendType>& records)
{
    if (records.isEmpty())
        return;
    // A removal starts a run in which cursor records are not counted; any
    // other record but a cursor record ends it.
    const int type = records.last().type;
    if (type == RemoveType)
        setIsRemoving(true);
    else if (type != CursorType)
        setIsRemoving(false);
    QMutexLocker lock(&s_sendMutex);
    m_sendList.append(records);
}

void LumoCounter::doSentData()
{
    QVector<SendType> records;
    wordsType total;
    bool hasTotal;
    CursorFigures cursor;
    bool hasCursor;
    int selection;
    bool hasSelection;
    int baseline;
    {
        QMutexLocker lock(&s_sendMutex);
        records.swap(m_sendList);
        baseline = m_pendingBaseline;
        m_pendingBaseline = -1;
        hasTotal = m_hasPendingTotal;
        total = m_pendingTotal;
        hasCursor = m_hasPendingCursor;
        cursor = m_pendingCursor;
        hasSelection = m_hasPendingSelection;
        selection = m_pendingSelection;
        m_hasPendingTotal = m_hasPendingCursor = m_hasPendingSelection = false;
    }
    doSendTmpData(records);

    WordsTypeClass* counts = m_countClass;
    if (hasTotal) {
        m_lastAll = total.all();
        if (counts) {
            counts->setFileName(m_fileUrl);
            counts->setBC(total.BC);
            counts->setNoBc(total.noBc());
            counts->setNoSpace(total.noSpace());
            counts->setAll(total.all());
            counts->setChars(total.Chars);
            counts->setTitle(total.title);
            counts->setWords(total.Words);
            counts->setLetters(total.Letters);
            counts->setNumbers(total.Numbers);
            counts->setParagraphs(total.Paragraphs);
            counts->setFullWidthSpace(total.FullWidthSpace);
            counts->setHalfWidthSpace(total.HalfWidthSpace);
        }
    }
    if (counts && hasCursor) {
        counts->setFront(cursor.front);
        counts->setThisChapterIndex(cursor.line);
        counts->setThisChapterWords(cursor.chapterWords);
    }
    if (counts && hasSelection)
        counts->setSelection(selection);
    // A baseline is not writing; what was typed since it is. A document
    // under a new address starts from its count. Reports wait for the load.
    if (baseline >= 0)
        m_baselineDue = baseline;
    if (!m_fileKey.isEmpty() && isInited() && m_lastAll >= 0) {
        if (m_baselineDue < 0 && m_reportedKey != m_fileKey)
            m_baselineDue = m_lastAll;
        if (m_baselineDue >= 0)
            data::instance()->rebaseFileKeyData(m_fileKey, m_baselineDue);
        if (m_baselineDue != m_lastAll)
            data::instance()->setFileKeyData(m_fileKey, m_lastAll);
        m_baselineDue = -1;
        m_reportedKey = m_fileKey;
    }
}

// Hands the chapter changes to the chapter list, consecutive records of one
// kind as one list. Cursor records met inside a run of removals wait until
// the end, so the run stays one list. Groups are kept as positions in
// `records`, so a drain copies no record but into the lists it emits.
void LumoCounter::doSendTmpData(const QVector<SendType>& records)
{
    if (records.isEmpty())
        return;
    QVector<int> group;
    int kind = 0;
    int deferredCursor = -1;
    bool lastCursorDeferred = false;
    for (int i = 0; i < records.size(); ++i) {
        const SendType& r = records.at(i);
        if (r.type == RemoveAllType) {
            group.clear();
            kind = 0;
            emit resetList();
            continue;
        }
        if (r.type == CursorType && kind == RemoveType) {
            deferredCursor = r.index;
            lastCursorDeferred = true;
            continue;
        }
        if (r.type == CursorType)
            lastCursorDeferred = false;
        bool joins = r.type == kind;
        if (joins && kind == InsertType)
            joins = r.index == records.at(group.first()).index + group.size();
        else if (joins && kind == RemoveType)
            joins = r.index == records.at(group.first()).index;
        if (joins) {
            group.append(i);
            continue;
        }
        emitGroup(kind, records, group);
        group.clear();
        kind = r.type;
        group.append(i);
    }
    emitGroup(kind, records, group);
    if (lastCursorDeferred)
        emit setCurrentIndexByLine(deferredCursor);
}

void LumoCounter::emitGroup(int kind, const QVector<SendType>& records, const QVector<int>& group)
{
    if (group.isEmpty())
        return;
    const SendType& first = records.at(group.first());
    auto lines = [&]() {
        QList<wordsType> list;
        list.reserve(group.size());
        for (int i : group) {
            list.append(records.at(i).oldType);
            list.last().line = records.at(i).index;
        }
        return list;
    };
    switch (kind) {
    case InsertType:
        emit insertList(first.index, lines());
        break;
    case AppendType:
        emit appendList(lines());
        break;
    case RemoveType:
        emit removeList(first.index, lines());
        break;
    case UpdateType:
        for (int i : group)
            emit update(records.at(i).index, records.at(i).oldType, records.at(i).newType);
        break;
    case CursorType:
        emit setCurrentIndexByLine(records.at(group.last()).index);
        break;
    default:
        break;
    }
}

void LumoCounter::chapterfileNameChanged(const QUrl& filename)
{
    if (filename != m_fileUrl)
        return;
    const wordsType current = total();
    QMutexLocker lock(&s_sendMutex);
    m_pendingTotal = current;
    m_hasPendingTotal = true;
}

void LumoCounter::selectChapter(int line)
{
    if (!isInited()) {
        message::show(Message::Tips, tr("Counting chapters, please try again later"), 5000);
        return;
    }
    int start = 0;
    int end = 0;
    {
        QMutexLocker lock(&m_tableMutex);
        const int size = m_table.size();
        if (line >= size) {
            lock.unlock();
            emit sendChapterLine(-1, -1);
            return;
        }
        if (line < 0)
            return;
        for (int r = line; r >= 1; --r) {
            if (m_table.at(r).hasTitle()) {
                start = r;
                break;
            }
        }
        end = size;
        for (int r = line + 1; r < size; ++r) {
            if (m_table.at(r).hasTitle()) {
                end = r;
                break;
            }
        }
    }
    logDebug(lcStats) << "leftLine: " << start << "rightline:" << end;
    emit sendChapterLine(start, end);
}
