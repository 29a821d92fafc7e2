#ifndef AUTOCHAPTERMODEL_H
#define AUTOCHAPTERMODEL_H

#include "chapter/chaptertype.h"
#include "document/wordstype.h"

#include <QAbstractItemModel>
#include <QList>
#include <QMutex>
#include <QVector>

class QTimer;

// The automatic chapter list of one document (roles displayText, line,
// wordNumber). It is never built by scanning the document: the counting
// thread's change records (delivered on the GUI thread) keep it up to date
// line by line. Rows are in line order; when line 0 is not a title the first
// row is the untitled part before the first title (title "", line 0).
// Line shifts of many rows are announced to views at most once a second.
class AutoChapterModel : public QAbstractItemModel
{
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentIndexChanged)
    Q_PROPERTY(int count READ count WRITE setCount NOTIFY countChanged)

public:
    enum Roles { DisplayTextRole = Qt::UserRole + 100, LineRole, WordNumberRole };

    // One pending shift of chapter lines: rows after startIndex move.
    struct chapterLineUpdateValue
    {
        int startIndex = 0;
        int endIndex = -1;
        int lines = 0;
        int isAdd = 0;
    };
    // One whole-list snapshot.
    struct ChapterListType
    {
        QList<ChapterType> chapters;
        int currentIndex = 0;
    };

    explicit AutoChapterModel(QObject* parent = nullptr);
    ~AutoChapterModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int itemCount() const { return m_items.size(); }
    // The entry of a row, or null outside the list (valid until the next change).
    const ChapterType* item(int row) const;
    QList<ChapterType> chapters() const { return m_items.toList(); }

    int currentIndex() const { return m_currentIndex; }
    int count() const { return m_count; }

    // Removes every row without taking the shared lock.
    void clear();
    // The row of the chapter that holds a line (binary search).
    int getIndexByLine(int line) const;
    // The same by a linear scan: the last row whose line is at or above it.
    int checkGetIndexByLine(int line) const;

public slots:
    void insert(int line, const wordsType& insertType);
    void append(const wordsType& addendType);
    void remove(int line, const wordsType& removeType);
    void update(int line, const wordsType& oldType, const wordsType& newType);
    void setCurrentIndexByLine(int line);
    void insertList(int index, const QList<wordsType>& list);
    void appendList(const QList<wordsType>& list);
    void removeList(int index, const QList<wordsType>& list);
    void resetList();
    void checkModel(const QList<wordsType>& chapterList);
    void setCurrentIndex(int currentIndex);
    void setCount(int count);
    void showModelData();
    void updateLine();
    void doDataChanged();

signals:
    void currentIndexChanged(int currentIndex);
    void countChanged(int count);

private:
    int chapterOf(int line) const;
    void insertRowsAt(int row, const QVector<ChapterType>& entries);
    void removeRowsAt(int first, int last);
    void announce(int row);
    void publishCount();
    void queueShift(int startIndex, int lines, bool add);
    int frontRowFor(int line);
    void normalizeFront();
    void insertRecords(int line, const QList<wordsType>& records);
    void appendRecords(const QList<wordsType>& records);
    void removeRecords(int line, const QList<wordsType>& records);

    // One lock for all chapter lists, only ever tried (never waited for):
    // it keeps an operation from being entered again from a view's reaction
    // to this model's own signals.
    static QMutex s_itemMutex;

    QVector<ChapterType> m_items;
    QList<chapterLineUpdateValue> m_lineUpdates;
    QList<ChapterListType> m_pendingSnapshots;
    int m_currentIndex = 0;
    int m_count = 0;
    bool m_showing = false;
    int m_changedFrom = -1;
    QTimer* m_changeTimer = nullptr;
};

#endif
