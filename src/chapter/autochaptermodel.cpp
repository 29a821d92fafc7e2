#include "autochaptermodel.h"

#include "support/log.h"

#include <QTimer>

#include <algorithm>

QMutex AutoChapterModel::s_itemMutex;

namespace {

constexpr int kChangeInterval = 1000;

// Holds the shared chapter-list lock when it was free.
class ItemLock
{
public:
    explicit ItemLock(QMutex& mutex)
        : m_mutex(mutex)
        , m_locked(mutex.tryLock(0))
    {
    }
    ~ItemLock()
    {
        if (m_locked)
            m_mutex.unlock();
    }
    explicit operator bool() const { return m_locked; }

private:
    QMutex& m_mutex;
    bool m_locked;
};

ChapterType chapter(const QString& title, int line, int words)
{
    ChapterType c;
    c.displayText = title;
    c.line = line;
    c.wordNumber = words;
    return c;
}

ChapterType untitledFront() { return chapter(QString(), 0, 0); }

} // namespace

AutoChapterModel::AutoChapterModel(QObject* parent)
    : QAbstractItemModel(parent)
{
    m_changeTimer = new QTimer(this);
    m_changeTimer->setInterval(kChangeInterval);
    connect(m_changeTimer, &QTimer::timeout, this, &AutoChapterModel::doDataChanged);
    m_changeTimer->start();
}

AutoChapterModel::~AutoChapterModel() = default;

// ---- item model -------------------------------------------------------------

QModelIndex AutoChapterModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!hasIndex(row, column, parent) || row >= m_items.size())
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex AutoChapterModel::parent(const QModelIndex& index) const
{
    Q_UNUSED(index)
    return QModelIndex();
}

int AutoChapterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_items.size();
}

int AutoChapterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant AutoChapterModel::data(const QModelIndex& index, int role) const
{
    const ChapterType* entry = index.isValid() ? item(index.row()) : nullptr;
    if (!entry)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case DisplayTextRole:
        return entry->displayText;
    case LineRole:
        return entry->line;
    case WordNumberRole:
        return entry->wordNumber;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> AutoChapterModel::roleNames() const
{
    return { { DisplayTextRole, "displayText" }, { LineRole, "line" }, { WordNumberRole, "wordNumber" } };
}

const ChapterType* AutoChapterModel::item(int row) const
{
    if (row < 0 || row >= m_items.size())
        return nullptr;
    return &m_items.at(row);
}

// ---- properties -------------------------------------------------------------

void AutoChapterModel::setCurrentIndex(int currentIndex)
{
    if (m_currentIndex == currentIndex)
        return;
    m_currentIndex = currentIndex;
    emit currentIndexChanged(currentIndex);
}

void AutoChapterModel::setCount(int count)
{
    if (m_count == count)
        return;
    m_count = count;
    emit countChanged(count);
}

void AutoChapterModel::publishCount() { setCount(m_items.size()); }

// ---- lookups ----------------------------------------------------------------

int AutoChapterModel::getIndexByLine(int line) const
{
    if (line < 0)
        return 0;
    if (m_items.isEmpty() || line < m_items.first().line)
        return -1;
    if (m_items.size() == 1)
        return 0;
    if (line >= m_items.last().line)
        return m_items.size() - 1;
    return chapterOf(line);
}

int AutoChapterModel::checkGetIndexByLine(int line) const
{
    int found = -1;
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i).line <= line)
            found = i;
        else
            break;
    }
    return found;
}

// The last row whose line is at or above the given line; -1 when none is.
int AutoChapterModel::chapterOf(int line) const
{
    if (line < 0)
        return -1;
    auto it = std::upper_bound(m_items.cbegin(), m_items.cend(), line,
                               [](int l, const ChapterType& c) { return l < c.line; });
    return int(it - m_items.cbegin()) - 1;
}

void AutoChapterModel::setCurrentIndexByLine(int line) { setCurrentIndex(getIndexByLine(line)); }

// ---- row changes --------------------------------------------------------------

void AutoChapterModel::insertRowsAt(int row, const QVector<ChapterType>& entries)
{
    if (entries.isEmpty())
        return;
    row = qBound(0, row, m_items.size());
    if (m_items.isEmpty()) {
        beginResetModel();
        m_items = entries;
        endResetModel();
    } else {
        beginInsertRows(QModelIndex(), row, row + entries.size() - 1);
        m_items.insert(row, entries.size(), ChapterType());
        std::copy(entries.cbegin(), entries.cend(), m_items.begin() + row);
        endInsertRows();
    }
    if (m_changedFrom >= row)
        m_changedFrom += entries.size();
}

void AutoChapterModel::removeRowsAt(int first, int last)
{
    first = qMax(first, 0);
    last = qMin(last, m_items.size() - 1);
    if (first > last)
        return;
    beginRemoveRows(QModelIndex(), first, last);
    m_items.remove(first, last - first + 1);
    endRemoveRows();
    if (m_changedFrom > last)
        m_changedFrom -= last - first + 1;
    else if (m_changedFrom >= first)
        m_changedFrom = first < m_items.size() ? first : -1;
}

void AutoChapterModel::announce(int row)
{
    if (row < 0 || row >= m_items.size())
        return;
    const QModelIndex i = index(row, 0);
    emit dataChanged(i, i, {});
}

void AutoChapterModel::queueShift(int startIndex, int lines, bool add)
{
    chapterLineUpdateValue v;
    v.startIndex = startIndex;
    v.endIndex = m_items.size() - 1;
    v.lines = lines;
    v.isAdd = add ? 1 : 0;
    m_lineUpdates.append(v);
    updateLine();
}

void AutoChapterModel::updateLine()
{
    int first = -1;
    while (!m_lineUpdates.isEmpty()) {
        const chapterLineUpdateValue v = m_lineUpdates.takeFirst();
        if (v.lines == 0)
            continue;
        const int delta = v.isAdd ? v.lines : -v.lines;
        const int from = qMax(v.startIndex + 1, 0);
        for (int r = from; r < m_items.size(); ++r)
            m_items[r].line += delta;
        if (from < m_items.size() && (first == -1 || from < first))
            first = from;
    }
    if (first != -1 && (m_changedFrom == -1 || first < m_changedFrom))
        m_changedFrom = first;
}

void AutoChapterModel::doDataChanged()
{
    if (m_changedFrom == -1)
        return;
    const int from = m_changedFrom;
    m_changedFrom = -1;
    if (from >= m_items.size())
        return;
    emit dataChanged(index(from, 0), index(m_items.size() - 1, 0), {});
}

// The row of the chapter that holds the line above `line`: lines inserted or
// removed at `line` are charged to it. With no such chapter (line 0, or a
// first title further down) an untitled first row is made to stand for it.
int AutoChapterModel::frontRowFor(int line)
{
    const int row = line > 0 ? chapterOf(line - 1) : -1;
    if (row >= 0)
        return row;
    if (m_items.isEmpty() || !m_items.at(0).displayText.isEmpty())
        insertRowsAt(0, { untitledFront() });
    return 0;
}

// An untitled first row is kept only while line 0 is no title: when a title
// row stands at line 0 the untitled row before it goes (its words, if any,
// join the title's chapter).
void AutoChapterModel::normalizeFront()
{
    if (m_items.size() < 2 || !m_items.at(0).displayText.isEmpty() || m_items.at(1).line > 0)
        return;
    const int words = m_items.at(0).wordNumber;
    removeRowsAt(0, 0);
    if (words != 0) {
        m_items[0].wordNumber += words;
        announce(0);
    }
}

// ---- change records from the counting thread ----------------------------------

void AutoChapterModel::update(int line, const wordsType& oldType, const wordsType& newType)
{
    ItemLock lock(s_itemMutex);
    if (!lock) {
        logDebug(lcStats) << "AutoChapterModel::update()";
        return;
    }
    if (line < 0)
        return;
    if (m_items.isEmpty()) {
        insertRowsAt(0, { untitledFront() });
        publishCount();
    }
    int idx = chapterOf(line);
    if (idx < 0) {
        // The first row is a title below this line: give the lines above it
        // their untitled row.
        insertRowsAt(0, { untitledFront() });
        idx = 0;
    }
    const int oldWords = oldType.all();
    const int newWords = newType.all();
    // Whether row idx stands for this very line (a title on it, or the
    // untitled first part when the line is line 0).
    const ChapterType& at = m_items.at(idx);
    const bool rowHere = at.line == line && (!at.displayText.isEmpty() || (idx == 0 && line == 0));

    if (newType.hasTitle()) {
        if (rowHere) {
            // A title edited, or the untitled first part became the first chapter.
            ChapterType& row = m_items[idx];
            row.displayText = newType.title;
            row.line = line;
            row.wordNumber += newWords - oldWords;
            announce(idx);
        } else {
            // A body line became a title: the chapter is split here. The
            // front keeps exactly the words above the line.
            logDebug(lcStats) << "update" << ":" << "index:" << idx;
            ChapterType& front = m_items[idx];
            const int before = front.wordNumber;
            const int frontWords = newType.chapterFront >= 0 ? newType.chapterFront : before - oldWords;
            front.wordNumber = frontWords;
            announce(idx);
            insertRowsAt(idx + 1, { chapter(newType.title, line, newWords + (before - frontWords) - oldWords) });
        }
    } else if (rowHere && !m_items.at(idx).displayText.isEmpty()) {
        // A title became a body line.
        if (idx == 0) {
            ChapterType& row = m_items[0];
            row.displayText.clear();
            row.line = 0;
            row.wordNumber = qMax(0, row.wordNumber - oldWords + newWords);
            announce(0);
        } else {
            const int words = m_items.at(idx).wordNumber - oldWords + newWords;
            logDebug(lcStats) << "remove Index:" << idx << "item(index-1)->wordNumber:" << m_items.at(idx - 1).wordNumber
                 << "frontItem->wordNumber:" << words << "index-1:" << idx - 1;
            m_items[idx - 1].wordNumber += words;
            removeRowsAt(idx, idx);
            announce(idx - 1);
        }
    } else {
        m_items[idx].wordNumber += newWords - oldWords;
        announce(idx);
    }
    normalizeFront();
    publishCount();
}

void AutoChapterModel::insert(int line, const wordsType& insertType)
{
    ItemLock lock(s_itemMutex);
    if (!lock) {
        logDebug(lcStats) << "AutoChapterModel::insert()";
        return;
    }
    insertRecords(line, { insertType });
}

void AutoChapterModel::insertList(int index, const QList<wordsType>& list)
{
    if (list.size() == 1) {
        insert(index, list.first());
        return;
    }
    ItemLock lock(s_itemMutex);
    if (!lock) {
        logDebug(lcStats) << "AutoChapterModel::insertList()";
        return;
    }
    insertRecords(index, list);
}

// Record k stands on line line + k; the lines from `line` on move down.
void AutoChapterModel::insertRecords(int line, const QList<wordsType>& records)
{
    if (records.isEmpty())
        return;
    line = qMax(line, 0);
    const int front = frontRowFor(line);

    QVector<ChapterType> added;
    bool frontChanged = false;
    for (int k = 0; k < records.size(); ++k) {
        const wordsType& rec = records.at(k);
        ChapterType& current = added.isEmpty() ? m_items[front] : added.last();
        if (rec.hasTitle()) {
            // The chapter holding the line above keeps the words above the
            // new title; the rest of it moves into the new chapter.
            const int before = current.wordNumber;
            const int frontWords = rec.chapterFront >= 0 ? rec.chapterFront : before;
            current.wordNumber = frontWords;
            if (added.isEmpty())
                frontChanged = true;
            if (k == 0)
                logDebug(lcStats) << "insert" << ":" << "insert title:" << rec.title.size() << "units"
                     << " line:" << line + k << " oldNumber:" << before
                     << " insertType.chapterFront:" << rec.chapterFront << "insertType.all():" << rec.all()
                     << "index:" << front + 1;
            added.append(chapter(rec.title, line + k, rec.all() + before - frontWords));
        } else if (rec.all() != 0) {
            current.wordNumber += rec.all();
            if (added.isEmpty())
                frontChanged = true;
        }
    }
    if (frontChanged)
        announce(front);
    insertRowsAt(front + 1, added);
    queueShift(front + added.size(), records.size(), true);
    normalizeFront();
    publishCount();
}

void AutoChapterModel::append(const wordsType& addendType)
{
    ItemLock lock(s_itemMutex);
    if (!lock) {
        logDebug(lcStats) << "AutoChapterModel::append()";
        return;
    }
    appendRecords({ addendType });
}

void AutoChapterModel::appendList(const QList<wordsType>& list)
{
    if (list.size() == 1) {
        append(list.first());
        return;
    }
    ItemLock lock(s_itemMutex);
    if (!lock) {
        logDebug(lcStats) << "AutoChapterModel::appendList()";
        return;
    }
    logDebug(lcStats) << "appendList" << ":" << "appendList :" << list.size();
    appendRecords(list);
}

// Lines added after the last line; a record's line field, when set, is its line.
void AutoChapterModel::appendRecords(const QList<wordsType>& records)
{
    QVector<ChapterType> added;
    bool lastChanged = false;
    for (const wordsType& rec : records) {
        ChapterType* last = nullptr;
        if (!added.isEmpty())
            last = &added.last();
        else if (!m_items.isEmpty())
            last = &m_items.last();
        const int line = rec.line >= 0 ? rec.line : (last ? last->line + 1 : 0);
        if (rec.hasTitle()) {
            added.append(chapter(rec.title, last ? line : 0, rec.all()));
        } else if (last) {
            if (rec.all() != 0) {
                last->wordNumber += rec.all();
                lastChanged = lastChanged || added.isEmpty();
            }
        } else {
            added.append(chapter(QString(), 0, rec.all()));
        }
    }
    if (lastChanged)
        announce(m_items.size() - 1);
    insertRowsAt(m_items.size(), added);
    normalizeFront();
    publishCount();
}

void AutoChapterModel::remove(int line, const wordsType& removeType)
{
    removeList(line, { removeType });
}

void AutoChapterModel::removeList(int index, const QList<wordsType>& list)
{
    ItemLock lock(s_itemMutex);
    if (!lock) {
        logWarning(lcStats) << "removeList" << ":" << "tryLock failed";
        return;
    }
    removeRecords(index, list);
}

// The records are the removed lines in order, from `line` on; later lines
// move up.
void AutoChapterModel::removeRecords(int line, const QList<wordsType>& records)
{
    if (m_items.isEmpty() || records.isEmpty())
        return;
    line = qMax(line, 0);
    const int front = frontRowFor(line);
    const int end = line + records.size(); // first line after the removed ones
    int current = front;
    int titles = 0;
    for (const wordsType& rec : records) {
        if (rec.hasTitle()) {
            // Only a row that really lies in the removed range goes with it.
            const int next = front + titles + 1;
            if (next < m_items.size() && m_items.at(next).line >= line && m_items.at(next).line < end) {
                ++titles;
                current = next;
            }
            m_items[current].wordNumber -= rec.all();
        } else {
            m_items[current].wordNumber = qMax(0, m_items.at(current).wordNumber - rec.all());
        }
    }
    // What is left of the last removed chapter joins the front chapter.
    if (current != front)
        m_items[front].wordNumber += m_items.at(current).wordNumber;
    announce(front);
    if (titles > 0)
        removeRowsAt(front + 1, front + titles);
    queueShift(front, records.size(), false);
    normalizeFront();
    publishCount();
}

void AutoChapterModel::resetList()
{
    logDebug(lcStats) << "resetList" << ":" << "removeAllList";
    ItemLock lock(s_itemMutex);
    if (!lock) {
        logWarning(lcStats) << "resetList" << ":" << "tryLock failed";
        return;
    }
    clear();
}

void AutoChapterModel::clear()
{
    if (!m_items.isEmpty()) {
        beginResetModel();
        m_items.clear();
        m_changedFrom = -1;
        endResetModel();
    }
    m_lineUpdates.clear();
    publishCount();
}

void AutoChapterModel::checkModel(const QList<wordsType>& chapterList) { Q_UNUSED(chapterList) }

void AutoChapterModel::showModelData()
{
    ItemLock lock(s_itemMutex);
    if (!lock) {
        logDebug(lcStats) << "AutoChapterModel::showModelData()";
        return;
    }
    if (m_pendingSnapshots.isEmpty() || m_showing)
        return;
    m_showing = true;
    const ChapterListType snapshot = m_pendingSnapshots.last();
    m_pendingSnapshots.clear();
    beginResetModel();
    m_items = snapshot.chapters.toVector();
    m_changedFrom = -1;
    endResetModel();
    setCurrentIndex(snapshot.currentIndex);
    publishCount();
    m_showing = false;
}
